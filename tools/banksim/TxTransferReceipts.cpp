// NN410P, 671906: the electronic receipt of a successful transfer document;
// 671904: a printing of it, counted.
#include <cctype>

#include "PayFlow.h"
#include "QueryFields.h"
#include "StatementCaller.h"
#include "TransferQuery.h"
#include "UploadLines.h"
#include "core/TextHelpers.h"

namespace {

struct TReceiptRequest {
  std::optional<TTransferDocument> Document;
  std::optional<TSimReply> Refusal;
};

// The document named by the number under that key. The payer's name and bank
// that the grid click sends (in GBK) must be the document's when given.
TReceiptRequest FindReceipt(const TTxContext& tx, bool newGeneration, const QByteArray& numberKey) {
  TReceiptRequest request;
  const TStatementCaller caller = StatementCaller(tx, newGeneration);
  if (caller.Refusal) {
    request.Refusal = caller.Refusal;
    return request;
  }
  const QString number = tx.Form.Text(numberKey).trimmed();
  for (const TTransferDocument& document : TransferDocuments(*caller.Customer, tx.Transfers)) {
    if (document.Number == number) request.Document = document;
  }
  if (!request.Document) {
    request.Refusal = UnknownDocument(tx);
    return request;
  }
  QList<TEchoField> echoed;
  if (tx.Form.Has("ACC_NAME")) echoed.append({"ACC_NAME", request.Document->PayName});
  if (tx.Form.Has("OPENDEPT1")) echoed.append({"OPENDEPT1", request.Document->PayBank});
  if (newGeneration) {
    echoed += QList<TEchoField>{{"WF_BIZ_ID", request.Document->WorkflowId},
                                {"Bnk_Chnl", QStringLiteral("1")}};
  }
  request.Refusal = CheckEchoed(tx, echoed);
  if (!request.Refusal && !HasReceipt(*request.Document, newGeneration)) {
    request.Refusal =
        tx.Error(QStringLiteral("EBLN0021"), QStringLiteral("只有成功单据才有电子回单"));
  }
  return request;
}

TReceiptKey ReceiptOf(const TTransferDocument& document) {
  return {document.CustomerId, {}, document.Number};
}

// The old interface also tells how often the receipt has been printed.
TSimReply Receipt(TTxContext& tx, bool newGeneration) {
  const TReceiptRequest request =
      FindReceipt(tx, newGeneration, newGeneration ? "Vchr_No" : "CREDITNO");
  if (request.Refusal) return *request.Refusal;
  const TTransferDocument& document = *request.Document;
  const QDateTime day = document.SubmittedAt.isNull() ? document.MadeAt : document.SubmittedAt;
  const QString amount = FenText(document.Amount);
  TXmlElement root{QStringLiteral("ROOT"), {}, {}};
  AddFields(root, {{"CUR", newGeneration ? document.CurType : document.CurCode},
                   {"STATUS", ShownStatus(document, newGeneration)},
                   {"DATE", day.toString(QStringLiteral("yyyy-MM-dd"))},
                   {"CREDITNO", document.Number},
                   {"PAYNAME", document.PayName},
                   {"PAYACCNO", document.PayAccNo},
                   {"PAYBANK", document.PayBank},
                   {"REVNAME", document.RevName},
                   {"REVACCNO", document.RevAccNo},
                   {"REVBANK", document.RevBank},
                   {"DMONEY", AmountInWords(amount)},
                   {"MONEY", amount},
                   {"USEOF", document.Use},
                   {"CERCODE", document.CerCode},
                   {"MAKOPER", document.Maker},
                   {"CHKOPER", document.Checker},
                   {"APPOPER", document.Approver}});
  if (!newGeneration) {
    root.Add(QStringLiteral("PRINUM"), QString::number(tx.PrintCounts.Count(ReceiptOf(document))));
  }
  return tx.Xml(root);
}

// FLAG is the count the client printed on the receipt, one digit; the bank
// counts the printing whatever it says.
TSimReply Printed(TTxContext& tx) {
  const TReceiptRequest request = FindReceipt(tx, false, "CREDITNO");
  if (request.Refusal) return *request.Refusal;
  const QByteArray flag = tx.Form.Bytes("FLAG");
  if (flag.size() != 1 || !std::isdigit(static_cast<unsigned char>(flag[0]))) {
    return BadCondition(tx);
  }
  TXmlElement root{QStringLiteral("ROOT"), {}, {}};
  root.Add(QStringLiteral("PRINUM"),
           QString::number(tx.PrintCounts.Raise(ReceiptOf(*request.Document))));
  return tx.Xml(root);
}

const TTxRegistration kNewReceipt{
    {"NN410P", {kMainPlatV6Path}, true, [](TTxContext& tx) { return Receipt(tx, true); }}};
const TTxRegistration kOldReceipt{
    {"671906", {kMainPlatV5Path}, true, [](TTxContext& tx) { return Receipt(tx, false); }}};
const TTxRegistration kOldPrinted{{"671904", {kMainPlatV5Path}, true, Printed}};

}  // namespace
