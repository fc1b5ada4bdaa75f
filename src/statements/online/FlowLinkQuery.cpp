#include "statements/online/FlowLinkQuery.h"

#include "core/Amount.h"
#include "core/AmountRange.h"
#include "core/SessionUser.h"
#include "core/TextHelpers.h"
#include "session/transport/FormBody.h"
#include "session/transport/GetData.h"
#include "statements/online/DetailLinkQuery.h"
#include "statements/records/StatementCodes.h"
#include "statements/records/StatementTable.h"

namespace {

struct TStateChoice {
  const char* Text;
  const char* Code;
};

const TStateChoice kNewStates[] = {
    {"全部", ""},      {"待复核", "1"},     {"复核不通过", "2"}, {"银行已受理", "3"},
    {"交易成功", "4"}, {"交易失败", "5"},   {"已收回", "6"},     {"已删除", "7"},
    {"部分成功", "8"}, {"银行已汇出", "a"}, {"落地网点", "b"},   {"等待发送", "c"},
    {"已取消", "d"},
};

bool IsNewInterface(const TUSER& user) {
  return user.TradeType == 1;
}

// The conditions of a query and its spreadsheet, from the state to the account.
TFormBody& AddConditions(TFormBody& body, const TFlowSelItem& query, bool newInterface) {
  if (newInterface)
    return body.Add("Pcs_St", query.DjType)
        .Add("Enqr_Dt_TpCd", query.DateType)
        .Add("Enqr_StDt", query.BeginDate)
        .Add("Enqr_CODt", query.EndDate)
        .Add("Enqr_Strt_Amt", query.StartMoney)
        .Add("Tmt_Amt", query.EndMoney)
        .Add("Vchr_No", query.CreditNo)
        .AddUtf8("RcvPtAc_Nm", query.RevName)
        .Add("RcvPrt_Cst_AccNo", query.RevAccNo)
        .Add("Pyr_Cst_AccNo", query.AccNo);
  return body.Add("DJTYPE", query.DjType)
      .Add("DATE_TYPE", query.DateType)
      .Add("BEGINDATE", query.BeginDate)
      .Add("ENDDATE", query.EndDate)
      .Add("STARTMONEY", query.StartMoney)
      .Add("ENDMONEY", query.EndMoney)
      .Add("CREDITNO", query.CreditNo)
      .Add("REVNAME", query.RevName)
      .Add("REVACCNO", query.RevAccNo)
      .Add("ACCNO", query.AccNo);
}

}  // namespace

QStringList FlowStateChoices(int tradeType) {
  if (tradeType != 1)
    return {QStringLiteral("所有单据"), QStringLiteral("完成单据"), QStringLiteral("未完成单据"),
            QStringLiteral("成功单据"), QStringLiteral("失败单据")};
  QStringList choices;
  for (const TStateChoice& choice : kNewStates) choices << QString::fromUtf8(choice.Text);
  return choices;
}

QString FlowStateCode(int choice, int tradeType) {
  if (tradeType != 1) return QString::number(choice);
  if (choice < 0 || choice >= int(std::size(kNewStates))) return {};
  return QString::fromLatin1(kNewStates[choice].Code);
}

QString DateKindCode(int choice, int tradeType) {
  return QString::number(tradeType == 1 ? choice + 1 : choice);
}

QByteArray FlowAccountsBody(const TUSER& user) {
  return TFormBody::Standard(
             IsNewInterface(user) ? QStringLiteral("NN4100") : QStringLiteral("671902"), user)
      .Bytes();
}

QList<TACCItem> ReadFlowAccounts(const pugi::xml_node& root) {
  QList<TACCItem> accounts;
  const QString gap = QStringLiteral("   ");
  for (const pugi::xml_node& item : root.child("ACCLIST").children()) {
    if (item.type() != pugi::node_element) continue;
    const auto sent = [&item](const char* name) {
      if (!item.child(name)) RequiredText(item, name);  // throws for a missing element
      return QString::fromUtf8(item.child(name).text().get());
    };
    TACCItem account;
    account.AccNo = sent("ACCNO");
    account.AccName = sent("ACCNAME");
    account.CurType = sent("ACCCUR");
    account.AccType = sent("ACCTYPE");
    account.BankName = sent("ACCBANK");
    const QString type = account.AccType.trimmed();
    account.Display = account.AccName + gap + account.AccNo + gap + account.CurType + gap +
                      account.BankName + gap +
                      (type == u"0"   ? QStringLiteral("授权")
                       : type == u"1" ? QStringLiteral("签约")
                                      : QString());
    accounts.append(account);
  }
  return accounts;
}

TFlowProblem CheckFlowConditions(const QString& beginDate, const QString& endDate,
                                 const QString& startMoney, const QString& endMoney) {
  const QString begin = beginDate.trimmed();
  const QString end = endDate.trimmed();
  if (!begin.isEmpty() && begin.size() < 8)
    return {QStringLiteral("起止日期输入格式不合法！正确输入应为YYYYMMDD格式！"),
            TFlowProblem::BeginDate};
  if (const QString problem = DateFieldProblem(begin, true); !problem.isEmpty())
    return {problem, TFlowProblem::BeginDate};
  if (!end.isEmpty() && end.size() < 8)
    return {QStringLiteral("截止日期输入格式不合法！正确输入应为YYYYMMDD格式！"),
            TFlowProblem::EndDate};
  if (const QString problem = DateFieldProblem(end, false); !problem.isEmpty())
    return {problem, TFlowProblem::EndDate};
  const TAmountRangeFault fault = CheckAmountRange(startMoney, endMoney);
  if (fault == TAmountRangeFault::None) return {};
  return {AmountRangeMessage(fault),
          fault == TAmountRangeFault::High ? TFlowProblem::EndMoney : TFlowProblem::StartMoney};
}

QByteArray FlowQueryBody(const TUSER& user, const TFlowSelItem& query) {
  const bool newInterface = IsNewInterface(user);
  TFormBody body =
      TFormBody::Standard(newInterface ? QStringLiteral("NN4101") : QStringLiteral("671901"), user);
  return AddConditions(body, query, newInterface).Add("PAGE", QString::number(query.Page)).Bytes();
}

void ReadFlowPage(const pugi::xml_node& root, int tradeType, TFlowSelItem& query,
                  StatementTable& table) {
  query.Page = RequiredNumber(root, "PAGE");
  query.Pages = RequiredNumber(root, "PAGES");
  table.Empty();
  for (const pugi::xml_node& item : root.child("ITEMLIST").children()) {
    if (item.type() != pugi::node_element) continue;
    const auto text = [&item](const char* name) { return RequiredText(item, name); };
    const QString status = text("STATUS");
    const std::optional<TAmount> money = TAmount::Parse(FixTwoDecimals(text("MONEY")));
    const QString workflow = tradeType == 1 ? text("WFBIZID") : QString();
    table.Append();
    table.SetText(QStringLiteral("凭证号"), text("CREDITNO"));
    table.SetText(QStringLiteral("付款账户"), text("PAYACCNO"));
    table.SetText(QStringLiteral("付款单位"), text("PAYNAME"));
    table.SetText(QStringLiteral("付款单位开户行"), text("PAYBANK"));
    if (money) table.SetAmount(QStringLiteral("金额"), *money);
    table.SetText(QStringLiteral("币种"), text("CUR"));
    table.SetText(QStringLiteral("制单时间"), text("DATE"));
    table.SetText(QStringLiteral("收款账户"), text("REVACCNO"));
    table.SetText(QStringLiteral("收款单位"), text("REVNAME"));
    table.SetText(QStringLiteral("用途"), text("USEOF"));
    table.SetText(QStringLiteral("状态代码"), status);
    table.SetText(QStringLiteral("状态"), tradeType == 1 ? status : TransferStatusName(status));
    table.SetText(QStringLiteral("验证码"), text("CERCODE"));
    table.SetText(QStringLiteral("流程业务标识"), workflow);
  }
}

QByteArray FlowExcelBody(const TUSER& user, const TFlowSelItem& query) {
  const bool newInterface = IsNewInterface(user);
  TFormBody body;
  body.Add("TXCODE", newInterface ? QStringLiteral("NN4102") : QStringLiteral("671905"))
      .Add("SKEY", user.SKey)
      .Add("CUSTOMERID", user.CustId)
      .Add("USERID", user.UserId)
      .Add("PT_LANGUAGE", QStringLiteral("CN"));
  return AddConditions(body, query, newInterface)
      .Add("radiobutton", QStringLiteral("3"))
      .Add("ISALL", QStringLiteral("1"))
      .Add("clientFileName",
           query.BeginDate + QStringLiteral("--") + query.EndDate + QStringLiteral(".xls"))
      .Bytes();
}
