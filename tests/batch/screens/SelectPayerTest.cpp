#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QScreen>
#include <QScrollBar>

#include "MoneyFixture.h"
#include "batch/screens/fmSelectPayer.h"
#include "support/Children.h"
#include "widgets/grid/MapleGrid.h"

namespace {

class SelectPayerTest : public MoneyFixture {
 protected:
  SelectPayerTest() {
    AddPayer("1001", "0", "基本户");
    AddPayer("1002", "1");
    AddPayer("1003", "0");
    AddPayer("1003", "0").PayAccName = "重复账号";
  }
  static QStringList Column(const TMapleGrid& grid, int col) {
    QStringList texts;
    for (int row = 0; row < grid.TotalRowCount(); ++row) texts << grid.CellText(col, row);
    return texts;
  }
};

TEST_F(SelectPayerTest, listsAllOrTheContractedPayersStartingAtTheAccount) {
  TfmSelectPayer form(Context());
  EXPECT_EQ(form.windowTitle(), "付款账号查询");
  form.ShowList("1003", "");
  EXPECT_EQ(Column(Child<TMapleGrid>(form, "grdPayer"), 0), QStringList({"1", "2", "3", "4"}));
  EXPECT_EQ(Column(Child<TMapleGrid>(form, "grdPayer"), 1),
            QStringList({"1001", "1002", "1003", "1003"}));
  EXPECT_EQ(Column(Child<TMapleGrid>(form, "grdPayer"), 6),
            QStringList({"签约", "授权", "签约", "签约"}));
  EXPECT_EQ(Child<TMapleGrid>(form, "grdPayer").Row(), 2);  // the first of the two

  form.ShowList("1003", "0");
  EXPECT_EQ(Column(Child<TMapleGrid>(form, "grdPayer"), 1), QStringList({"1001", "1003", "1003"}));
  EXPECT_EQ(Child<TMapleGrid>(form, "grdPayer").Row(), 1);

  form.ShowList("1002", "0");  // filtered out: the first row
  EXPECT_EQ(Child<TMapleGrid>(form, "grdPayer").Row(), 0);
}

TEST_F(SelectPayerTest, opensAsWideAsItsColumnsAllowScrolledToTheFirstColumn) {
  TfmSelectPayer form(Context());
  const TMapleGrid& grid = Child<TMapleGrid>(form, "grdPayer");
  form.ShowList("1003", "");
  form.show();
  const QSize available = form.screen()->availableGeometry().size();
  EXPECT_EQ(form.size(), form.WholeListSize().boundedTo(available));
  EXPECT_EQ(grid.horizontalScrollBar()->value(), 0);
  EXPECT_EQ(grid.columnViewportPosition(0), 0);  // 序号

  // At its whole size every column shows, 账户类别 the last.
  form.resize(form.WholeListSize());
  QApplication::sendPostedEvents();
  EXPECT_EQ(grid.ColumnText(6), "账户类别");
  EXPECT_LE(grid.columnViewportPosition(6) + grid.columnWidth(6), grid.viewport()->width());
  EXPECT_EQ(grid.horizontalScrollBar()->maximum(), 0);
}

TEST_F(SelectPayerTest, chooseCopiesTheCurrentPayerOnlyWhenSelected) {
  TPayerInfo chosen;
  prompts.AnswerModal([](QDialog& dialog) {
    auto& form = dynamic_cast<TfmSelectPayer&>(dialog);
    Child<TMapleGrid>(form, "grdPayer").SetCurrentCell(1, 3);
    Child<TMapleGrid>(form, "grdPayer").OnDblClick(1, 3);
    return form.result();
  });
  EXPECT_TRUE(TfmSelectPayer::Choose(Context(), "", "", chosen));
  EXPECT_EQ(chosen.PayAccName, "重复账号");
  EXPECT_EQ(prompts.ModalRuns().back().WindowTitle, "付款账号查询");

  // Enter on the list chooses too.
  prompts.AnswerModal([](QDialog& dialog) {
    auto& form = dynamic_cast<TfmSelectPayer&>(dialog);
    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QApplication::sendEvent(&Child<TMapleGrid>(form, "grdPayer"), &enter);
    return form.result();
  });
  EXPECT_TRUE(TfmSelectPayer::Choose(Context(), "1002", "", chosen));
  EXPECT_EQ(chosen.PayAccNo, "1002");

  prompts.AnswerModal([](QDialog& dialog) {
    dynamic_cast<TfmSelectPayer&>(dialog).btnExitClick();
    return dialog.result();
  });
  chosen = TPayerInfo();
  EXPECT_FALSE(TfmSelectPayer::Choose(Context(), "1001", "", chosen));
  EXPECT_EQ(chosen.PayAccNo, "");
  // A modal run ended any other way (Escape) chooses nothing either.
  EXPECT_FALSE(TfmSelectPayer::Choose(Context(), "1001", "", chosen));

  // An empty list: "选中" does nothing.
  data.Payers.Clear();
  TfmSelectPayer empty(Context());
  empty.ShowList("", "");
  empty.btnSelectClick();
  EXPECT_EQ(empty.ChosenRow(), -1);
  EXPECT_NE(empty.result(), QDialog::Accepted);
}

}  // namespace
