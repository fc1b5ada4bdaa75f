#include "PayN17Fields.h"

#include "UploadLines.h"
#include "core/TextHelpers.h"

namespace {

QString PayModeText(const TPayDocument& document) {
  return QString::number(document.Mode);
}

}  // namespace

QList<TEchoField> FileRequestFields(const TPayDocument& document, const TSimCustomer& customer) {
  const TSimProcessing& processing = document.Item.FileProcessing;
  return {
      {"VCHR_TP_CODE", QStringLiteral("1")},
      {"SBSTRCVPY_PRJ_TPCD", PayModeText(document)},
      {"Entrst_Prj_ID", document.Item.Id},
      {"Prj_Use_ID", document.Use.Id},
      {"Prj_Use_Nm", document.Use.Name, true},
      {"CCY_ID", QStringLiteral("156")},
      {"Py_Per_Qot", customer.PayModes[document.Mode].PyPerQot},
      {"FILE_NM", document.FileName, true},
      {"Orig_File_Nm", document.OrigFileName, true},
      {"TimeOut", QString::number(processing.TimeOutMs)},
      {"secTimes", QString::number(document.FilePolls)},
      {"TxnSrlNo", document.SerialNo},
      {"EtrUnt_AccNo", document.Item.AccNo},
  };
}

QList<TEchoField> FileResultFields(const TPayDocument& document, const TSimCustomer& customer) {
  const TSimAccount* account = customer.FindAccount(document.Item.AccNo);
  const TSimOperator* maker = customer.FindOperator(document.UserId);
  const QString amount = FenText(document.Amount);
  return {
      {"VchID", document.Number},
      {"P_TPL_NO", QStringLiteral("0001")},
      {"TRAN_TYPE", PayModeText(document)},
      {"VCHR_TP_CODE", QStringLiteral("1")},
      {"SBSTRCVPY_PRJ_TPCD", PayModeText(document)},
      {"Prj_Use_ID", document.Use.Id},
      {"Entrst_Prj_ID", document.Item.Id},
      {"CCY_ID", QStringLiteral("156")},
      {"Py_Per_Qot", customer.PayModes[document.Mode].PyPerQot},
      {"SEL_USER_MODE_CD", document.Item.SelUserMode},
      {"FILE_NM", document.FileName, true},
      {"Orig_File_Nm", document.OrigFileName, true},
      {"SCSP_Smy_Dsc", document.Item.Name, true},
      {"EtrUnt_Nm", account ? account->AccName : customer.Name},
      {"EtrUnt_AccNo", document.Item.AccNo},
      {"EtrUnt_Acc_DpBkNm", account ? account->BankName : QString()},
      {"SRP_TxnAmt", amount},
      {"Amount", AmountInWords(amount)},
      {"TDnum", QString::number(document.Lines.size())},
      {"Prj_Use_Nm", document.Use.Name, true},
      {"Mak_OperName", maker ? maker->Name : QString()},
  };
}

void AddFileResult(TXmlElement& root, const TPayDocument& document, const TSimCustomer& customer) {
  if (document.FileError) {
    root.Add(QStringLiteral("FILE_ERROR"), QStringLiteral("1"));
    root.Add(QStringLiteral("TDnum"), QString::number(document.Lines.size()));
    return;
  }
  root.Add(QStringLiteral("FILE_ERROR"), QStringLiteral("0"));
  AddFields(root, FileResultFields(document, customer));
  TXmlElement& reviewers = root.Add(QStringLiteral("ITEMLIST"));
  for (const TSimOperator* reviewer : customer.Reviewers()) {
    TXmlElement& entry = reviewers.Add(QStringLiteral("ITEM"));
    entry.Add(QStringLiteral("WF_EXTR_ID"), reviewer->Id);
    entry.Add(QStringLiteral("WF_EXTR_NM"), reviewer->Name);
  }
}

QList<TEchoField> WithoutTimeOut(QList<TEchoField> fields) {
  fields.removeIf([](const TEchoField& field) { return field.Key == "TimeOut"; });
  return fields;
}

QList<TEchoField> Only(const QList<TEchoField>& fields, const QList<QByteArray>& keys) {
  QList<TEchoField> chosen;
  for (const QByteArray& key : keys) {
    for (const TEchoField& field : fields) {
      if (field.Key == key) chosen.append(field);
    }
  }
  return chosen;
}
