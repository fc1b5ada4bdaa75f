#include <gtest/gtest.h>

#include "agentpay/records/PayResultText.h"

namespace {

TPayTemplate ThreeColumns(int money, const QString& separator = QStringLiteral("|")) {
  TPayTemplate payTemplate;
  payTemplate.ListSeparator = separator;
  payTemplate.Money = money;
  payTemplate.Columns = {{"账号", 1}, {"金额", 2}, {"姓名", 3}};
  return payTemplate;
}

TEST(PayResultText, linesAreCutAsRecordLinesAndTheWorkbookGoesBesideTheFile) {
  EXPECT_EQ(SplitResultLines({"a||b", "", "x|"}, "|"),
            QList<QStringList>({{"a", " ", "b"}, {""}, {"x", ""}}));
  EXPECT_EQ(ConvertedWorkbookPath("/home/a.b/结果.txt"), "/home/a.b/结果.xls");
  EXPECT_EQ(ConvertedWorkbookPath("/home/a.b/r.tar.gz"), "/home/a.b/r.tar.xls");
  EXPECT_EQ(ConvertedWorkbookPath("/home/a.b/result"), "");
  EXPECT_EQ(MissingSeparatorQuestion(","),
            "没有找到文件分隔符\",\"，是否重新设置文件分隔符？\r\n"
            "\"确定\"，则重新设置文件分隔符再转换。\r\n"
            "\"取消\"，则继续按照原分隔符进行转换。");
}

TEST(PayOutcomes, theTemplatesColumnsTheOutcomeAndTheTotals) {
  TPayOutcomes outcomes;
  EXPECT_EQ(outcomes.Captions(), QStringList({"处理结果", "失败原因"}));
  EXPECT_FALSE(outcomes.HasTemplate());

  outcomes.SetTemplate(ThreeColumns(2));
  EXPECT_EQ(outcomes.Captions(), QStringList({"账号", "金额", "姓名", "处理结果", "失败原因"}));
  outcomes.SetLines({"a|b|c|成功|"});
  EXPECT_EQ(outcomes.Rows().value(0), QStringList({"a", "b", "c", "成功", ""}));

  outcomes.SetLines({"x|100.5|y", "x|abc|y"});
  EXPECT_EQ(outcomes.Totals().SumText(), "￥100.50");
  EXPECT_EQ(outcomes.Totals().Count, 2);

  outcomes.SetLines({});
  EXPECT_EQ(outcomes.Rows().size(), 1);
  EXPECT_EQ(outcomes.Totals().Count, 1);
  EXPECT_EQ(outcomes.Totals().SumText(), "￥0.00");

  // A blank stored separator counts as "|".
  outcomes.SetTemplate(ThreeColumns(2, ","));
  outcomes.SetLines({"a,1,b|c"});
  EXPECT_EQ(outcomes.Rows().value(0), QStringList({"a", "1", "b|c"}));
  outcomes.SetTemplate(ThreeColumns(2, " "));
  outcomes.SetLines({"a|2.25|b"});
  EXPECT_EQ(outcomes.Totals().SumText(), "￥2.25");
}

}  // namespace
