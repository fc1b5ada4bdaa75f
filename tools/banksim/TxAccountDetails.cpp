// N00017, 610721: a page of an account's transactions; N00018, 610724: all
// of them as a spreadsheet.
#include "DetailQuery.h"
#include "PayFlow.h"
#include "QueryFields.h"
#include "StatementCaller.h"
#include "StatementWorkbooks.h"

namespace {

TSimReply StaleContinuation(const TTxContext& tx) {
  return tx.Error(QStringLiteral("EBLN0019"), QStringLiteral("翻页信息已失效，请重新查询"));
}

// A page after the first carries the key of the page before it or, when the
// client pages back, of the page after it: the new interface as STS_TRACE_ID,
// the old one as POSTSTR.
bool ContinuationFits(const QString& key, const TDetailConditions& conditions,
                      const QList<TDatedDetail>& rows, int page, int pages) {
  if (page == 1) return true;
  if (key.isEmpty()) return false;
  return key == ContinuationKey(conditions, rows, page - 1) ||
         (page < pages && key == ContinuationKey(conditions, rows, page + 1));
}

TSimReply Query(TTxContext& tx, bool newGeneration) {
  const TStatementCaller caller = StatementCaller(tx, newGeneration);
  if (caller.Refusal) return *caller.Refusal;
  const TDetailRequest request = ReadDetailRequest(tx, *caller.Customer, newGeneration);
  if (request.Refusal) return *request.Refusal;
  const TDetailConditions& conditions = request.Conditions;
  const QList<TDatedDetail> rows = SelectDetails(conditions);
  const int pages = PageCount(rows.size(), kDetailsPerPage);
  const std::optional<int> page = ReadPage(tx.Form.Text("PAGE"));
  if (!page || *page > std::max(pages, 1)) return BadCondition(tx);
  const QString key = tx.Form.Text(newGeneration ? "STS_TRACE_ID" : "POSTSTR");
  if (!ContinuationFits(key, conditions, rows, *page, pages)) return StaleContinuation(tx);

  TXmlElement root{QStringLiteral("ROOT"), {}, {}};
  AddFields(root, {{"PAGE", QString::number(*page)},
                   {"PAGES", QString::number(pages)},
                   {"POSTSTR", ContinuationKey(conditions, rows, *page)},
                   {"OID1", conditions.QueryId()},
                   {"BATCH_OID", conditions.BatchId()},
                   {"RETRUN_ALL", conditions.ReturnAll()},
                   {"ACCOUNTSTATUS", conditions.Account->Status}});
  TXmlElement& list = root.Add(QStringLiteral("ITEMLIST"));
  for (const TDatedDetail& row : rows.mid((*page - 1) * kDetailsPerPage, kDetailsPerPage)) {
    list.Children.append(DetailItem(row, *conditions.Account, newGeneration));
  }
  return tx.Xml(root);
}

// Refused for a range the query answered with RETRUN_ALL "1". The old
// interface sends back the ids and the account status of the query.
TSimReply Download(TTxContext& tx, bool newGeneration) {
  const TStatementCaller caller = StatementCaller(tx, newGeneration);
  if (caller.Refusal) return *caller.Refusal;
  const TDetailRequest request = ReadDetailRequest(tx, *caller.Customer, newGeneration);
  if (request.Refusal) return *request.Refusal;
  const TDetailConditions& conditions = request.Conditions;
  if (conditions.ReturnAll() != QLatin1String("0")) {
    return tx.Error(QStringLiteral("EBLN0020"),
                    QStringLiteral("查询时间范围过大，请缩短查询时间范围后下载"));
  }
  QList<TEchoField> echoed{{"DOWNLOAD_FLAG", QStringLiteral("1")},
                           {"DOWNLOAD_TYPE", QStringLiteral("ECTIPDOWNLOADEXCEL")}};
  if (!newGeneration) {
    echoed += QList<TEchoField>{{"RETURN_ALL", conditions.ReturnAll()},
                                {"BATCH_OID", conditions.BatchId()},
                                {"OID", conditions.QueryId()},
                                {"ACCOUNTSTATUS", conditions.Account->Status}};
  }
  const std::optional<TSimReply> mismatch = CheckEchoed(tx, echoed);
  if (mismatch) return *mismatch;
  return WorkbookReply(tx, DetailWorkbook(SelectDetails(conditions), *conditions.Account),
                       conditions.Account->AccNo + QStringLiteral(".xls"));
}

const TTxRegistration kNewQuery{
    {"N00017", {kMainPlatV6Path}, true, [](TTxContext& tx) { return Query(tx, true); }}};
const TTxRegistration kOldQuery{
    {"610721", {kMainPlatV5Path}, true, [](TTxContext& tx) { return Query(tx, false); }}};
const TTxRegistration kNewDownload{
    {"N00018", {kMainPlatV6Path}, true, [](TTxContext& tx) { return Download(tx, true); }}};
const TTxRegistration kOldDownload{
    {"610724", {kMainPlatV5Path}, true, [](TTxContext& tx) { return Download(tx, false); }}};

}  // namespace
