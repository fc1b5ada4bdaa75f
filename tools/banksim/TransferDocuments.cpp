#include "TransferDocuments.h"

#include <QCryptographicHash>
#include <QDate>
#include <algorithm>

namespace {

const QStringList kNewStatusCodes{QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                                  QStringLiteral("4"), QStringLiteral("5"), QStringLiteral("6"),
                                  QStringLiteral("7"), QStringLiteral("8"), QStringLiteral("a"),
                                  QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d")};
const QStringList kNewStatusTexts{
    QStringLiteral("待复核"),   QStringLiteral("复核不通过"), QStringLiteral("银行已受理"),
    QStringLiteral("交易成功"), QStringLiteral("交易失败"),   QStringLiteral("已收回"),
    QStringLiteral("已删除"),   QStringLiteral("部分成功"),   QStringLiteral("银行已汇出"),
    QStringLiteral("落地网点"), QStringLiteral("等待发送"),   QStringLiteral("已取消")};

// The verification code printed on a receipt when the data gives none.
QString CerCodeOf(const QString& number) {
  return QString::fromLatin1(
      QCryptographicHash::hash(number.toUtf8(), QCryptographicHash::Md5).toHex().left(8).toUpper());
}

TTransferDocument FromData(const TSimTransfer& transfer, const TSimCustomer& customer,
                           const QDate& today) {
  const TSimAccount& payer = *customer.FindAccount(transfer.AccNo);
  TTransferDocument document;
  document.CustomerId = customer.Id;
  document.Number = transfer.Number;
  document.WorkflowId = QStringLiteral("WF") + transfer.Number.mid(2);
  document.PayAccNo = payer.AccNo;
  document.PayName = payer.AccName;
  document.PayBank = payer.BankName;
  document.CurType = payer.CurType;
  document.CurCode = payer.CurCode;
  document.Amount = transfer.Amount;
  document.RevAccNo = transfer.RevAccNo;
  document.RevName = transfer.RevName;
  document.RevBank = transfer.RevBank;
  document.Use = transfer.Use;
  document.Status = transfer.Status;
  document.MadeAt = QDateTime(today.addDays(-transfer.DaysAgo), transfer.Time);
  if (transfer.Submitted) document.SubmittedAt = document.MadeAt.addSecs(3600);
  document.Maker = transfer.Maker;
  document.Checker = transfer.Checker;
  document.Approver = transfer.Approver;
  document.CerCode = transfer.CerCode.isEmpty() ? CerCodeOf(transfer.Number) : transfer.CerCode;
  return document;
}

}  // namespace

void TTransferDocuments::Add(TTransferDocument document) {
  const QString digits = QStringLiteral("%1").arg(documents_.size() + 1, 10, 10, QLatin1Char('0'));
  document.Number = QStringLiteral("PZ") + digits;
  document.WorkflowId = QStringLiteral("WF") + digits;
  document.CerCode = CerCodeOf(document.Number);
  documents_.append(std::move(document));
}

QList<TTransferDocument> TransferDocuments(const TSimCustomer& customer,
                                           const TTransferDocuments& uploaded) {
  QList<TTransferDocument> documents;
  for (const TTransferDocument& document : uploaded.All()) {
    if (document.CustomerId == customer.Id) documents.append(document);
  }
  const QDate today = QDate::currentDate();
  for (const TSimTransfer& transfer : customer.Transfers) {
    documents.append(FromData(transfer, customer, today));
  }
  std::stable_sort(
      documents.begin(), documents.end(),
      [](const TTransferDocument& a, const TTransferDocument& b) { return a.MadeAt > b.MadeAt; });
  return documents;
}

QString NewStatusText(const QString& code) {
  const qsizetype at = kNewStatusCodes.indexOf(code);
  return at < 0 ? QString() : kNewStatusTexts[at];
}

QString OldStatusText(const QString& code) {
  if (QStringList{QStringLiteral("0"), QStringLiteral("7"), QStringLiteral("8"),
                  QStringLiteral("9")}
          .contains(code)) {
    return QStringLiteral("凭证已提交，等待银行处理");
  }
  if (code == QLatin1String("1")) return QStringLiteral("已制单等待复核");
  if (OldStatusSucceeded(code)) return QStringLiteral("银行受理成功");
  if (code == QLatin1String("5")) return QStringLiteral("很抱歉，该笔交易失败");
  if (code == QLatin1String("6")) return QStringLiteral("不确定");
  if (code == QLatin1String("A")) return QStringLiteral("复核未通过");
  if (code == QLatin1String("C")) return QStringLiteral("银行受理中");
  return {};
}

QString ShownStatus(const TTransferDocument& document, bool newGeneration) {
  return newGeneration ? NewStatusText(document.Status) : document.Status;
}

bool HasReceipt(const TTransferDocument& document, bool newGeneration) {
  return newGeneration ? document.Status == QLatin1String("4")
                       : OldStatusSucceeded(document.Status);
}

bool OldStatusSucceeded(const QString& code) {
  return code == QLatin1String("2") || code == QLatin1String("3") || code == QLatin1String("4");
}

bool OldStatusFailed(const QString& code) {
  return code == QLatin1String("5") || code == QLatin1String("A");
}

bool OldStatusFinished(const QString& code) {
  return OldStatusSucceeded(code) || OldStatusFailed(code);
}
