#include <gtest/gtest.h>

#include "BatchFixture.h"
#include "batch/documents/BatchLine.h"
#include "batch/screens/BatchCommands.h"
#include "platform/codec/Gbk.h"

namespace {

TFailBat Fail(const char* seqNo) {
  return {seqNo, "3100012345001", "北京测试公司", "6217", "李四", "原因"};
}

QStringList SeqNos(const QList<TFailBat>& fails) {
  QStringList seqNos;
  for (const TFailBat& fail : fails) seqNos << fail.SeqNo;
  return seqNos;
}

}  // namespace

TEST(BatchCommands, deletingDocumentsDropsTheirFailuresAndMovesLaterOnesUp) {
  QList<TFailBat> fails = {Fail("002"), Fail("004"), Fail("007")};
  RenumberFailures(fails, 3, 5);
  EXPECT_EQ(SeqNos(fails), QStringList({"002", "004"}));
  EXPECT_EQ(fails[1].RcvAccName, "李四");  // the record moved, not a new one

  // Numbers are read as integers (blanks around them too) and written with at
  // least three digits; the first and last row of the range count.
  fails = {Fail("1"), Fail(" 3 "), Fail("0010"), Fail("1002"), Fail("x")};
  RenumberFailures(fails, 1, 3);
  EXPECT_EQ(SeqNos(fails), QStringList({"007", "999", "x"}));
}

TEST(BatchCommands, theTextFileIsGbkLinesNumberedFromOneWithCrLf) {
  TBatch batch;
  batch.Append(BatchDoc("3100012345001", "6217000033334444", 1500));
  batch.Append(BatchDoc("3100012345001", "6217000055556666", 100, "0"));
  const QByteArray bytes = BatchTextBytes(batch);
  const QString expected = BatchLine(batch[0], 1) + "\r\n" + BatchLine(batch[1], 2) + "\r\n";
  EXPECT_EQ(bytes, codec::ToGbk(expected));
  EXPECT_TRUE(bytes.startsWith("001|"));
  EXPECT_TRUE(BatchTextBytes(TBatch()).isEmpty());
}

TEST(BatchCommands, importedLinesAreTrimmedAndEndAtTheFirstEmptyLine) {
  const QByteArray file = codec::ToGbk(QString("  001|甲|\t\r\n002|乙|\r\n\x01\r\n003|丙|\r\n"));
  EXPECT_EQ(BatchTextLines(file), QStringList({"001|甲|", "002|乙|"}));
  EXPECT_EQ(BatchTextLines("a\nb"), QStringList({"a", "b"}));  // no line end at the end
  EXPECT_TRUE(BatchTextLines("\r\nx\r\n").isEmpty());
}

TEST(BatchCommands, aSeparatorInAnyFieldOfTheLineIsFound) {
  auto doc = BatchDoc("3100012345001", "6217", 1);
  EXPECT_FALSE(HasFieldSeparator(*doc));
  doc->Remark = "a|b";  // not part of the line
  EXPECT_FALSE(HasFieldSeparator(*doc));
  for (QString* field :
       {&doc->Usage, &doc->Payer.PayAccName, &doc->Payee.CounterName, &doc->Payee.AreaCode}) {
    const QString kept = *field;
    *field += "|";
    EXPECT_TRUE(HasFieldSeparator(*doc));
    *field = kept;
  }
}

TEST(BatchCommands, statusTextsAmountCellsAndPasswordRules) {
  TBatch batch;
  EXPECT_EQ(BatchCountText(batch), "共 0 笔");
  EXPECT_EQ(BatchSumText(batch), "总金额 0.00 元");
  batch.Append(BatchDoc("a", "b", 1000));
  batch.Append(BatchDoc("a", "c", 500));
  batch[1].Money = TAmount::Parse(u"500.5").value();
  EXPECT_EQ(BatchCountText(batch), "共 2 笔");
  EXPECT_EQ(BatchSumText(batch), "总金额 1,500.50 元");

  EXPECT_EQ(MoneyCellText(TAmount::Parse(u"1500.5").value()), "1,500.50");
  EXPECT_EQ(MoneyCellText(TAmount()), "");

  const QString lengths = "交易密码必须大于6位小于12位。";
  EXPECT_EQ(PasswordProblem(u""), "请输入交易密码。");
  EXPECT_EQ(PasswordProblem(u"       "), "请输入交易密码。");
  EXPECT_EQ(PasswordProblem(u"12345"), lengths);
  EXPECT_EQ(PasswordProblem(u"123456"), "");
  EXPECT_EQ(PasswordProblem(u"123456789012"), "");
  EXPECT_EQ(PasswordProblem(u"1234567890123"), lengths);
  EXPECT_EQ(PasswordProblem(u" 12345"), "");  // counted as typed
}
