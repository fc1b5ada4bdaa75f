// N17146 and N17145 (N17 interface): the confirmation that makes an uploaded
// file a payment document, and the polls of a document that the bank
// processes later.
#include "PayN17Fields.h"
#include "UploadLines.h"

namespace {

// The summary fields that the confirmation sends back.
const QList<QByteArray> kConfirmedKeys{
    "VchID",       "P_TPL_NO",      "TRAN_TYPE",    "VCHR_TP_CODE", "SBSTRCVPY_PRJ_TPCD",
    "Prj_Use_ID",  "Entrst_Prj_ID", "CCY_ID",       "Py_Per_Qot",   "SEL_USER_MODE_CD",
    "FILE_NM",     "Orig_File_Nm",  "EtrUnt_AccNo", "SRP_TxnAmt",   "TDnum",
    "SCSP_Smy_Dsc"};
// The summary fields that the document polls send back.
const QList<QByteArray> kPolledKeys{"VchID",        "P_TPL_NO",           "TRAN_TYPE",
                                    "VCHR_TP_CODE", "SBSTRCVPY_PRJ_TPCD", "SEL_USER_MODE_CD",
                                    "EtrUnt_AccNo", "SRP_TxnAmt"};

QString ReviewerName(const TPayDocument& document) {
  return document.Reviewers.value(0);
}

// The fields of the next N17145 poll beside those of the summary.
QList<TEchoField> DocumentPollFields(const TPayDocument& document) {
  return {{"TimeOut", QString::number(document.Item.DocumentProcessing.TimeOutMs)},
          {"secTimes", QString::number(document.DocumentPolls)},
          {"TxnSrlNo", document.SerialNo},
          {"WF_EXTR_NM", ReviewerName(document), true}};
}

void AddOutcome(TXmlElement& root, const TPayDocument& document) {
  root.Add(QStringLiteral("VchID"), document.Number);
  root.Add(QStringLiteral("Rsp_ID"), QStringLiteral("000000"));
  root.Add(QStringLiteral("SEL_USER_MODE_CD"), document.Item.SelUserMode);
  root.Add(QStringLiteral("WF_EXTR_NM"), ReviewerName(document));
  root.Add(QStringLiteral("Vchr_St"), QStringLiteral("1"));
  root.Add(QStringLiteral("RDsc"), QStringLiteral("制单成功，等待复核"));
  root.Add(QStringLiteral("SRP_TxnAmt"), FenText(document.Amount));
}

// The chosen reviewer, required when the item asks for one ("18").
const TSimOperator* ChosenReviewer(const TTxContext& tx, const TSimCustomer& customer) {
  for (const TSimOperator* reviewer : customer.Reviewers()) {
    if (reviewer->Id == tx.Form.Text("WF_EXTR_ID") &&
        reviewer->Name == tx.Form.Utf8("WF_EXTR_NM")) {
      return reviewer;
    }
  }
  return nullptr;
}

TSimReply Confirm(TTxContext& tx) {
  const TPayCaller caller = PayCaller(tx, true);
  if (caller.Refusal) return *caller.Refusal;
  TPayDocument* document = tx.PayDocuments.Find(caller.Customer->Id, tx.Form.Text("VchID"));
  if (!document || !document->FileDone || document->FileError || document->Confirmed) {
    return UnknownDocument(tx);
  }
  const std::optional<TSimReply> mismatch =
      CheckEchoed(tx, Only(FileResultFields(*document, *caller.Customer), kConfirmedKeys));
  if (mismatch) return *mismatch;
  if (caller.Operator->TxPassword.isEmpty() ||
      tx.Form.Text("PASSWORD") != caller.Operator->TxPassword) {
    return WrongTxPassword(tx);
  }
  if (document->Item.SelUserMode == QLatin1String("18")) {
    const TSimOperator* reviewer = ChosenReviewer(tx, *caller.Customer);
    if (!reviewer) return NoReviewer(tx);
    document->Reviewers = {reviewer->Name};
  }
  document->Confirmed = true;

  TXmlElement root{QStringLiteral("ROOT"), {}, {}};
  if (document->Item.DocumentProcessing.Mode == QLatin1String("sync")) {
    root.Add(QStringLiteral("PROCESS_FLAG"), QStringLiteral("0"));
    AddOutcome(root, *document);
  } else {
    root.Add(QStringLiteral("PROCESS_FLAG"), QStringLiteral("1"));
    AddFields(root, DocumentPollFields(*document));
  }
  return tx.Xml(root);
}

// A poll answered "still processing" has an empty Vchr_St, the fields of the
// next poll and secNum ("1": the bank stops processing for now).
TSimReply DocumentPoll(TTxContext& tx) {
  const TPayCaller caller = PayCaller(tx, true);
  if (caller.Refusal) return *caller.Refusal;
  TPayDocument* document = tx.PayDocuments.Find(caller.Customer->Id, tx.Form.Text("VchID"));
  if (!document || !document->Confirmed) return UnknownDocument(tx);
  const std::optional<TSimReply> mismatch =
      CheckEchoed(tx, Only(FileResultFields(*document, *caller.Customer), kPolledKeys) +
                          WithoutTimeOut(DocumentPollFields(*document)));
  if (mismatch) return *mismatch;

  TXmlElement root{QStringLiteral("ROOT"), {}, {}};
  const TPollAnswer answer = NextPoll(document->Item.DocumentProcessing, document->DocumentPolls);
  if (answer == TPollAnswer::Done) {
    AddOutcome(root, *document);
  } else {
    root.Add(QStringLiteral("Vchr_St"));
    AddFields(root, Only(DocumentPollFields(*document), {"TimeOut", "secTimes", "TxnSrlNo"}));
    root.Add(QStringLiteral("secNum"),
             answer == TPollAnswer::TimedOut ? QStringLiteral("1") : QStringLiteral("0"));
  }
  return tx.Xml(root);
}

const TTxRegistration kConfirm{{"N17146", {kMainPlatV6Path}, true, Confirm}};
const TTxRegistration kDocumentPoll{{"N17145", {kMainPlatV6Path}, true, DocumentPoll}};

}  // namespace
