#include "statements/online/OnlineReceipts.h"

#include "core/SessionUser.h"
#include "core/TextHelpers.h"
#include "session/transport/FormBody.h"
#include "session/transport/GetData.h"
#include "statements/records/StatementCodes.h"
#include "statements/records/StatementTable.h"

namespace {

QString Sent(const pugi::xml_node& root, const char* name) {
  if (!root.child(name)) RequiredText(root, name);  // throws for a missing element
  return QString::fromUtf8(root.child(name).text().get());
}

QString PrintedAmount(const QString& money) {
  return QStringLiteral("￥") + money + QStringLiteral("元");
}

}  // namespace

TFormHisDetailRepLink DetailReceiptOf(const StatementTable& table, int recNo) {
  const auto field = [&](const char* name) { return table.Text(recNo, QString::fromUtf8(name)); };
  TFormHisDetailRepLink receipt;
  receipt.Currency = field("币种");
  receipt.Date = field("交易日期");
  receipt.VoucherNo = field("凭证号");
  receipt.SerialNo = field("交易流水号");
  const TPartyBlock own{field("付款单位"), field("付款账号"), field("付款开户行")};
  const TPartyBlock counterpart{field("对方户名"), field("对方账号"), QString()};
  const bool credit = field("借贷标志") == u"贷方";
  receipt.Payer = credit ? counterpart : own;
  receipt.Payee = credit ? own : counterpart;
  const QString amount = field("发生额");
  receipt.AmountInWords = AmountInWords(amount);
  receipt.Money = FixTwoDecimals(amount);
  receipt.Amount = PrintedAmount(receipt.Money);
  receipt.Purpose = field("摘要");
  receipt.CashFlag = field("钞汇标志");
  receipt.DetailNo = field("账户明细编号");
  return receipt;
}

QByteArray DetailCountBody(const TUSER& user, const TFormHisDetailRepLink& receipt, bool print) {
  TFormBody body = TFormBody::Standard(QStringLiteral("610732"), user);
  body.Add("ACC_NO", receipt.Payer.Account.trimmed())
      .Add("ACC_SEQ_NO", receipt.DetailNo.trimmed())
      .Add("SEARCH_TYPE", QStringLiteral("0"));
  if (print) body.Add("AMT", receipt.Money.trimmed()).Add("DATE", receipt.Date.trimmed());
  return body.Bytes();
}

int PrintCount(const pugi::xml_node& root) {
  return RequiredNumber(root, "PRINUM");
}

QString CountLine(int count) {
  return QStringLiteral("第%1次补打。").arg(count);
}

QByteArray AfterDetailPrint(const TUSER& user, TFormHisDetailRepLink& receipt) {
  receipt.PrintCountLine = QStringLiteral("第%1次补打").arg(receipt.PrintCount + 1);
  QByteArray report = TFormBody::Standard(QStringLiteral("610732"), user)
                          .Add("ACC_NO", receipt.Payer.Account.trimmed())
                          .Add("ACC_SEQ_NO", receipt.DetailNo.trimmed())
                          .Add("SEARCH_TYPE", QStringLiteral("1"))
                          .Add("AMT", receipt.Money.trimmed())
                          .Add("DATE", receipt.Date.trimmed())
                          .Bytes();
  ++receipt.PrintCount;
  return report;
}

QByteArray DealReceiptBody(const TUSER& user, const StatementTable& table, int recNo) {
  const auto field = [&](const char* name) { return table.Text(recNo, QString::fromUtf8(name)); };
  if (user.TradeType == 1)
    return TFormBody::Standard(QStringLiteral("NN410P"), user)
        .Add("Vchr_No", field("凭证号"))
        .Add("ACC_NAME", field("付款单位"))
        .Add("OPENDEPT1", field("付款单位开户行"))
        .Add("WF_BIZ_ID", field("流程业务标识"))
        .Add("Bnk_Chnl", QStringLiteral("1"))
        .Bytes();
  return TFormBody::Standard(QStringLiteral("671906"), user)
      .Add("CREDITNO", field("凭证号"))
      .Add("ACC_NAME", field("付款单位"))
      .Add("OPENDEPT1", field("付款单位开户行"))
      .Bytes();
}

bool HasReceipt(const StatementTable& table, int recNo, int tradeType) {
  const QString state = table.Text(recNo, QStringLiteral("状态")).trimmed();
  return state == (tradeType == 1 ? u"交易成功" : u"银行受理成功");
}

TFormHisDealRepLink ReadDealReceipt(const pugi::xml_node& root, int tradeType) {
  TFormHisDealRepLink receipt;
  const QString currency = Sent(root, "CUR");
  if (tradeType == 1) {
    receipt.Currency = currency;
  } else {
    const std::optional<QString> name = CurrencyName(currency);
    if (!name)
      throw EResponseError(QStringLiteral("服务器返回的币种代码“%1”不是整数。").arg(currency));
    receipt.Currency = *name;
  }
  const QString status = Sent(root, "STATUS");
  receipt.Status = tradeType == 1 ? status : ReceiptStatusName(status);
  receipt.Date = Sent(root, "DATE");
  receipt.VoucherNo = Sent(root, "CREDITNO");
  receipt.Payer = {Sent(root, "PAYNAME"), Sent(root, "PAYACCNO"), Sent(root, "PAYBANK")};
  receipt.Payee = {Sent(root, "REVNAME"), Sent(root, "REVACCNO"), Sent(root, "REVBANK")};
  receipt.AmountInWords = Sent(root, "DMONEY");
  receipt.Amount = PrintedAmount(FixTwoDecimals(Sent(root, "MONEY")));
  receipt.Purpose = Sent(root, "USEOF");
  receipt.CheckCode = Sent(root, "CERCODE");
  receipt.Maker = Sent(root, "MAKOPER");
  receipt.Checker = Sent(root, "CHKOPER");
  receipt.Approver = Sent(root, "APPOPER");
  return receipt;
}

QByteArray DealCountBody(const TUSER& user, const TFormHisDealRepLink& receipt,
                         const QString& workflowId) {
  if (user.TradeType == 1)
    return TFormBody::Standard(QStringLiteral("NN410P"), user)
        .Add("Vchr_No", receipt.VoucherNo.trimmed())
        .Add("WF_BIZ_ID", workflowId)
        .Add("Bnk_Chnl", QStringLiteral("1"))
        .Bytes();
  return TFormBody::Standard(QStringLiteral("671906"), user)
      .Add("CREDITNO", receipt.VoucherNo.trimmed())
      .Bytes();
}

QByteArray AfterDealPrint(const TUSER& user, TFormHisDealRepLink& receipt) {
  const QString line = receipt.PrintCountLine.trimmed();
  if (line.isEmpty()) return {};
  const qsizetype at = line.indexOf(u'第');
  qsizetype end = at + 1;
  while (at >= 0 && end < line.size() && line[end].isDigit()) ++end;
  const int count = at < 0 ? 0 : line.mid(at + 1, end - at - 1).toInt();
  if (count < 9) receipt.PrintCountLine = QStringLiteral("第%1次补打").arg(count + 1);
  return TFormBody::Standard(QStringLiteral("671904"), user)
      .Add("CREDITNO", receipt.VoucherNo.trimmed())
      .Add("FLAG", QString::number(count))
      .Bytes();
}
