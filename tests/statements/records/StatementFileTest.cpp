#include <gtest/gtest.h>

#include "platform/codec/Gbk.h"
#include "statements/records/DetailFile.h"
#include "statements/records/FlowFile.h"
#include "statements/records/StatementTotals.h"

namespace {

QString DetailHeader() {
  return "交易日期,交易时间,凭证种类,凭证号,借贷标志,发生额,余额,币种,对方户名,对方账号,摘要,用途,"
         "备注,流水号,本方账号,本方户名,开户行,状态\r\n";
}

// An account-detail line of quoted fields, closed by a separator as the bank
// writes them.
QString DetailLine(const QString& flag, const QString& amount,
                   const QString& ownName = "维岭科技") {
  const QStringList fields = {"20240105",
                              "101500",
                              "转账",
                              "00012345",
                              flag,
                              amount,
                              "8000",
                              "01",
                              "上海浦江贸易有限公司",
                              "6222020200012345678",
                              "货款",
                              "二月货款",
                              "",
                              "9001",
                              "31001234567890123",
                              ownName,
                              "维岭银行上海分行",
                              "正常"};
  return u'"' + fields.join(QStringLiteral("\",\"")) + QStringLiteral("\",\r\n");
}

// A transfer-flow line of the given number of fields.
QString FlowLine(const QString& amount, int fields = 22, bool closed = true) {
  QStringList values = {"T001",
                        "B202401",
                        "维岭科技",
                        "31001234567890123",
                        "维岭银行上海分行",
                        amount,
                        "人民币",
                        "00012345",
                        "李明",
                        "王芳",
                        "赵磊",
                        "",
                        "",
                        "转账",
                        "上海浦江贸易有限公司",
                        "6222020200012345678",
                        "维岭银行浦东支行",
                        "货款",
                        "成功",
                        "2024-01-05 10:15:00",
                        "",
                        ""};
  values = values.mid(0, fields);
  return values.join(u'|') + (closed ? "|" : "") + "\n";
}

QByteArray Gbk(const QString& text) {
  return codec::ToGbk(text);
}

TEST(DetailFile, rowsFlagsTwoDecimalsAndTotals) {
  StatementTable table(DetailFileRow());
  TStatementFileRead read = ReadDetailBytes(Gbk(DetailHeader() + "\r\n"), table);
  EXPECT_TRUE(read.Ok());
  std::optional<TStatementTotals> totals = DetailFileTotals(table);
  ASSERT_TRUE(totals);
  EXPECT_EQ(totals->DebitText(), "￥0.00");
  EXPECT_EQ(totals->CreditText(), "￥0.00");
  EXPECT_EQ(totals->CountText(), "0");

  table.SortByColumn(4);  // 借(贷)方发生额 ascending, kept for the next file
  read = ReadDetailBytes(Gbk(QString("\r\n") + DetailHeader() + DetailLine("0", "1234.5") + "\r\n" +
                             DetailLine(" 贷方 ", "10", "维岭集团")),
                         table);
  EXPECT_TRUE(read.Ok()) << read.Failure.toStdString();
  ASSERT_EQ(table.RowCount(), 2);
  EXPECT_EQ(table.Text(1, "借(贷)方发生额"), "1234.50");
  EXPECT_EQ(table.CellText(0, 4), "10.00");
  EXPECT_EQ(table.Text(1, "借贷标志"), "借方");
  EXPECT_EQ(table.Text(2, "借贷标志"), "贷方");
  EXPECT_EQ(table.Text(1, "余额"), "8000.00");
  EXPECT_EQ(table.Text(1, "对方帐号"), "6222020200012345678");
  EXPECT_EQ(table.Text(1, "对方账户名称"), "上海浦江贸易有限公司");
  EXPECT_EQ(table.Text(1, "摘要"), "货款");
  EXPECT_EQ(table.Text(1, "用途"), "二月货款");
  EXPECT_EQ(table.Text(1, "本方帐户状态"), "正常");
  EXPECT_EQ(table.Text(1, "对方开户行名称"), "");
  EXPECT_EQ(read.AccNo, "31001234567890123");
  EXPECT_EQ(read.AccName, "维岭集团");
  totals = DetailFileTotals(table);
  ASSERT_TRUE(totals);
  EXPECT_EQ(totals->DebitText(), "￥1,234.50");
  EXPECT_EQ(totals->CreditText(), "￥10.00");
  EXPECT_EQ(totals->Count, 2);

  // An amount that is no number leaves the totals to the screen.
  ReadDetailBytes(Gbk(DetailHeader() + DetailLine("0", "一百")), table);
  EXPECT_EQ(DetailFileTotals(table), std::nullopt);
}

TEST(DetailFile, aLineThatCannotBeReadStopsTheFileAndIsNamed) {
  StatementTable table(DetailFileRow());
  TStatementFileRead read = ReadDetailBytes(
      Gbk(DetailHeader() + DetailLine("1", "5") + "\r\n" + DetailLine("2", "5")), table);
  EXPECT_EQ(read.Failure, "导入文件出错，该文件中不包含历史明细数据！（第4行）");
  EXPECT_EQ(read.FailedLine, 4);
  EXPECT_EQ(table.RowCount(), 1);
  EXPECT_EQ(read.AccNo, "");

  read = ReadDetailBytes(Gbk(DetailHeader() + "\"20240105\",\"1\",\"2\",\"3\",\"0\",\"5\"\r\n"),
                         table);
  EXPECT_EQ(read.Failure, "导入文件出错，请检查数据格式是否正确（第2行）");
  EXPECT_EQ(table.RowCount(), 0);

  read = ReadDetailFile("/nonexistent/明细.csv", table);
  EXPECT_EQ(read.Failure, "导入文件出错，请检查数据格式是否正确");
}

TEST(FlowFile, linesOfTwentyThreeFieldsBlankLinesSkipped) {
  StatementTable table(FlowFileRow());
  TStatementFileRead read = ReadFlowBytes(
      Gbk(FlowLine(" 12.5 ") + "\r\n" + FlowLine("100").chopped(1) + "多余|字段\n"), table);
  EXPECT_TRUE(read.Ok()) << read.Failure.toStdString();
  ASSERT_EQ(table.RowCount(), 2);
  EXPECT_EQ(table.Text(1, "金额"), "12.50");
  EXPECT_EQ(table.Text(1, "批次号"), "B202401");
  EXPECT_EQ(table.Text(1, "收款人帐户名称"), "上海浦江贸易有限公司");
  EXPECT_EQ(table.Text(1, "制单时间"), "2024-01-05 10:15:00");
  EXPECT_EQ(table.Text(1, "审批时间"), "");
  EXPECT_EQ(table.Captions()[1], "收款人账户名称");
  EXPECT_EQ(table.CellText(0, 1), "上海浦江贸易有限公司");
  std::optional<TStatementTotals> totals = FlowFileTotals(table);
  ASSERT_TRUE(totals);
  EXPECT_EQ(totals->SumText(), "￥112.50");
  EXPECT_EQ(totals->Count, 2);

  read = ReadFlowBytes(Gbk(FlowLine("1") + FlowLine("2", 22, false)), table);
  EXPECT_EQ(read.Failure, "导入的文件有误,请检查是否是网银流水数据！（第2行）");
  EXPECT_EQ(table.RowCount(), 1);

  read = ReadFlowFile("/nonexistent/流水.txt", table);
  EXPECT_EQ(read.Failure, "导入的文件数据格式有误！");
}

TEST(FlowFile, oneHundredThousandAmountsTotalToTheFen) {
  const QString lines[] = {FlowLine("1234567.89"), FlowLine("0.1")};
  QString text;
  for (int i = 0; i < 100000; ++i) text += lines[i % 2];
  StatementTable table(FlowFileRow());
  ASSERT_TRUE(ReadFlowBytes(Gbk(text), table).Ok());
  const std::optional<TStatementTotals> totals = FlowFileTotals(table);
  ASSERT_TRUE(totals);
  EXPECT_EQ(totals->SumText(), "￥61,728,399,500.00");
  EXPECT_EQ(totals->CountText(), "100000");
}

}  // namespace
