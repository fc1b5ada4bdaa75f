#include "batch/screens/BatchCommands.h"

#include "batch/documents/BatchLine.h"
#include "core/TextHelpers.h"
#include "platform/codec/Gbk.h"

void RenumberFailures(QList<TFailBat>& fails, int first, int last) {
  const int removed = last - first + 1;
  for (qsizetype i = fails.size() - 1; i >= 0; --i) {
    const int seqNo = fails[i].SeqNo.trimmed().toInt();
    if (seqNo >= first && seqNo <= last)
      fails.removeAt(i);
    else if (seqNo > last)
      fails[i].SeqNo = QString::number(seqNo - removed).rightJustified(3, u'0');
  }
}

QByteArray BatchTextBytes(const TBatch& batch) {
  QString text;
  for (qsizetype i = 0; i < batch.Count(); ++i)
    text += BatchLine(batch[i], int(i) + 1) + QLatin1String("\r\n");
  return codec::ToGbk(text);
}

bool HasFieldSeparator(const TPayMoneyInfo& doc) {
  const TPayerInfo& payer = doc.Payer;
  const TPayeeInfo& payee = doc.Payee;
  for (const QString* field :
       {&payer.PayAccName, &payer.PayAccNo, &payer.BranchCode, &payee.RcvAccNo, &payee.RcvAccName,
        &payee.BranchCode, &payee.CounterName, &payee.UbankNo, &payee.CounterNo, &payee.IsNVX,
        &payee.BankCode, &payee.AreaCode, &doc.Usage})
    if (field->contains(u'|')) return true;
  return false;
}

QString BatchCountText(const TBatch& batch) {
  return QStringLiteral("共 %1 笔").arg(batch.Count());
}

QString BatchSumText(const TBatch& batch) {
  TAmount sum;
  for (const TPayMoneyInfo& doc : batch) sum += doc.Money;
  return QStringLiteral("总金额 %1 元").arg(FormatAmount(false, sum));
}

QString MoneyCellText(const TAmount& money) {
  return FormatAmount(true, money);
}

QString AmountProblem(const TBatch& batch) {
  for (qsizetype i = 0; i < batch.Count(); ++i) {
    if (!batch[i].Money.IsPayment())
      return QStringLiteral("第%1笔转账记录的金额不正确，请修改后再提交！").arg(i + 1);
  }
  return {};
}

QString PasswordProblem(QStringView password) {
  if (password.trimmed().isEmpty()) return QStringLiteral("请输入交易密码。");
  if (password.size() < 6 || password.size() > 12)
    return QStringLiteral("交易密码必须大于6位小于12位。");
  return {};
}
