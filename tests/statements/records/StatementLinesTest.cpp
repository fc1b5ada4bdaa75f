#include <gtest/gtest.h>

#include "statements/records/LineSplit.h"
#include "statements/records/StatementCodes.h"

namespace {

QStringList Texts(const QList<QStringView>& fields) {
  QStringList texts;
  for (QStringView field : fields) texts.append(field.toString());
  return texts;
}

TEST(LineSplit, quotesLeaveAllButTheLastFieldAndBarsKeepEveryPiece) {
  EXPECT_EQ(Texts(SplitQuotedLine(uR"("a","b",,"d")")), QStringList({"a", "b", "", "\"d\""}));
  // One character before a separator leaves nothing; the enclosing characters
  // are not checked to be quotes.
  EXPECT_EQ(Texts(SplitQuotedLine(uR"(x,'张三',"")")), QStringList({"", "张三", "\"\""}));
  EXPECT_EQ(Texts(SplitQuotedLine(u"\"a\",")), QStringList({"a", ""}));
  EXPECT_EQ(Texts(SplitQuotedLine(u"")), QStringList({""}));

  EXPECT_EQ(Texts(SplitBarLine(u"a|| b |")), QStringList({"a", "", " b ", ""}));
  EXPECT_EQ(Texts(SplitBarLine(u"a")), QStringList({"a"}));
  EXPECT_EQ(TrimField(u"\t 张 三\x01 ").toString(), "张 三");
}

TEST(StatementCodes, flagsCurrenciesAndStatuses) {
  EXPECT_EQ(DebitCreditName(u"0"), "借方");
  EXPECT_EQ(DebitCreditName(u" 1 "), "贷方");
  EXPECT_EQ(DebitCreditName(u"2"), "");
  EXPECT_EQ(CashRemitName(u"0"), "钞户");
  EXPECT_EQ(CashRemitName(u"1"), "汇户");
  EXPECT_EQ(CashRemitName(u"x"), "");

  EXPECT_EQ(CurrencyName(u"14"), "美元");
  EXPECT_EQ(CurrencyName(u" 1"), "人民币");
  EXPECT_EQ(CurrencyName(u"90"), "葡萄牙埃斯库多");
  EXPECT_EQ(CurrencyName(u"91"), "");
  EXPECT_EQ(CurrencyName(u"2"), "");
  EXPECT_EQ(CurrencyName(u"USD"), std::nullopt);
  EXPECT_EQ(CurrencyName(u""), std::nullopt);
  EXPECT_EQ(CurrencyName(u"1.0"), std::nullopt);

  EXPECT_EQ(TransferStatusName(u"C"), "银行受理中");
  EXPECT_EQ(ReceiptStatusName(u"C"), "");
  EXPECT_EQ(TransferStatusName(u"B"), "");
  EXPECT_EQ(TransferStatusName(u"9"), "凭证已提交，等待银行处理");
  EXPECT_EQ(ReceiptStatusName(u"4"), "银行受理成功");
  EXPECT_EQ(ReceiptStatusName(u"A"), "复核未通过");
  EXPECT_EQ(TransferStatusName(u"44"), "");
}

}  // namespace
