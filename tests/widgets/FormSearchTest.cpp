#include <gtest/gtest.h>

#include <QComboBox>
#include <QLineEdit>

#include "platform/prompts/ScriptedPrompts.h"
#include "widgets/grid/FormSearch.h"
#include "widgets/grid/MapleGrid.h"

namespace {

QLineEdit* FindEdit(QDialog& dialog) {
  return dialog.findChild<QLineEdit*>("edtFind");
}
QComboBox* Range(QDialog& dialog) {
  return dialog.findChild<QComboBox*>("cmbRange");
}
QComboBox* Match(QDialog& dialog) {
  return dialog.findChild<QComboBox*>("cmbMatch");
}

QStringList Items(QComboBox* box) {
  QStringList items;
  for (int i = 0; i < box->count(); ++i) items.append(box->itemText(i));
  return items;
}

class FormSearchTest : public testing::Test {
 protected:
  FormSearchTest() {
    grid.SetColumns({{"序号", 40}, {"账号", 120}, {"户名", 160}});
    grid.OnGetCellText = [this](int col, int row, QString& text) { text = cells[row][col]; };
    grid.SetTotalRowCount(int(cells.size()));
  }

  // The next dialog is filled in and confirmed with "确定".
  void AnswerSearch(const QString& text, int column, TMatchMode mode) {
    prompts.AnswerModal([=](QDialog& dialog) {
      FindEdit(dialog)->setText(text);
      Range(dialog)->setCurrentIndex(column);
      Match(dialog)->setCurrentIndex(int(mode));
      static_cast<TFormSearch&>(dialog).btnOkClick();
      return dialog.result();
    });
  }

  TScriptedPrompts prompts;
  std::vector<QStringList> cells{{"1", "6222001", "维岭贸易"},
                                 {"2", "6222002", "华兴科技"},
                                 {"3", "", "维岭物流"},
                                 {"4", "6222004", "维岭贸易"}};
  TMapleGrid grid{prompts};
};

}  // namespace

TEST_F(FormSearchTest, dialogOffersTheLastCriteria) {
  TFormSearch dialog(prompts, {"序号", "账号", "户名", "金额"}, "维岭", -1, TMatchMode::Contains);
  EXPECT_EQ(dialog.windowTitle(), "查找");
  EXPECT_EQ(FindEdit(dialog)->text(), "维岭");
  EXPECT_EQ(Items(Range(dialog)), QStringList({"序号", "账号", "户名", "金额"}));
  EXPECT_EQ(Range(dialog)->currentIndex(), 2);
  EXPECT_EQ(Items(Match(dialog)), QStringList({"起始串", "包含", "精确匹配"}));
  EXPECT_EQ(Match(dialog)->currentText(), "包含");

  TFormSearch narrow(prompts, {"序号", "账号"}, "", -1, TMatchMode::Exact);
  EXPECT_EQ(Range(narrow)->currentIndex(), 1);
  EXPECT_EQ(Match(narrow)->currentText(), "精确匹配");
  TFormSearch chosen(prompts, {"序号", "账号", "户名"}, "", 0, TMatchMode::Start);
  EXPECT_EQ(Range(chosen)->currentIndex(), 0);
  EXPECT_EQ(chosen.MatchMode(), TMatchMode::Start);
}

TEST_F(FormSearchTest, anEmptyTextIsRefusedAndTheDialogStaysOpen) {
  TFormSearch dialog(prompts, {"序号", "账号", "户名"}, "", -1, TMatchMode::Contains);
  dialog.btnOkClick();
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
  ASSERT_EQ(prompts.Messages().size(), 1u);
  EXPECT_EQ(prompts.LastMessage().Icon, QMessageBox::Critical);
  EXPECT_EQ(prompts.LastMessage().Caption, "查找");
  EXPECT_EQ(prompts.LastMessage().Text, "查找的文字不能为空!");

  FindEdit(dialog)->setText("6222");
  dialog.btnOkClick();
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  EXPECT_EQ(dialog.SearchText(), "6222");
  EXPECT_EQ(dialog.SearchColumn(), 2);
}

TEST_F(FormSearchTest, gridFindAndFindNextMoveToTheMatchingRows) {
  grid.OnGetColumnText = [](int col, int, QString& title) { title = "列" + title; };
  prompts.AnswerModal([](QDialog& dialog) {
    EXPECT_EQ(Items(Range(dialog)), QStringList({"列序号", "列账号", "列户名"}));
    return int(QDialog::Rejected);
  });
  grid.Find();  // cancelled: nothing stored, nothing moved
  EXPECT_EQ(grid.Search().Text(), "");
  EXPECT_EQ(grid.Row(), 0);

  AnswerSearch("维岭贸易", 2, TMatchMode::Exact);
  grid.Find();  // the current row matches: it stays
  EXPECT_EQ(grid.Row(), 0);
  EXPECT_EQ(grid.Col(), 2);
  EXPECT_EQ(grid.Search().Text(), "维岭贸易");
  EXPECT_EQ(grid.Search().Column(), 2);
  EXPECT_TRUE(grid.Search().Found());

  grid.FindNext();
  EXPECT_EQ(grid.Row(), 3);
  prompts.Answer(QMessageBox::Cancel);
  grid.FindNext();  // on the last row: asked, cancelled
  EXPECT_EQ(grid.Row(), 3);
  EXPECT_EQ(prompts.MessageTexts(), QStringList({"已经到最后一条,是否从第一条开始查询?"}));

  // The dialog remembers the criteria; the found row becomes current.
  prompts.AnswerModal([](QDialog& dialog) {
    EXPECT_EQ(FindEdit(dialog)->text(), "维岭贸易");
    EXPECT_EQ(Range(dialog)->currentIndex(), 2);
    EXPECT_EQ(Match(dialog)->currentIndex(), int(TMatchMode::Exact));
    Range(dialog)->setCurrentIndex(1);
    Match(dialog)->setCurrentIndex(int(TMatchMode::Start));
    FindEdit(dialog)->setText("622200");
    static_cast<TFormSearch&>(dialog).btnOkClick();
    return dialog.result();
  });
  grid.Find();  // from row 3 on: row 3 itself
  EXPECT_EQ(grid.Row(), 3);
  EXPECT_EQ(grid.Col(), 1);
}

TEST_F(FormSearchTest, findNextWithoutCriteriaAsksForThemFirst) {
  grid.FindNext();  // the dialog is cancelled (no scripted answer): nothing happens
  EXPECT_EQ(prompts.ModalRuns().size(), 1u);
  EXPECT_EQ(prompts.ModalRuns().back().WindowTitle, "查找");
  EXPECT_EQ(grid.Row(), 0);

  AnswerSearch("维岭", 2, TMatchMode::Start);
  grid.FindNext();  // from the row after the current one
  EXPECT_EQ(grid.Row(), 2);
}
