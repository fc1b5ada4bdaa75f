#include <gtest/gtest.h>

#include "agentpay/records/PayImport.h"
#include "agentpay/records/PayRecords.h"
#include "platform/spreadsheet/Worksheet.h"

namespace {

// Name from file field 2, account from field 1, amount from field 3.
TPayTemplate Salary() {
  TPayTemplate salary;
  salary.Money = 3;
  salary.Columns = {{"户名", 2}, {"账号", 1}, {"金额", 3}};
  return salary;
}

TEST(PayImport, textLinesTakeTheFieldsTheirPositionsNameOrNothingIsImported) {
  const QStringList file = {"header", " 6222001|张三|100.5| ", "6222002,x|李四|7|", "a|b|c"};
  TPayImport imported = ImportTextLines(file, 2, 3, " | ", Salary());
  EXPECT_EQ(imported.Problem, "");
  EXPECT_EQ(imported.Lines, QStringList({"张三|6222001|100.5", "李四|6222002,x|7"}));

  // The text after the last separator is no field.
  imported = ImportTextLines(file, 2, 99, "|", Salary());
  EXPECT_EQ(imported.Problem, "第4行只有2个字段，没有“金额”列所要的第3个字段。");
  EXPECT_TRUE(imported.Lines.isEmpty());
  EXPECT_EQ(ImportTextLines({"1|2|x|"}, 1, 1, "|", Salary()).Problem, "第1记录的金额列数据有误！");
  EXPECT_EQ(ImportTextLines({"1|2|1e5|"}, 1, 1, "|", Salary()).Problem,
            "第1记录的金额列数据有误！");
  EXPECT_EQ(ImportTextLines({"1|2|3|", "no separator"}, 1, 2, "|", Salary()).Problem,
            "请检查文件格式");
  EXPECT_EQ(ImportTextLines({"1,a|b,3,"}, 1, 1, ",", Salary()).Problem,
            "第1行“户名”列的内容含有分隔符“|”，导入后记录会错位。请修改后重新导入。");
}

TEST(PayImport, worksheetRowsWithAnEmptyCellAreLeftOutAndBadAmountsStopTheImport) {
  TSheetData data(QStringLiteral("工资"), {{"工资表"},
                                           {"账号", "户名", "金额"},
                                           {"6222001", " 张三 ", "100"},
                                           {},
                                           {"6222002", "", "5"},
                                           {"6222003", "王五", "0.5"}});
  TWorksheet sheet(data);
  TPayImport imported = ImportWorksheetRows(sheet, 1, 6, Salary());
  EXPECT_EQ(imported.Problem, "第2记录的金额列数据有误！");
  imported = ImportWorksheetRows(sheet, 3, 100, Salary());
  EXPECT_EQ(imported.Problem, "");
  EXPECT_EQ(imported.Lines, QStringList({"张三|6222001|100", "王五|6222003|0.5"}));

  data.MarkInexactNumber(5, 0);
  imported = ImportWorksheetRows(sheet, 3, 6, Salary());
  EXPECT_TRUE(imported.Problem.startsWith("第6行未导入：账号是数字格式"))
      << imported.Problem.toStdString();
  EXPECT_TRUE(imported.Lines.isEmpty());
}

}  // namespace

namespace {

TEST(PayRecords, saveChecksEveryRowAndTheCountLeavesOutTheEmptyRow) {
  TPayRecords records;
  TPayTemplate salary;
  salary.Money = 2;
  salary.Columns = {{"户名", 1}, {"金额", 2}, {"备注", 3}};
  records.SetTemplate(salary);
  EXPECT_TRUE(records.HasTemplate());
  EXPECT_EQ(records.Count(), 0);

  records.Rows() = {{"张三", "100", ""}, {"李四", "0.001", "x"}, {"王五", "1"}};
  EXPECT_EQ(records.Save().Message, "金额不能超过两位小数！");
  EXPECT_EQ(records.Lines(), QStringList({"张三|100| "}));
  EXPECT_EQ(records.Rows().size(), 3);
  records.Rows()[1][1] = "2.5";
  records.Rows()[1][2] = "x|y";
  const TPayRecords::TSaveProblem split = records.Save();
  EXPECT_EQ(split.Message, "第2行“备注”列的内容含有分隔符“|”，保存后记录会错位。请修改后再保存。");
  EXPECT_EQ(std::make_pair(split.Row, split.Column), std::make_pair(1, 2));
  records.Rows()[1][2] = "x";
  EXPECT_EQ(records.Save().Row, -1);
  EXPECT_EQ(records.Lines(), QStringList({"张三|100| ", "李四|2.5|x", "王五|1| "}));
  EXPECT_EQ(records.Rows()[0], QStringList({"张三", "100", " "}));
  EXPECT_EQ(records.Totals().SumText(), "￥103.50");
  EXPECT_EQ(records.Count(), 3);

  EXPECT_EQ(records.RemoveRows(0, 1), "");
  EXPECT_EQ(records.Lines(), QStringList({"王五|1| "}));
  records.AppendLines({"a|1000|", "b|abc|"});
  EXPECT_EQ(records.Totals().SumText(), "￥1,001.00");
  records.ReplaceLines({"a|1|", "", "b|2|"});
  EXPECT_EQ(records.RemoveRows(0, 2), "不能删除空记录！");
  EXPECT_EQ(records.Rows().size(), 2);
  records.ReplaceLines({"|5|"});
  EXPECT_EQ(records.Rows()[0], QStringList({" ", "5", ""}));
  records.ReplaceLines({});
  EXPECT_EQ(records.RemoveRows(0, 0), "不能删除空记录！");
  EXPECT_EQ(records.Count(), 0);
}

}  // namespace
