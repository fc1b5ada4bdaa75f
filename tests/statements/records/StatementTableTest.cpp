#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "statements/records/StatementTable.h"

namespace {

// The values of one column from the top of the grid down.
QStringList Column(const StatementTable& table, int column) {
  QStringList cells;
  for (int row = 0; row < table.RowCount(); ++row) cells.append(table.CellText(row, column));
  return cells;
}

void AppendDetail(StatementTable& table, const QString& summary, qint64 balanceYuan) {
  table.Append();
  table.SetText("摘要", summary);
  table.SetAmount("余额", TAmount::FromYuan(balanceYuan));
}

void AppendFileRow(StatementTable& table, const QString& purpose, const QString& amount) {
  std::vector<QStringView> values(size_t(table.Kind().Fields.size()));
  values[size_t(table.FieldIndex("用途"))] = purpose;
  values[size_t(table.FieldIndex("借(贷)方发生额"))] = amount;
  table.AppendRow(values);
}

TEST(StatementTable, fieldsByNameAmountsAsTwoDecimalsAndTheCurrentRow) {
  StatementTable table(DetailRow());
  EXPECT_EQ(table.RecNo(), 0);
  EXPECT_EQ(table.Text("摘要"), "");
  EXPECT_THROW(table.SetText("摘要", u"x"), std::logic_error);

  table.Append();
  EXPECT_EQ(table.Text("发生额"), "");
  EXPECT_EQ(table.Amount(1, "发生额"), std::nullopt);
  table.SetText("对方户名", u"上海浦江贸易有限公司");
  table.SetText("交易日期", u"20240105");
  table.SetText("币种", u"人民币");
  table.SetAmount("发生额", *TAmount::Parse(u"1234.5"));
  table.SetText("对方户名", u"杭州");  // a shorter text in the middle of the row
  EXPECT_EQ(table.Text("对方户名"), "杭州");
  EXPECT_EQ(table.Text("交易日期"), "20240105");
  EXPECT_EQ(table.Text("币种"), "人民币");
  EXPECT_EQ(table.Text(1, "发生额"), "1234.50");
  EXPECT_EQ(table.Amount(1, "发生额"), TAmount::Parse(u"1234.5"));

  EXPECT_THROW(table.SetText("发生额", u"1"), std::invalid_argument);
  EXPECT_THROW(table.SetAmount("摘要", TAmount()), std::invalid_argument);
  EXPECT_THROW(table.Text("帐号"), std::invalid_argument);
  EXPECT_THROW(table.Text(2, "摘要"), std::out_of_range);

  AppendDetail(table, "b", 1);
  EXPECT_EQ(table.RecNo(), 2);
  table.First();
  EXPECT_EQ(table.RecNo(), 1);
  EXPECT_TRUE(table.Next());
  EXPECT_FALSE(table.Next());
  EXPECT_EQ(table.RecNo(), 2);
  EXPECT_TRUE(table.MoveTo(1));
  EXPECT_FALSE(table.MoveTo(3));

  table.Selection().Add(2);
  table.Selection().Add(1);
  EXPECT_EQ(table.Selection().Records(), QList<int>({1, 2}));
  table.Empty();
  EXPECT_EQ(table.RowCount(), 0);
  EXPECT_EQ(table.Selection().Count(), 0);
  EXPECT_EQ(table.RecNo(), 0);
}

TEST(StatementTable, clicksAlternateTheOrderAndMoveTheMark) {
  StatementTable table(DetailRow());
  const int balance = 6;
  const int summary = 10;
  ASSERT_EQ(table.Captions()[balance], "余额");
  ASSERT_EQ(table.Captions()[summary], "摘要");
  AppendDetail(table, "工资", 20);
  AppendDetail(table, "货款", 100);
  AppendDetail(table, "电费", 3);
  AppendDetail(table, "工资", 50);
  EXPECT_EQ(Column(table, summary), QStringList({"工资", "货款", "电费", "工资"}));

  table.SortByColumn(balance);
  EXPECT_EQ(table.Captions()[balance], "▲余额");
  EXPECT_EQ(Column(table, balance), QStringList({"3.00", "20.00", "50.00", "100.00"}));
  table.SortByColumn(balance);
  EXPECT_EQ(table.Captions()[balance], "▼余额");
  EXPECT_EQ(Column(table, balance), QStringList({"100.00", "50.00", "20.00", "3.00"}));
  table.SortByColumn(balance);
  EXPECT_EQ(table.Captions()[balance], "▲余额");

  // Right after an ascending sort another column sorts descending.
  table.SortByColumn(summary);
  EXPECT_EQ(table.Captions()[summary], "▼摘要");
  EXPECT_EQ(table.Captions()[balance], "余额");
  // Pinyin order (dian, gong, huo); equal texts keep record order.
  EXPECT_EQ(Column(table, summary), QStringList({"货款", "工资", "工资", "电费"}));
  EXPECT_EQ(table.RecordAt(1), 1);
  EXPECT_EQ(table.RecordAt(2), 4);
  EXPECT_EQ(table.RecordAt(0), 2);
  EXPECT_EQ(table.VisibleRowOf(2), 0);

  table.SortByColumn(balance);
  table.SortByColumn(balance);
  EXPECT_EQ(table.IndexNames(), QStringList({"i余额", "i摘要"}));

  // The current row follows the grid's order; the selection keeps record order.
  table.First();
  EXPECT_EQ(table.RecNo(), 2);
  table.Next();
  EXPECT_EQ(table.RecNo(), 4);
  table.Selection().Add(2);
  table.Selection().Add(3);
  table.Selection().Add(1);
  EXPECT_EQ(table.Selection().Records(), QList<int>({1, 2, 3}));
  EXPECT_TRUE(table.Selection().IsSelected(3));
  table.Selection().SelectOnly(3);
  EXPECT_EQ(table.Selection().Records(), QList<int>({3}));
}

TEST(StatementTable, fileRowsSortAmountsByValueAndKeepTheSortForNewRows) {
  StatementTable table(DetailFileRow());
  const int purpose = 2;
  const int amount = 4;
  EXPECT_EQ(table.Captions()[purpose], "摘要");
  AppendFileRow(table, "货款", "100.00");
  AppendFileRow(table, "Apple", "20.00");
  AppendFileRow(table, "电费", "");
  EXPECT_EQ(Column(table, purpose), QStringList({"货款", "Apple", "电费"}));

  table.SortByColumn(purpose);
  EXPECT_EQ(table.Captions()[purpose], "▲用途");
  EXPECT_EQ(Column(table, purpose), QStringList({"Apple", "电费", "货款"}));

  table.SortByColumn(amount);
  EXPECT_EQ(table.Captions()[purpose], "用途");
  EXPECT_EQ(table.Captions()[amount], "▼借(贷)方发生额");
  table.SortByColumn(amount);
  EXPECT_EQ(table.Captions()[amount], "▲借(贷)方发生额");
  EXPECT_EQ(Column(table, amount), QStringList({"", "20.00", "100.00"}));

  // A new file comes in under the same sort, and so do rows changed later.
  table.Empty();
  AppendFileRow(table, "a", "100.00");
  AppendFileRow(table, "b", "9.5");
  AppendFileRow(table, "c", "20.00");
  EXPECT_EQ(Column(table, amount), QStringList({"9.5", "20.00", "100.00"}));
  table.MoveTo(3);
  table.SetText("借(贷)方发生额", u"1000.00");
  EXPECT_EQ(Column(table, amount), QStringList({"9.5", "100.00", "1000.00"}));
  EXPECT_EQ(table.Amount(3, "借(贷)方发生额"), TAmount::FromYuan(1000));
}

}  // namespace
