#include <gtest/gtest.h>

#include "MoneyFixture.h"
#include "batch/screens/MoneyEntry.h"

using namespace money_entry;

namespace {

class MoneyEntryTest : public MoneyFixture {
 protected:
  MoneyEntryTest() {
    payer.PayAccNo = "1001";
    payer.PayAccName = "公司1001";
    payer.RightType = "0";
    payee = Payee("2001", "1");
    payee.RightType = "0";
  }
  // The message and focus of the first failing check, or "" when all pass.
  QString Problem(const QString& usage = "工资", const QString& amount = "10") {
    const auto problem = Check(payer, payee, usage, amount);
    focus = problem ? std::optional(problem->Focus) : std::nullopt;
    return problem ? problem->Message : QString();
  }
  static QStringList Texts(const QList<TCandidate>& list) {
    QStringList texts;
    for (const TCandidate& c : list) texts << c.Text;
    return texts;
  }
  static QStringList Accounts(const QList<TCandidate>& list) {
    QStringList accounts;
    for (const TCandidate& c : list) accounts << c.AccNo;
    return accounts;
  }

  TPayerInfo payer;
  TPayeeInfo payee;
  std::optional<TFocus> focus;
};

// The order as the clerk meets it is covered by the screen's tests; here the
// conditions themselves.
TEST_F(MoneyEntryTest, partyChecksLookAtBankAndRightType) {
  EXPECT_EQ(Problem(), "");
  TPayerInfo noPayer;
  TPayeeInfo noPayee;
  const auto problem = Check(noPayer, noPayee, " ", "x");
  ASSERT_TRUE(problem);
  EXPECT_EQ(problem->Message, "请选择付款账户!");

  // The same account is refused only when the payee is at this bank.
  payee.RcvAccNo = payer.PayAccNo;
  EXPECT_EQ(Problem(" "), "付款和收款不能是同一个账户!");
  EXPECT_EQ(focus, TFocus::ChoosePayee);
  payee.IsNVX = "0";
  EXPECT_EQ(Problem(), "");

  // An authorized payer needs a contracted payee; an empty RightType is not one.
  payer.RightType = "1";
  payee.RightType = "";
  EXPECT_EQ(Problem(" "), "授权付款账户对应的收款账户必须是签约的!");
  payee.RightType = "0";
  EXPECT_EQ(Problem(), "");
  EXPECT_EQ(Problem(" \t"), "请输入用途!");
}

TEST_F(MoneyEntryTest, theAmountMustReadAsMoreThanZeroTenThousandths) {
  for (const char* bad :
       {"", "abc", "0", "-5", "0.00004", "0.001", "1,000", "１０", " 12.5 ", "1e3"}) {
    EXPECT_EQ(Problem("工资", bad), "请输入正确的金额!") << bad;
    EXPECT_EQ(focus, TFocus::Amount);
  }
  for (const char* good : {"0.01", "12.5", "1000"}) EXPECT_EQ(Problem("工资", good), "") << good;
  EXPECT_EQ(AmountOf("1500.50").ToText(), "1500.5");
  EXPECT_TRUE(AmountOf("nonsense").IsZero());
}

TEST_F(MoneyEntryTest, aBarInAnyFieldOfTheBatchLineIsRefused) {
  struct Case {
    QString* Field;
    const char* Message;
    TFocus Focus;
  };
  const Case cases[] = {
      {&payer.PayAccName, "付款账户名称不能包含字符“|”！", TFocus::ChoosePayer},
      {&payer.BranchCode, "付款账户的分行号不能包含字符“|”！", TFocus::ChoosePayer},
      {&payee.RcvAccName, "收款账户名称不能包含字符“|”！", TFocus::ChoosePayee},
      {&payee.CounterName, "收款账户的开户行全称不能包含字符“|”！", TFocus::ChoosePayee},
      {&payee.UbankNo, "收款账户的联行号不能包含字符“|”！", TFocus::ChoosePayee},
      {&payee.CounterNo, "收款账户的网点号不能包含字符“|”！", TFocus::ChoosePayee},
      {&payee.BankCode, "收款账户的银行代码不能包含字符“|”！", TFocus::ChoosePayee},
      {&payee.AreaCode, "收款账户的地区代码不能包含字符“|”！", TFocus::ChoosePayee},
  };
  for (const Case& c : cases) {
    const QString kept = *c.Field;
    *c.Field = "a|b";
    EXPECT_EQ(Problem(), c.Message);
    EXPECT_EQ(focus, c.Focus) << c.Message;
    *c.Field = kept;
  }
  payee.RcvAccNo = "20|01";
  EXPECT_EQ(Problem(), "收款账号不能包含字符“|”！");
  payee.RcvAccNo = "2001";
  EXPECT_EQ(Problem("工资|奖金"), "用途不能包含字符“|”！");
  EXPECT_EQ(focus, TFocus::Usage);
  // Fields that never reach the line may hold one.
  payer.AccAlias = "a|b";
  payee.AccAlias = "a|b";
  payee.SortID = "a|b";
  EXPECT_EQ(Problem(), "");
}

TEST_F(MoneyEntryTest, payerCandidatesFollowTheFilterAndSkipEmptyAliases) {
  AddPayer("6222001", "0", "工资户");
  AddPayer("6222002", "1");
  AddPayer("7333001", "0", "基本户");

  EXPECT_EQ(Accounts(PayerCandidates(data, TPartyField::AccNo, "", "")),
            QStringList({"6222001", "6222002", "7333001"}));
  EXPECT_EQ(Texts(PayerCandidates(data, TPartyField::AccNo, "222", "")),
            QStringList({"6222001", "6222002"}));
  EXPECT_EQ(Texts(PayerCandidates(data, TPartyField::AccNo, "222", "0")), QStringList({"6222001"}));
  EXPECT_EQ(Texts(PayerCandidates(data, TPartyField::AccName, "公司7", "")),
            QStringList({"公司7333001"}));
  EXPECT_EQ(Texts(PayerCandidates(data, TPartyField::Alias, "", "")),
            QStringList({"工资户", "基本户"}));
  EXPECT_EQ(Accounts(PayerCandidates(data, TPartyField::Alias, "基本", "")),
            QStringList({"7333001"}));
  // Matching is exact: no case folding, no trimming.
  data.Payers[0].PayAccName = "Alpha Co";
  EXPECT_TRUE(PayerCandidates(data, TPartyField::AccName, "alpha", "").isEmpty());
  EXPECT_TRUE(PayerCandidates(data, TPartyField::AccNo, " 6222", "").isEmpty());

  EXPECT_EQ(PayerFilterFor(Payee("1", "1")), "0");  // RightType empty
  TPayeeInfo contracted = Payee("1", "1");
  contracted.RightType = "0";
  EXPECT_EQ(PayerFilterFor(contracted), "");
}

TEST_F(MoneyEntryTest, payeeCandidatesListTheRegisterThenLocalEntriesOrContractedPayers) {
  AddLocal("9100", "0", "本地");
  AddPayee("9200", "1", "");
  AddLocal("9300", "1", "");
  AddPayee("8100", "0", "注册");
  AddPayer("9400", "0");
  AddPayer("9500", "1");

  EXPECT_EQ(Texts(PayeeCandidates(data, TPartyField::AccNo, "9", false)),
            QStringList({"9200", "9100", "9300"}));
  EXPECT_EQ(Texts(PayeeCandidates(data, TPartyField::AccName, "", false)),
            QStringList({"收款人9200", "收款人8100", "收款人9100", "收款人9300"}));
  EXPECT_EQ(Texts(PayeeCandidates(data, TPartyField::Alias, "", false)),
            QStringList({"注册", "本地"}));

  // For an authorized payer only the contracted payers, by their own fields.
  EXPECT_EQ(Texts(PayeeCandidates(data, TPartyField::AccNo, "9", true)), QStringList({"9400"}));
  EXPECT_EQ(Accounts(PayeeCandidates(data, TPartyField::AccName, "公司", true)),
            QStringList({"9400"}));
}

}  // namespace
