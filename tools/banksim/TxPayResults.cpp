// N19101, N19102 (N17 interface), 661504 and 661501 (661 interface): the lists
// of the result-download screen and the pages of processed agent-pay
// documents.
#include "PayFlow.h"
#include "ResultQuery.h"
#include "UploadLines.h"

namespace {

QString MadeAtText(const TResultDocument& document) {
  return document.MadeAt.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
}

TSimReply N17Lists(TTxContext& tx) {
  const TPayCaller caller = PayCaller(tx, true);
  if (caller.Refusal) return *caller.Refusal;
  if (PayModeOf(tx.Form.Bytes("TRAN_TYPE")) < 0) return BadPayMode(tx);

  TXmlElement root{QStringLiteral("ROOT"), {}, {}};
  TXmlElement& accounts = root.Add(QStringLiteral("ITEMLIST"));
  for (const TSimAccount& account : caller.Customer->Accounts) {
    TXmlElement& entry = accounts.Add(QStringLiteral("ITEM"));
    entry.Add(QStringLiteral("EtrUnt_AccNo"), account.AccNo);
    entry.Add(QStringLiteral("EtrUnt_AccNm"), account.AccName);
  }
  root.Add(QStringLiteral("MOV_DATE"), caller.Customer->Results.MovDate);
  return tx.Xml(root);
}

// The collection items are those of the customer's 批量代扣 mode.
TSimReply OldLists(TTxContext& tx) {
  const TPayCaller caller = PayCaller(tx, false);
  if (caller.Refusal) return *caller.Refusal;

  TXmlElement root{QStringLiteral("ROOT"), {}, {}};
  TXmlElement& accounts = root.Add(QStringLiteral("ACCLIST"));
  for (const TSimAccount& account : caller.Customer->Accounts) {
    TXmlElement& entry = accounts.Add(QStringLiteral("ACC"));
    entry.Add(QStringLiteral("ACCNO"), account.AccNo);
    entry.Add(QStringLiteral("ACCNAME"), account.AccName);
    entry.Add(QStringLiteral("CURTYPE"), account.CurType);
    entry.Add(QStringLiteral("OPENDEPT"), account.BankName);
    entry.Add(QStringLiteral("ACCTYPE"), account.AccType);
  }
  TXmlElement& items = root.Add(QStringLiteral("EPAYLIST"));
  for (const TSimPayItem& item : caller.Customer->PayModes[1].Items) {
    TXmlElement& entry = items.Add(QStringLiteral("EPAY"));
    entry.Add(QStringLiteral("BILLCODE"), item.Id);
    entry.Add(QStringLiteral("BILLDESC"), item.Name);
  }
  return tx.Xml(root);
}

TSimReply N17Query(TTxContext& tx) {
  const TPayCaller caller = PayCaller(tx, true);
  if (caller.Refusal) return *caller.Refusal;
  const int mode = PayModeOf(tx.Form.Bytes("SBSTRCVPY_PRJ_TPCD"));
  if (mode < 0) return BadPayMode(tx);
  const std::optional<TSimReply> mismatch =
      CheckEchoed(tx, {{"VCHR_TP_CODE", QStringLiteral("1")}});
  if (mismatch) return *mismatch;
  std::optional<TResultFilter> filter = ReadConditions(
      tx.Form,
      {"Vchr_StDt", "Vchr_CODt", "Vchr_Beg_Amt", "Vchr_CtOf_Amt", "CREDIT_NO", "EtrUnt_AccNo"});
  if (!filter) return BadCondition(tx);
  filter->Mode = mode;
  const QString state = tx.Form.Text("Vchr_St").trimmed();
  if (!state.isEmpty()) filter->StateFits = [state](const QString& s) { return s == state; };
  const TSimCustomer& customer = *caller.Customer;
  const std::optional<TResultPage> page =
      QueryPage(ResultDocuments(customer, tx.PayDocuments), *filter, tx.Form.Text("PAGE"));
  if (!page) return BadCondition(tx);

  TXmlElement root{QStringLiteral("ROOT"), {}, {}};
  root.Add(QStringLiteral("PAGE"), QString::number(page->Page));
  root.Add(QStringLiteral("TOTAL_PAGE"), QString::number(page->Pages));
  TXmlElement& list = root.Add(QStringLiteral("ITEMLIST"));
  for (const TResultDocument& document : page->Documents) {
    const TResultTotals totals = ResultTotals(document, customer.Results);
    AddFields(list.Add(QStringLiteral("ITEM")),
              {{"VchID", document.Number},
               {"Entrst_Prj_Nm", document.Item.Name},
               {"Prj_Use_Nm", document.Use.Name},
               {"FILE_NM", document.FileName},
               {"TAmt", FenText(totals.Amount)},
               {"TDnum", QString::number(totals.Count)},
               {"Scss_Amt", FenText(totals.SuccessAmount)},
               {"Scss_Dnum", QString::number(totals.SuccessCount)},
               {"Vchr_Gen_Dt", MadeAtText(document)},
               {"Btch_ID", document.BatchId()},
               {"Txn_Jrnl_ID", document.JournalId},
               {"Vchr_St", document.State},
               {"ISDOWNLOAD", document.IsDownload}});
  }
  return tx.Xml(root);
}

// COMPLETED "0": the finished documents (processed or failed, or voided), "1"
// the others, "2" all.
std::optional<std::function<bool(const QString&)>> CompletedFilter(const QByteArray& completed) {
  const auto finished = [](const QString& state) {
    return state == QLatin1String("3") || state == QLatin1String("4") ||
           state == QLatin1String("A");
  };
  if (completed == "0") return finished;
  if (completed == "1") return [finished](const QString& state) { return !finished(state); };
  if (completed == "2") return std::function<bool(const QString&)>();
  return std::nullopt;
}

TSimReply OldQuery(TTxContext& tx) {
  const TPayCaller caller = PayCaller(tx, false);
  if (caller.Refusal) return *caller.Refusal;
  const int mode = PayModeOf(tx.Form.Bytes("TRANTYPE"));
  if (mode < 0) return BadPayMode(tx);
  std::optional<TResultFilter> filter = ReadConditions(
      tx.Form, {"STARTDATE", "ENDDATE", "FROMAMMOUNT", "TOAMMOUNT", "CREDITNO", "ACCNO"});
  const auto completed = CompletedFilter(tx.Form.Bytes("COMPLETED"));
  if (!filter || !completed) return BadCondition(tx);
  filter->Mode = mode;
  filter->StateFits = *completed;
  filter->ItemId = tx.Form.Text("EITEM").trimmed();
  const TSimCustomer& customer = *caller.Customer;
  const std::optional<TResultPage> page =
      QueryPage(ResultDocuments(customer, tx.PayDocuments), *filter, tx.Form.Text("PAGE"));
  if (!page) return BadCondition(tx);

  TXmlElement root{QStringLiteral("ROOT"), {}, {}};
  root.Add(QStringLiteral("PAGE"), QString::number(page->Page));
  root.Add(QStringLiteral("PAGES"), QString::number(page->Pages));
  root.Add(QStringLiteral("FILETYPE"), customer.Results.FileType);
  TXmlElement& list = root.Add(QStringLiteral("BILLLIST"));
  for (const TResultDocument& document : page->Documents) {
    const TResultTotals totals = ResultTotals(document, customer.Results);
    AddFields(list.Add(QStringLiteral("BILL")), {{"CREDIT_NO", document.Number},
                                                 {"BILLDESC", document.Item.Name},
                                                 {"USEOFDESC", document.Use.Name},
                                                 {"FILENAME", document.FileName},
                                                 {"TOTALAMOUNT", FenText(totals.Amount)},
                                                 {"TOTALNUM", QString::number(totals.Count)},
                                                 {"SUCCAMOUNT", FenText(totals.SuccessAmount)},
                                                 {"SUCCNUM", QString::number(totals.SuccessCount)},
                                                 {"MAKDATE", MadeAtText(document)},
                                                 {"STATUS", document.State},
                                                 {"ISDOWNLOAD", document.IsDownload},
                                                 {"ISECTIP", document.IsEctip}});
  }
  return tx.Xml(root);
}

const TTxRegistration kN17Lists{{"N19101", {kMainPlatV6Path}, true, N17Lists}};
const TTxRegistration kN17Query{{"N19102", {kMainPlatV6Path}, true, N17Query}};
const TTxRegistration kOldLists{{"661504", {kMainPlatV5Path}, true, OldLists}};
const TTxRegistration kOldQuery{{"661501", {kMainPlatV5Path}, true, OldQuery}};

}  // namespace
