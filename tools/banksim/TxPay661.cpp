// 661202, 661802 and 661223 (661 interface): the agent-pay file upload as a
// multipart form, answered with the summary at once, and the confirmation that
// makes it a payment document.

#include "PayFile.h"
#include "PayFlow.h"
#include "UploadLines.h"
#include "core/TextHelpers.h"
#include "platform/codec/Gbk.h"

namespace {

constexpr char kFilePath[] = "/NNVX/NECV5B2BFile";
constexpr char kVipFilePath[] = "/NNVX/NECV5B2BFile4VIP";

// An item of ITEMECTIP "0" is uploaded to the plain path, any other to the VIP
// path; "1" with 661802, the others with 661202.
bool FitsItem(const TTxContext& tx, const TSimPayItem& item) {
  const QByteArray path = item.Ectip.trimmed() == QLatin1String("0") ? kFilePath : kVipFilePath;
  const QByteArray code = item.Ectip == QLatin1String("1") ? "661802" : "661202";
  return tx.Request.Path == path && tx.Form.Bytes("TXCODE") == code;
}

// A use with LOCKED "1" carries the count and the sum of the file, typed by the clerk.
bool TotalsFit(const TTxContext& tx, const TPayFile& file) {
  bool ok = false;
  const int count = tx.Form.Text("TOTALNUM").toInt(&ok);
  return ok && count == file.Lines.size() &&
         ReadAmount(tx.Form.Text("TOTALAMOUNT")) == file.Amount &&
         ReadAmount(tx.Form.Text("TOTALAMOUNT1")) == file.Amount;
}

TSimReply Summary(const TTxContext& tx, const TPayDocument& document, const TSimCustomer& customer,
                  const TSimOperator& maker) {
  const TSimAccount* account = customer.FindAccount(document.Item.AccNo);
  const QString amount = FenText(document.Amount);
  TXmlElement root{QStringLiteral("ROOT"), {}, {}};
  AddFields(root, {{"PAYNUM", QString::number(document.Lines.size())},
                   {"PAYTIME", document.UploadTime.toString(QStringLiteral("yyyyMMddhhmmss"))},
                   {"AMOUNT", AmountInWords(amount)},
                   {"AMTNUM", amount},
                   {"USE", document.Use.Name},
                   {"MAKER", maker.Name},
                   {"ACCNO", document.Item.AccNo},
                   {"ACCNAME", account ? account->AccName : QString()},
                   {"BANK", account ? account->BankName : QString()},
                   {"CUST_ID", tx.Session->CustomerId},
                   {"USERID", tx.Session->UserId},
                   {"SKEY", tx.Session->SKey},
                   {"TX_CODE", tx.Form.Text("TXCODE")},
                   {"CREDITNO", document.Number},
                   {"PROCESSIDX", document.SerialNo},
                   {"ISENCRYPT", document.Use.Locked},
                   {"TXFLAG", QString::number(document.Mode)},
                   {"USEOFCODE", document.Use.Id},
                   {"ISMANAGER", QStringLiteral("0")},
                   {"BILLDESC", document.Item.Name},
                   {"BILLCODE", document.Item.Id},
                   {"ISCHECKACC", QStringLiteral("0")},
                   {"SENDFILE", document.FileName},
                   {"MD5", document.Md5},
                   {"SELECTOPER", document.Item.SelectOper}});
  TXmlElement& reviewers = root.Add(QStringLiteral("CHECKLIST"));
  for (const TSimOperator* reviewer : customer.Reviewers()) {
    TXmlElement& entry = reviewers.Add(QStringLiteral("CHECK"));
    entry.Add(QStringLiteral("CHECKID"), reviewer->Id);
    entry.Add(QStringLiteral("CHECKNAME"), reviewer->Name);
  }
  return tx.Xml(root);
}

TSimReply Upload(TTxContext& tx) {
  const TPayCaller caller = PayCaller(tx, false);
  if (caller.Refusal) return *caller.Refusal;
  const int modeIndex = PayModeOf(tx.Form.Bytes("TXFLAG"));
  if (modeIndex < 0) return BadPayMode(tx);
  const TSimPayMode& mode = caller.Customer->PayModes[modeIndex];
  const TSimPayItem* item = mode.FindItem(tx.Form.Text("BILL_CODE"));
  if (!item) return UnknownItem(tx);
  if (!FitsItem(tx, *item)) {
    return tx.Error(QStringLiteral("EBLN0013"), QStringLiteral("上传路径与项目类型不符"));
  }
  const TSimPayUse* use = mode.FindUse(*item, tx.Form.Text("USEOF_CODE"));
  if (!use) return UnknownUse(tx);
  const QString useValue =
      QStringList{use->Id, use->ModeId, use->Locked, {}}.join(QLatin1Char('|'));
  const std::optional<TSimReply> mismatch = CheckEchoed(tx, {{"use", useValue},
                                                             {"TEMPLATE_CODE", use->ModeId},
                                                             {"ISLOCKED", use->Locked},
                                                             {"IS_ENCRYPT", use->Locked},
                                                             {"FILESIZE", item->FileSize},
                                                             {"USE", use->Name},
                                                             {"BILLDESC", item->Name}});
  if (mismatch) return *mismatch;
  const QByteArray content = tx.Form.Bytes("SEND_FILE");
  const TPayFile file = ReadPayFile(content, item->AmountField);
  if (file.Lines.isEmpty()) {
    return tx.Error(QStringLiteral("EBLN0005"), QStringLiteral("上传文件中没有转账数据"));
  }
  if (file.ErrorLine > 0 || item->FileError) {
    const QString where =
        file.ErrorLine > 0 ? QStringLiteral("第%1行").arg(file.ErrorLine) : QString();
    return tx.Error(QStringLiteral("EBLN0011"), QStringLiteral("文件%1格式错误").arg(where));
  }
  if (use->Locked == QLatin1String("1") && !TotalsFit(tx, file)) {
    return tx.Error(QStringLiteral("EBLN0015"), QStringLiteral("总笔数或总金额与文件不符"));
  }

  TPayDocument& document = KeepUpload(tx, caller, modeIndex, *item, *use, content, file);
  document.FileDone = true;
  return Summary(tx, document, *caller.Customer, *caller.Operator);
}

// The CHECK_ID and CHECK_NAME pairs in the order sent; none when they do not pair up.
QList<QPair<QString, QString>> SentReviewers(const TFormFields& form) {
  QStringList ids, names;
  for (const auto& [key, value] : form.All()) {
    if (key == "CHECK_ID") ids.append(codec::FromGbk(value));
    if (key == "CHECK_NAME") names.append(codec::FromGbk(value));
  }
  QList<QPair<QString, QString>> pairs;
  if (ids.size() != names.size()) return pairs;
  for (qsizetype i = 0; i < ids.size(); ++i) pairs.append({ids[i], names[i]});
  return pairs;
}

// SELECTOPER "0": one reviewer of the list; otherwise all of them, in list order.
bool ReviewersFit(const QList<QPair<QString, QString>>& sent, const TSimCustomer& customer,
                  const QString& selectOper) {
  QList<QPair<QString, QString>> all;
  for (const TSimOperator* reviewer : customer.Reviewers())
    all.append({reviewer->Id, reviewer->Name});
  if (selectOper == QLatin1String("0")) return sent.size() == 1 && all.contains(sent.first());
  return sent == all;
}

TSimReply Confirm(TTxContext& tx) {
  const TPayCaller caller = PayCaller(tx, false);
  if (caller.Refusal) return *caller.Refusal;
  TPayDocument* document = tx.PayDocuments.Find(caller.Customer->Id, tx.Form.Text("CREDIT_NO"));
  if (!document || document->Confirmed) return UnknownDocument(tx);
  const QString mode = QString::number(document->Mode);
  const std::optional<TSimReply> mismatch =
      CheckEchoed(tx, {{"ACCNO1", document->Item.AccNo},
                       {"IS_PAY", mode},
                       {"AMOUNT", FenText(document->Amount)},
                       {"USE", document->Use.Name},
                       {"PROCESSIDX", document->SerialNo},
                       {"IS_ENCRYPT", document->Use.Locked},
                       {"TXFLAG", mode},
                       {"USEOF_CODE", document->Use.Id},
                       {"IS_MANAGER", QStringLiteral("0")},
                       {"BILLDESC", document->Item.Name},
                       {"SELECTOPER", document->Item.SelectOper},
                       {"BILL_CODE", document->Item.Id},
                       {"IS_CHECKACC", QStringLiteral("0")},
                       {"SEND_FILE", document->FileName},
                       {"MD5", document->Md5},
                       {"TOTAL_NUM", QString::number(document->Lines.size())},
                       {"ECTIPFLAG", document->Item.Ectip}});
  if (mismatch) return *mismatch;
  if (caller.Operator->TxPassword.isEmpty() ||
      tx.Form.Text("PASSWD") != caller.Operator->TxPassword) {
    return WrongTxPassword(tx);
  }
  const QList<QPair<QString, QString>> reviewers = SentReviewers(tx.Form);
  if (!ReviewersFit(reviewers, *caller.Customer, document->Item.SelectOper)) return NoReviewer(tx);
  document->Confirmed = true;

  TXmlElement root{QStringLiteral("ROOT"), {}, {}};
  root.Add(QStringLiteral("CREDITNO"), document->Number);
  TXmlElement& names = root.Add(QStringLiteral("CHECKNAMELIST"));
  for (const auto& reviewer : reviewers) {
    document->Reviewers.append(reviewer.second);
    names.Add(QStringLiteral("CHECKNAME"), reviewer.second);
  }
  return tx.Xml(root);
}

const TTxRegistration kUpload{{"661202", {kFilePath, kVipFilePath}, true, Upload}};
const TTxRegistration kVipUpload{{"661802", {kVipFilePath}, true, Upload}};
const TTxRegistration kConfirm{{"661223", {kMainPlatV5Path}, true, Confirm}};

}  // namespace
