// NN4101, 671901: a page of the transfer documents the customer submitted
// online; NN4102, 671905: all of them as a spreadsheet.
#include <algorithm>

#include "PayFlow.h"
#include "QueryFields.h"
#include "StatementCaller.h"
#include "StatementWorkbooks.h"
#include "TransferQuery.h"

namespace {

QList<TTransferDocument> Selected(const TTxContext& tx, const TSimCustomer& customer,
                                  const TTransferConditions& conditions) {
  QList<TTransferDocument> documents = TransferDocuments(customer, tx.Transfers);
  documents.removeIf([&](const TTransferDocument& d) { return !conditions.Fits(d); });
  return documents;
}

// A page beyond the last is answered with the last.
TSimReply Query(TTxContext& tx, bool newGeneration) {
  const TStatementCaller caller = StatementCaller(tx, newGeneration);
  if (caller.Refusal) return *caller.Refusal;
  const TTransferRequest request = ReadTransferRequest(tx, *caller.Customer, newGeneration);
  if (request.Refusal) return *request.Refusal;
  const std::optional<int> asked = ReadPage(tx.Form.Text("PAGE"));
  if (!asked) return BadCondition(tx);
  const QList<TTransferDocument> documents = Selected(tx, *caller.Customer, request.Conditions);
  const int pages = PageCount(documents.size(), kTransfersPerPage);
  const int page = std::min(*asked, std::max(pages, 1));

  TXmlElement root{QStringLiteral("ROOT"), {}, {}};
  root.Add(QStringLiteral("PAGE"), QString::number(page));
  root.Add(QStringLiteral("PAGES"), QString::number(pages));
  TXmlElement& list = root.Add(QStringLiteral("ITEMLIST"));
  for (const TTransferDocument& document :
       documents.mid((page - 1) * kTransfersPerPage, kTransfersPerPage)) {
    list.Children.append(TransferItem(document, newGeneration));
  }
  return tx.Xml(root);
}

TSimReply Download(TTxContext& tx, bool newGeneration) {
  const TStatementCaller caller = StatementCaller(tx, newGeneration);
  if (caller.Refusal) return *caller.Refusal;
  const TTransferRequest request = ReadTransferRequest(tx, *caller.Customer, newGeneration);
  if (request.Refusal) return *request.Refusal;
  const std::optional<TSimReply> mismatch =
      CheckEchoed(tx, {{"radiobutton", QStringLiteral("3")}, {"ISALL", QStringLiteral("1")}});
  if (mismatch) return *mismatch;
  return WorkbookReply(
      tx, TransferWorkbook(Selected(tx, *caller.Customer, request.Conditions), newGeneration),
      QStringLiteral("transfers.xls"));
}

const TTxRegistration kNewQuery{
    {"NN4101", {kMainPlatV6Path}, true, [](TTxContext& tx) { return Query(tx, true); }}};
const TTxRegistration kOldQuery{
    {"671901", {kMainPlatV5Path}, true, [](TTxContext& tx) { return Query(tx, false); }}};
const TTxRegistration kNewDownload{
    {"NN4102", {kMainPlatV6Path}, true, [](TTxContext& tx) { return Download(tx, true); }}};
const TTxRegistration kOldDownload{
    {"671905", {kMainPlatV5Path}, true, [](TTxContext& tx) { return Download(tx, false); }}};

}  // namespace
