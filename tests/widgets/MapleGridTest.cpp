#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetrics>
#include <QHeaderView>
#include <QScrollBar>
#include <QTest>
#include <set>

#include "platform/prompts/ScriptedPrompts.h"
#include "support/TempAppDir.h"
#include "widgets/grid/GridLayout.h"
#include "widgets/grid/ListModel.h"
#include "widgets/grid/MapleCellDelegate.h"
#include "widgets/grid/MapleGrid.h"

namespace {

// Prompts for the grids of these tests; none of them shows a message.
TScriptedPrompts& Prompts() {
  static TScriptedPrompts prompts;
  return prompts;
}

// A grid over a list of its own, recording which rows the grid asked about.
struct ListGrid {
  explicit ListGrid(int rows) {
    Grid.SetColumns({{"序号", 40, TColumnAlignment::Right}, {"账号", 120}, {"户名", 160}});
    Grid.OnGetCellText = [this](int col, int row, QString& text) {
      Asked.insert(row);
      text = QString("%1-%2").arg(row).arg(col);
    };
    Grid.OnGetCellColor = [this](int, int row, QColor&) { Asked.insert(row); };
    Grid.SetTotalRowCount(rows);
    Grid.resize(400, 600);
  }
  void Paint() { Grid.grab(); }
  int MaxAsked() const { return Asked.empty() ? -1 : *Asked.rbegin(); }

  TMapleGrid Grid{Prompts()};
  std::set<int> Asked;
};

QPoint CellCenter(TMapleGrid& grid, int col, int row) {
  return grid.visualRect(grid.model()->index(row, col)).center();
}

// QTest's double click on a widget sends the second press only.
void DoubleClick(TMapleGrid& grid, int col, int row) {
  QTest::mouseClick(grid.viewport(), Qt::LeftButton, {}, CellCenter(grid, col, row));
  QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, CellCenter(grid, col, row));
}

}  // namespace

TEST(MapleGrid, showsTheDataRowsAndNeverAsksBeyondThem) {
  ListGrid empty(0);
  EXPECT_EQ(empty.Grid.TotalRowCount(), 0);
  EXPECT_EQ(empty.Grid.RowCount(), 1);
  EXPECT_EQ(empty.Grid.Row(), 0);
  empty.Paint();
  EXPECT_TRUE(empty.Asked.empty());
  EXPECT_EQ(empty.Grid.CellText(1, 0), "");

  ListGrid five(5);
  EXPECT_EQ(five.Grid.RowCount(), 5);
  EXPECT_EQ(five.Grid.model()->columnCount(), 3);
  five.Paint();
  EXPECT_EQ(five.MaxAsked(), 4);
  EXPECT_EQ(five.Grid.CellText(2, 4), "4-2");

  // Row_Safe beyond the end adds ten empty rows and goes there.
  five.Grid.Row_Safe(7);
  EXPECT_EQ(five.Grid.RowCount(), 15);
  EXPECT_EQ(five.Grid.Row(), 7);
  five.Grid.Row_Safe(3);
  EXPECT_EQ(five.Grid.RowCount(), 15);
  EXPECT_EQ(five.Grid.Row(), 3);
  five.Grid.Row_Safe(40);  // still beyond after ten more: the current row stays
  EXPECT_EQ(five.Grid.RowCount(), 25);
  EXPECT_EQ(five.Grid.Row(), 3);
  five.Grid.scrollToBottom();
  five.Paint();
  EXPECT_EQ(five.MaxAsked(), 4);
  EXPECT_EQ(five.Grid.CellText(0, 7), "");

  // A new count drops the added rows and keeps the current row where it can.
  five.Grid.SetTotalRowCount(100000);
  EXPECT_EQ(five.Grid.RowCount(), 100000);
  EXPECT_EQ(five.Grid.Row(), 3);
  five.Grid.SetTotalRowCount(2);
  EXPECT_EQ(five.Grid.Row(), 1);
}

TEST(MapleGrid, columnsFollowTheirListAndKeepTheirWidthsInTheView) {
  TMapleGrid grid{Prompts()};
  EXPECT_EQ(grid.ColumnCount(), 2);
  EXPECT_EQ(grid.model()->columnCount(), 2);
  EXPECT_EQ(grid.Column(1).Width(), kDefaultColumnWidth);
  EXPECT_EQ(grid.Column(1).DisplayName(), "Column1");
  EXPECT_EQ(grid.Column(0).Alignment(), TColumnAlignment::Center);
  grid.SetColumnCount(0);
  EXPECT_EQ(grid.ColumnCount(), 1);
  TMapleColumn& added = grid.AddColumn("金额", 90, TColumnAlignment::Right);
  EXPECT_EQ(grid.model()->columnCount(), 2);
  EXPECT_EQ(grid.columnWidth(1), 90);

  // Copying takes colour, alignment, title and field, not the layout.
  added.SetColor(Qt::yellow);
  added.SetField("Money");
  added.SetClip(true);
  grid.Column(0).Assign(added);
  EXPECT_EQ(grid.Column(0).Title(), "金额");
  EXPECT_EQ(grid.Column(0).Field(), "Money");
  EXPECT_EQ(grid.Column(0).Color(), QColor(Qt::yellow));
  EXPECT_EQ(grid.Column(0).Alignment(), TColumnAlignment::Right);
  EXPECT_FALSE(grid.Column(0).Clip());
  EXPECT_EQ(grid.Column(0).Width(), kDefaultColumnWidth);

  // Titles pass through the event, asked for the header row.
  grid.OnGetColumnText = [](int col, int row, QString& title) {
    title += QString("/%1/%2").arg(col).arg(row);
  };
  EXPECT_EQ(grid.ColumnText(1), "金额/1/-1");
  EXPECT_EQ(grid.model()->headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), "金额/1/-1");

  // Hiding keeps the width for showing again; the view agrees throughout.
  grid.Column(1).SetVisible(false);
  EXPECT_FALSE(grid.Column(1).Visible());
  EXPECT_EQ(grid.Column(1).Width(), 0);
  EXPECT_EQ(grid.columnWidth(1), 0);
  EXPECT_EQ(grid.Column(1).VisibleWidth(), 90);
  grid.Column(1).SetVisible(true);
  EXPECT_EQ(grid.columnWidth(1), 90);
  grid.Column(1).SetWidth(0);
  EXPECT_FALSE(grid.Column(1).Visible());
  grid.Column(1).SetWidth(30);
  EXPECT_TRUE(grid.Column(1).Visible());
  grid.setColumnWidth(0, 55);
  EXPECT_EQ(grid.Column(0).Width(), 55);
}

TEST(MapleGrid, widthsSurviveNewRowCountsAndTheLayoutFile) {
  TempAppDir dir;
  const QString path = dir.File("Grid.xml");
  TMapleGrid grid{Prompts()};
  grid.SetColumns({{"序号", 80}, {"账号", 120}, {"户名", 45}});
  grid.Column(2).SetVisible(false);
  grid.SetTotalRowCount(100);
  EXPECT_EQ(grid.Column(0).Width(), 80);
  EXPECT_EQ(grid.Column(1).Width(), 120);
  EXPECT_FALSE(grid.Column(2).Visible());

  int widthChanges = 0;
  grid.OnWidthChange = [&] { ++widthChanges; };
  grid.Column(1).SetWidth(130);
  EXPECT_EQ(widthChanges, 1);
  SaveGridLayoutFile(path, grid, "Batch");
  EXPECT_EQ(dir.Read("Grid.xml"),
            "<Grids><Batch><Col1>80</Col1><Col2>130</Col2><Col3>0</Col3></Batch></Grids>");

  TMapleGrid restored{Prompts()};
  restored.SetColumns({{"序号", 40}, {"账号", 40}, {"户名", 40}});
  LoadGridLayoutFile(path, restored, "Batch");
  EXPECT_EQ(restored.Column(0).Width(), 80);
  EXPECT_EQ(restored.Column(1).Width(), 130);
  EXPECT_EQ(restored.Column(2).Width(), 40);
}

TEST(MapleGrid, aHiddenColumnNeverBecomesCurrent) {
  ListGrid list(5);
  TMapleGrid& grid = list.Grid;
  grid.show();
  grid.SetRowSelect(false);
  grid.Column(1).SetVisible(false);

  ASSERT_TRUE(grid.SetCurrentCell(0, 2));
  QTest::keyClick(&grid, Qt::Key_Right);
  EXPECT_EQ(grid.Col(), 2);
  QTest::keyClick(&grid, Qt::Key_Left);
  EXPECT_EQ(grid.Col(), 0);

  EXPECT_TRUE(grid.SetCurrentCell(1, 3));
  EXPECT_EQ(grid.Col(), 2);
  EXPECT_EQ(grid.Row(), 3);

  // Hiding the current column moves the current cell; the last shown column
  // gives way to the left.
  grid.Column(2).SetVisible(false);
  EXPECT_EQ(grid.Col(), 0);
  EXPECT_TRUE(grid.SetCurrentCell(2, 1));
  EXPECT_EQ(grid.Col(), 0);
  grid.Column(0).SetVisible(false);
  EXPECT_FALSE(grid.SetCurrentCell(0, 4));
  EXPECT_EQ(grid.Row(), 1);
}

TEST(MapleGrid, selectsWholeRowsAndContiguousRanges) {
  ListGrid list(10);
  TMapleGrid& grid = list.Grid;
  grid.show();
  std::vector<std::pair<int, int>> selected;
  std::vector<std::pair<int, int>> doubleClicked;
  grid.OnSelectCell = [&](int col, int row) { selected.push_back({col, row}); };
  grid.OnDblClick = [&](int col, int row) { doubleClicked.push_back({col, row}); };

  EXPECT_TRUE(grid.RowSelect());
  EXPECT_TRUE(grid.DrawSelectColor());
  ASSERT_TRUE(grid.SetCurrentCell(1, 2));
  EXPECT_EQ(grid.SelectedRows().First, 2);
  EXPECT_EQ(grid.SelectedRows().Last, 2);
  EXPECT_EQ(grid.selectionModel()->selectedIndexes().size(), 3);  // the whole row
  EXPECT_EQ(selected.back(), std::make_pair(1, 2));

  QTest::mouseClick(grid.viewport(), Qt::LeftButton, Qt::ShiftModifier, CellCenter(grid, 0, 5));
  EXPECT_EQ(grid.SelectedRows().First, 2);
  EXPECT_EQ(grid.SelectedRows().Last, 5);
  EXPECT_EQ(grid.Row(), 5);
  QTest::mouseClick(grid.viewport(), Qt::LeftButton, Qt::ControlModifier, CellCenter(grid, 0, 8));
  EXPECT_EQ(grid.SelectedRows().Last, 8);  // one range, never a gap

  grid.SelectRows(6, 3);
  EXPECT_EQ(grid.SelectedRows().First, 6);
  EXPECT_EQ(grid.SelectedRows().Last, 6);
  grid.SelectRows(1, 3);
  EXPECT_EQ(grid.SelectedRows().First, 1);
  EXPECT_EQ(grid.SelectedRows().Last, 3);
  EXPECT_EQ(grid.Row(), 1);

  DoubleClick(grid, 2, 4);
  ASSERT_EQ(doubleClicked.size(), 1u);
  EXPECT_EQ(doubleClicked.back(), std::make_pair(2, 4));
  grid.SetTotalRowCount(0);  // only the empty row: no double click reaches the screen
  DoubleClick(grid, 2, 0);
  EXPECT_EQ(doubleClicked.size(), 1u);

  // With its own limit two presses on one row within it are a double click,
  // run once the presses are done; a pause or another row between them is not.
  grid.SetTotalRowCount(10);
  grid.SetDoubleClickMs(300);
  const auto press = [&](int row) {
    QTest::mousePress(grid.viewport(), Qt::LeftButton, {}, CellCenter(grid, 1, row));
    QTest::mouseRelease(grid.viewport(), Qt::LeftButton, {}, CellCenter(grid, 1, row));
  };
  press(3);
  press(3);
  EXPECT_EQ(doubleClicked.size(), 1u);
  QCoreApplication::processEvents();
  ASSERT_EQ(doubleClicked.size(), 2u);
  EXPECT_EQ(doubleClicked.back(), std::make_pair(1, 3));
  press(3);
  press(4);
  QTest::qWait(350);
  press(4);
  QCoreApplication::processEvents();
  EXPECT_EQ(doubleClicked.size(), 2u);
}

TEST(MapleGrid, columnHeadsSpanFromTheirFirstToTheirLastColumn) {
  TMapleGrid grid{Prompts()};
  grid.resize(260, 200);
  grid.SetColumns({{"a", 100}, {"b", 100}, {"c", 100}, {"d", 100}, {"e", 100}});
  grid.SetColumnHeads({{"甲", 1, 3}, {"乙", 2, 2}, {"丙", 3, 5}, {"丁", -1, 2}, {"戊", 0, 1}});
  EXPECT_EQ(grid.FixRowHeight(), 24);
  EXPECT_EQ(grid.horizontalHeader()->height(), 24);

  EXPECT_EQ(grid.ColumnHeadRect(0), QRect(100, 0, 300, 12));
  EXPECT_EQ(grid.ColumnHeadRect(1), std::nullopt);  // a single column
  EXPECT_EQ(grid.ColumnHeadRect(2), std::nullopt);  // beyond the last column
  EXPECT_EQ(grid.ColumnHeadRect(3), std::nullopt);
  EXPECT_EQ(grid.ColumnHeadRect(4), QRect(0, 0, 200, 12));
  EXPECT_EQ(grid.ColumnHeadRect(5), std::nullopt);

  grid.OnGetColumnHeadText = [](int head, QString& text) { text += QString::number(head); };
  EXPECT_EQ(grid.ColumnHeadText(0), "甲0");

  // Scrolled: heads follow, and one scrolled out to the left is not drawn.
  grid.show();
  grid.horizontalScrollBar()->setValue(grid.horizontalScrollBar()->maximum());
  const int offset = grid.horizontalHeader()->offset();
  ASSERT_GE(offset, 200);
  EXPECT_EQ(grid.ColumnHeadRect(0), QRect(100 - offset, 0, 300, 12));
  EXPECT_EQ(grid.ColumnHeadRect(4), std::nullopt);
  grid.grab();
}

TEST(MapleGrid, clippedCellsShowOneHashPerByte) {
  const QFontMetrics metrics(QFont{});
  const QString text = "付款账号ab";  // 10 GBK bytes
  const int wide = metrics.horizontalAdvance(text);
  EXPECT_EQ(ShownCellText(text, true, wide - 1, metrics), "##########");
  EXPECT_EQ(ShownCellText(text, true, wide, metrics), text);
  EXPECT_EQ(ShownCellText("", true, 0, metrics), "");
}

TEST(MapleGrid, amountsWidenTheirColumnAndLongTextsEndInAnEllipsisWithTheWholeTextAsTip) {
  const QString largest = "99,999,999,999.99";
  const QString longName = QString("北京市海淀区科技发展").repeated(6);
  QList<QStringList> rows{{"张三", "1.00"}};
  TRecordListModel<QList<QStringList>> model(
      rows, {{"户名", 160, TColumnAlignment::Left}, {"金额", 90, TColumnAlignment::Right, true}},
      [](const QStringList& row, int col) { return row.value(col); }, false);
  TMapleGrid grid{Prompts()};
  grid.SetListModel(&model);
  EXPECT_EQ(grid.columnWidth(1), 90);  // never narrower than declared

  rows.append({longName, largest});
  grid.Column(1).SetWidth(90);  // as a layout file saved before may set it
  model.Refresh();
  const QFontMetrics metrics(QApplication::font());
  const int amountRoom = CellTextWidth(grid.columnWidth(1), grid.showGrid());
  EXPECT_GE(amountRoom, metrics.horizontalAdvance(largest));
  EXPECT_EQ(ShownCellText(largest, false, amountRoom, metrics), largest);
  EXPECT_FALSE(grid.model()->index(1, 1).data(Qt::ToolTipRole).isValid());

  const int nameRoom = CellTextWidth(grid.columnWidth(0), grid.showGrid());
  const QString shown = ShownCellText(longName, false, nameRoom, metrics);
  EXPECT_TRUE(shown.endsWith(u'…')) << shown.toStdString();
  EXPECT_FALSE(shown.contains(u'\n'));
  EXPECT_LE(metrics.horizontalAdvance(shown), nameRoom);
  EXPECT_EQ(grid.model()->index(1, 0).data(Qt::ToolTipRole).toString(), longName);
  EXPECT_FALSE(grid.model()->index(0, 0).data(Qt::ToolTipRole).isValid());

  // A wider column stays as wide.
  grid.Column(1).SetWidth(300);
  model.Refresh();
  EXPECT_EQ(grid.columnWidth(1), 300);
}
