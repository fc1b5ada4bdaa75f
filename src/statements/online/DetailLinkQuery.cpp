#include "statements/online/DetailLinkQuery.h"

#include "core/Amount.h"
#include "core/AmountRange.h"
#include "core/SessionUser.h"
#include "core/TextHelpers.h"
#include "session/transport/FormBody.h"
#include "session/transport/GetData.h"
#include "statements/records/StatementCodes.h"
#include "statements/records/StatementTable.h"

namespace {

bool IsNewInterface(const TUSER& user) {
  return user.TradeType == 1;
}

bool IsWholeNumber(const QString& text) {
  bool ok = false;
  text.toLongLong(&ok);
  return ok;
}

bool IsDate(const QString& text) {
  try {
    return IsValidDate(text);
  } catch (const TConversionError&) {
    return false;
  }
}

QByteArray Encoded(const QString& value) {
  return UrlEncode(value, false).toLatin1();
}

// The conditions both the query and the spreadsheet request of the newer
// interface send, from the account to the summary.
TFormBody& AddNewConditions(TFormBody& body, const SelItem& query) {
  return body.Add("AccNo", query.AccNo)
      .AddUtf8("AccName", query.AccName)
      .AddUtf8("AccBank", query.AccBank)
      .Add("StDt", query.StartDate)
      .Add("EdDt", query.EndDate)
      .Add("Amt_LwrLmt_Val", query.LowAmount)
      .Add("Amt_UpLm_Val", query.HighAmount)
      .Add("DbtCrDrcCd", query.DcFlag)
      .AddUtf8("Cntrprt_AccNm", query.CounterName)
      .Add("CntprtAcc", query.CounterAccNo)
      .AddUtf8("Rmrk", query.Remark);
}

TFormBody& AddOldConditions(TFormBody& body, const SelItem& query) {
  return body.Add("STARTDATE", query.StartDate)
      .Add("ENDDATE", query.EndDate)
      .Add("LOW_AMT", query.LowAmount)
      .Add("HIGH_AMT", query.HighAmount)
      .Add("BARGAIN_FLAG", query.DcFlag)
      .Add("CHECK_ACC_NAME", query.CounterName)
      .Add("CHECK_ACC_NO", query.CounterAccNo)
      .Add("REMARK", query.Remark)
      .Add("ACCNO1", query.AccNo);
}

}  // namespace

QStringList DirectionChoices() {
  return {QStringLiteral("全部"), QStringLiteral("转入"), QStringLiteral("转出")};
}

QString DirectionCode(int choice, int tradeType) {
  static const char* const kNew[] = {"0", "2", "1"};
  static const char* const kOld[] = {"", "1", "0"};
  if (choice < 0 || choice > 2) return {};
  return QString::fromLatin1(tradeType == 1 ? kNew[choice] : kOld[choice]);
}

QByteArray DetailAccountsBody(const TUSER& user) {
  return TFormBody::Standard(
             IsNewInterface(user) ? QStringLiteral("N00009") : QStringLiteral("610112"), user)
      .Bytes();
}

QList<TACCItem> ReadDetailAccounts(const pugi::xml_node& root) {
  QList<TACCItem> accounts;
  for (const pugi::xml_node& item : root.child("ACCLIST").children()) {
    if (item.type() != pugi::node_element) continue;
    TACCItem account;
    account.AccNo = RequiredText(item, "ACCNO");
    account.AccType = RequiredText(item, "ACCTYPE");
    account.AccName = RequiredText(item, "ACCNAME");
    account.BankName = RequiredText(item, "ACCBANK");
    account.Display = RequiredText(item, "ACC");
    account.Display.chop(1);
    account.Display += account.AccType;
    accounts.append(account);
  }
  return accounts;
}

QString DateFieldProblem(const QString& text, bool beginDate) {
  const QString date = text.trimmed();
  if (date.size() <= 7) return {};
  if (!IsWholeNumber(date))
    return beginDate ? QStringLiteral("起始日期输入项应为整数！")
                     : QStringLiteral("截止日期输入项应为整数！");
  if (!IsDate(date))
    return beginDate ? QStringLiteral("起始日期输入格式不合法！正确输入应为YYYYMMDD格式！")
                     : QStringLiteral("截止日期输入格式不合法！正确输入应为YYYYMMDD格式！");
  return {};
}

bool WithinThreeMonths(const QString& beginDate, const QString& endDate) {
  const int years = endDate.left(4).toInt() - beginDate.left(4).toInt();
  const int begin = beginDate.mid(4).toInt();
  const int end = endDate.mid(4).toInt();
  if (years < 0) return true;
  if (years == 0) return end - begin <= 300;
  if (years == 1) return end + 1200 - begin <= 300;
  return false;
}

TDetailProblem CheckDetailConditions(const QString& beginDate, const QString& endDate,
                                     const QString& lowAmount, const QString& highAmount) {
  const QString begin = beginDate.trimmed();
  const QString end = endDate.trimmed();
  if (begin.isEmpty()) return {QStringLiteral("起始日期不能为空！"), TDetailProblem::BeginDate};
  if (end.isEmpty()) return {QStringLiteral("截止日期不能为空！"), TDetailProblem::EndDate};
  const QString beginFormat = QStringLiteral("起始日期输入格式不合法！正确输入应为YYYYMMDD格式！");
  if (begin.size() < 8) return {beginFormat, TDetailProblem::BeginDate};
  if (const QString problem = DateFieldProblem(begin, true); !problem.isEmpty())
    return {problem, TDetailProblem::BeginDate};
  if (end.size() < 8)
    return {QStringLiteral("截止日期输入格式不合法！正确输入应为YYYYMMDD格式！"),
            TDetailProblem::EndDate};
  if (const QString problem = DateFieldProblem(end, false); !problem.isEmpty())
    return {problem, TDetailProblem::EndDate};
  if (!WithinThreeMonths(begin, end))
    return {QStringLiteral("查询时间段不能超过3个月！"), TDetailProblem::BeginDate};
  const TAmountRangeFault fault = CheckAmountRange(lowAmount, highAmount);
  if (fault == TAmountRangeFault::None) return {};
  return {AmountRangeMessage(fault), fault == TAmountRangeFault::High ? TDetailProblem::HighAmount
                                                                      : TDetailProblem::LowAmount};
}

QByteArray DetailQueryBody(const TUSER& user, const SelItem& query) {
  const QString page = QString::number(query.Page);
  if (IsNewInterface(user)) {
    TFormBody body = TFormBody::Standard(QStringLiteral("N00017"), user);
    return AddNewConditions(body, query)
        .Add("PAGE", page)
        .AddEncoded("STS_TRACE_ID", Encoded(query.PostStr))
        .Bytes();
  }
  TFormBody body = TFormBody::Standard(QStringLiteral("610721"), user);
  return AddOldConditions(body, query)
      .Add("PAGE", page)
      .AddEncoded("POSTSTR", Encoded(query.PostStr))
      .Bytes();
}

void ReadDetailPage(const pugi::xml_node& root, int tradeType, SelItem& query,
                    StatementTable& table) {
  query.Page = RequiredNumber(root, "PAGE");
  query.Pages = RequiredNumber(root, "PAGES");
  query.PostStr = OptionalText(root, "POSTSTR");
  query.Oid1 = OptionalText(root, "OID1");
  query.BatchOid = OptionalText(root, "BATCH_OID");
  if (root.child("RETRUN_ALL")) query.ReturnAll = OptionalText(root, "RETRUN_ALL");
  query.AccountStatus = OptionalText(root, "ACCOUNTSTATUS");
  table.Empty();
  for (const pugi::xml_node& item : root.child("ITEMLIST").children()) {
    if (item.type() != pugi::node_element) continue;
    const auto text = [&item](const char* name) { return RequiredText(item, name); };
    const QString currency = text("CUR");
    QString currencyName = currency;
    if (tradeType != 1) {
      const std::optional<QString> name = CurrencyName(currency);
      if (!name)
        throw EResponseError(QStringLiteral("服务器返回的币种代码“%1”不是整数。").arg(currency));
      currencyName = *name;
    }
    const std::optional<TAmount> amount = TAmount::Parse(text("FMONEY"));
    const std::optional<TAmount> balance = TAmount::Parse(FixTwoDecimals(text("YMONEY")));
    table.Append();
    table.SetText(QStringLiteral("交易日期"), text("TRANSDATE"));
    table.SetText(QStringLiteral("交易时间"), text("TRANSTIME"));
    table.SetText(QStringLiteral("凭证种类"), text("CREDITTYPE"));
    table.SetText(QStringLiteral("凭证号"), text("CREDITNO"));
    table.SetText(QStringLiteral("借贷标志"), DebitCreditName(text("FLAG")));
    if (amount) table.SetAmount(QStringLiteral("发生额"), *amount);
    if (balance) table.SetAmount(QStringLiteral("余额"), *balance);
    table.SetText(QStringLiteral("对方户名"), text("REVACCNAME"));
    table.SetText(QStringLiteral("对方账号"), text("REVACCNO"));
    table.SetText(QStringLiteral("摘要"), text("REMARK"));
    table.SetText(QStringLiteral("备注"), text("USEOF"));
    table.SetText(QStringLiteral("企业流水号"), text("REVSEQ_NO"));
    const QString detailNo = text("ACC_SEQ_NO");
    const QString serialNo = text("SEQ_NO");
    table.SetText(QStringLiteral("账户明细编号"), detailNo);
    table.SetText(QStringLiteral("账户明细编号-交易流水号"), detailNo + u'-' + serialNo);
    table.SetText(QStringLiteral("交易流水号"), serialNo);
    table.SetText(QStringLiteral("钞汇标志"), CashRemitName(text("OID")));
    table.SetText(QStringLiteral("付款单位"), text("ACCNAME"));
    table.SetText(QStringLiteral("付款账号"), text("ACCNO"));
    table.SetText(QStringLiteral("付款开户行"), text("ACCBANK"));
    table.SetText(QStringLiteral("币种代码"), currency);
    table.SetText(QStringLiteral("币种"), currencyName);
  }
}

QByteArray DetailExcelBody(const TUSER& user, const SelItem& query) {
  const QString fileName = query.AccNo + QStringLiteral(".xls");
  if (IsNewInterface(user)) {
    TFormBody body = TFormBody::Standard(QStringLiteral("N00018"), user);
    return AddNewConditions(body, query)
        .Add("DOWNLOAD_FLAG", QStringLiteral("1"))
        .Add("DOWNLOAD_TYPE", QStringLiteral("ECTIPDOWNLOADEXCEL"))
        .Add("clientFileName", fileName)
        .Bytes();
  }
  TFormBody body = TFormBody::Standard(QStringLiteral("610724"), user);
  body.Add("DOWNLOAD_FLAG", QStringLiteral("1"))
      .Add("DOWNLOAD_TYPE", QStringLiteral("ECTIPDOWNLOADEXCEL"))
      .Add("clientFileName", fileName)
      .Add("RETURN_ALL", query.ReturnAll)
      .Add("BATCH_OID", query.BatchOid)
      .Add("OID", query.Oid1);
  return AddOldConditions(body, query)
      .Add("POSTSTR", query.PostStr)
      .Add("ACCOUNTSTATUS", query.AccountStatus)
      .Bytes();
}
