// NN1310 and 621108: the upload of a batch of transfer documents as a
// multipart form (the file SEND_FILE, the transaction PASSWORD and the session).
#include "Transactions.h"
#include "UploadLines.h"

namespace {

// An accepted line becomes a transfer document of the customer's upload
// status, made and (unless it waits for review) sent to the bank with the
// upload.
TTransferDocument TransferOf(const TCheckedLine& line, const TSimCustomer& customer,
                             const TSimOperator& maker, const QDateTime& uploadTime) {
  const TSimAccount& payer = *customer.FindAccount(line.PayAccNo);
  const QList<const TSimOperator*> reviewers = customer.Reviewers();
  TTransferDocument document;
  document.CustomerId = customer.Id;
  document.PayAccNo = payer.AccNo;
  document.PayName = line.PayAccName;
  document.PayBank = payer.BankName;
  document.CurType = payer.CurType;
  document.CurCode = payer.CurCode;
  document.Amount = line.Amount;
  document.RevAccNo = line.RcvAccNo;
  document.RevName = line.RcvAccName;
  document.RevBank = line.RcvBankName;
  document.Use = line.Usage;
  document.Status = customer.UploadStatus;
  document.MadeAt = uploadTime;
  if (customer.UploadStatus != QLatin1String("1")) document.SubmittedAt = document.MadeAt;
  document.Maker = maker.Name;
  document.Checker = reviewers.isEmpty() ? QString() : reviewers[0]->Name;
  return document;
}

constexpr char kFileV6Path[] = "/NNVX/NECV6NEWB2BFile";
constexpr char kFileV5Path[] = "/NNVX/NECV5B2BFile";

// ITEMNUM is the number of lines received, accepted or not; AMTNUM the sum of
// the accepted ones. SUCCNUM is sent only by the new generation and only when
// some lines were accepted and some rejected.
TSimReply Upload(TTxContext& tx, bool newGeneration) {
  const TSimCustomer* customer = tx.Data.FindCustomer(tx.Session->CustomerId);
  const TSimOperator* op = customer ? customer->FindOperator(tx.Session->UserId) : nullptr;
  if (!op) return tx.Error(QStringLiteral("EBLN0001"), QStringLiteral("客户号或操作员号不存在"));
  if ((customer->TradeType == 1) != newGeneration) {
    return tx.Error(QStringLiteral("EBLN0006"), QStringLiteral("交易码与客户类型不符"));
  }
  if (op->TxPassword.isEmpty() || tx.Form.Text("PASSWORD") != op->TxPassword) {
    return tx.Error(QStringLiteral("EBLN0004"), QStringLiteral("交易密码错误"));
  }
  const QStringList lines = UploadedLines(tx.Form.Bytes("SEND_FILE"));
  if (lines.isEmpty()) {
    return tx.Error(QStringLiteral("EBLN0005"), QStringLiteral("上传文件中没有转账数据"));
  }

  const QDateTime uploadTime = QDateTime::currentDateTime();
  TXmlElement rejected{QStringLiteral("ERRITEMLIST"), {}, {}};
  qint64 total = 0;
  int accepted = 0;
  for (const QString& line : lines) {
    const TCheckedLine checked = CheckUploadLine(line, *customer);
    if (checked.Accepted()) {
      total += checked.Amount;
      ++accepted;
      tx.Transfers.Add(TransferOf(checked, *customer, *op, uploadTime));
    } else {
      rejected.Add(QStringLiteral("ERRITEM"), checked.ErrItem());
    }
  }

  TXmlElement root{QStringLiteral("ROOT"), {}, {}};
  root.Add(QStringLiteral("ITEMNUM"), QString::number(lines.size()));
  if (newGeneration && accepted > 0 && accepted < lines.size()) {
    root.Add(QStringLiteral("SUCCNUM"), QString::number(accepted));
  }
  root.Add(QStringLiteral("AMTNUM"), FenText(total));
  root.Add(QStringLiteral("CHECKERNAME"), op->Name);
  root.Add(QStringLiteral("CHECKERID"), op->Id);
  if (!rejected.Children.isEmpty()) root.Children.append(rejected);
  return tx.Xml(root);
}

const TTxRegistration kUploadNew{
    {"NN1310", {kFileV6Path}, true, [](TTxContext& tx) { return Upload(tx, true); }}};
const TTxRegistration kUploadOld{
    {"621108", {kFileV5Path}, true, [](TTxContext& tx) { return Upload(tx, false); }}};

}  // namespace
