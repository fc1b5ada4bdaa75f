#include <gtest/gtest.h>

#include <vector>

#include "platform/prompts/ScriptedPrompts.h"
#include "widgets/grid/GridSearch.h"

namespace {

const char* const kNothingFound = "没有查到符合条件的记录";
const char* const kStartAgain = "已经到最后一条,是否从第一条开始查询?";

// One column of a list: cells[row], with a current row.
struct Column {
  TSearchRows Rows(int current) const {
    return {int(Cells.size()), current, [this](int row) { return Cells[std::size_t(row)]; }};
  }
  std::vector<QString> Cells;
};

// 100,000 rows holding "R0" .. "R99999".
Column LargeColumn() {
  Column column;
  column.Cells.reserve(100000);
  for (int row = 0; row < 100000; ++row) column.Cells.push_back("R" + QString::number(row));
  return column;
}

class GridSearchTest : public testing::Test {
 protected:
  GridSearchTest() {}
  TScriptedPrompts prompts;
};

}  // namespace

TEST_F(GridSearchTest, matchModesCompareAsNamed) {
  TGridSearch search;
  EXPECT_EQ(search.Mode(), TMatchMode::Contains);
  EXPECT_EQ(search.Column(), -1);
  EXPECT_EQ(MatchModeTexts(), QStringList({"起始串", "包含", "精确匹配"}));

  search.Confirm("12", 0, TMatchMode::Start);
  EXPECT_TRUE(search.Matches("123"));
  EXPECT_TRUE(search.Matches("12"));
  EXPECT_FALSE(search.Matches("012"));
  EXPECT_FALSE(search.Matches("1"));
  search.Confirm("12", 0, TMatchMode::Contains);
  EXPECT_TRUE(search.Matches("123"));
  EXPECT_TRUE(search.Matches("012"));
  search.Confirm("12", 0, TMatchMode::Exact);
  EXPECT_FALSE(search.Matches("123"));
  EXPECT_FALSE(search.Matches("012"));
  EXPECT_TRUE(search.Matches("12"));

  // Chinese text: the start is compared on its GBK bytes.
  search.Confirm("付款", 0, TMatchMode::Start);
  EXPECT_TRUE(search.Matches("付款账号"));
  EXPECT_FALSE(search.Matches("收付款"));

  // An empty cell never matches, whatever the mode.
  for (TMatchMode mode : {TMatchMode::Start, TMatchMode::Contains, TMatchMode::Exact}) {
    search.Confirm("x", 0, mode);
    EXPECT_FALSE(search.Matches(""));
  }
}

TEST_F(GridSearchTest, findStartsAtTheCurrentRowAndWrapsOnce) {
  const Column column = LargeColumn();
  TGridSearch search;

  search.Confirm("R500", 0, TMatchMode::Exact);
  EXPECT_EQ(search.Find(column.Rows(500), prompts), 500);  // the current row itself
  EXPECT_TRUE(search.Found());
  EXPECT_FALSE(search.Wrapped());

  search.Confirm("R500", 0, TMatchMode::Exact);
  EXPECT_EQ(search.Find(column.Rows(90000), prompts), 500);
  EXPECT_TRUE(search.Wrapped());
  EXPECT_TRUE(search.Found());

  // "R1234" begins only rows below 50000: the first of them after the wrap.
  search.Confirm("R1234", 0, TMatchMode::Start);
  EXPECT_EQ(search.Find(column.Rows(50000), prompts), 1234);
  EXPECT_TRUE(prompts.Messages().empty());

  // Nothing anywhere: both passes, then one message.
  search.Confirm("X", 0, TMatchMode::Contains);
  EXPECT_EQ(search.Find(column.Rows(-1), prompts), std::nullopt);
  ASSERT_EQ(prompts.Messages().size(), 1u);
  EXPECT_EQ(prompts.LastMessage().Icon, QMessageBox::Information);
  EXPECT_EQ(prompts.LastMessage().Caption, "系统提示");
  EXPECT_EQ(prompts.LastMessage().Text, kNothingFound);
}

TEST_F(GridSearchTest, findNextStartsAfterTheCurrentRowAndAsksAtTheEnd) {
  Column column{{"a1", "b", "a2", "c", "a3"}};
  TGridSearch search;
  EXPECT_EQ(search.FindNext(column.Rows(0), prompts), std::nullopt);  // no criteria yet
  EXPECT_TRUE(prompts.Messages().empty());

  search.Confirm("a", 0, TMatchMode::Start);
  EXPECT_EQ(search.FindNext(column.Rows(0), prompts), 2);
  EXPECT_EQ(search.FindNext(column.Rows(2), prompts), 4);
  EXPECT_TRUE(prompts.Messages().empty());

  // On the last row: the question; Cancel stops.
  prompts.Answer(QMessageBox::Cancel);
  EXPECT_EQ(search.FindNext(column.Rows(4), prompts), std::nullopt);
  ASSERT_EQ(prompts.Messages().size(), 1u);
  EXPECT_EQ(prompts.LastMessage().Icon, QMessageBox::Question);
  EXPECT_EQ(prompts.LastMessage().Caption, "系统提示");
  EXPECT_EQ(prompts.LastMessage().Text, kStartAgain);
  EXPECT_EQ(prompts.LastMessage().Buttons, QMessageBox::Ok | QMessageBox::Cancel);
  EXPECT_FALSE(search.Wrapped());

  // OK goes on from the first row, which is a match itself.
  prompts.Answer(QMessageBox::Ok);
  EXPECT_EQ(search.FindNext(column.Rows(4), prompts), 0);
  EXPECT_TRUE(search.Wrapped());

  // Running off the end in the middle of a search asks too.
  search.Confirm("b", 0, TMatchMode::Exact);
  prompts.Answer(QMessageBox::Ok);
  EXPECT_EQ(search.FindNext(column.Rows(2), prompts), 1);
  EXPECT_EQ(prompts.Messages().size(), 3u);
}

TEST_F(GridSearchTest, findNextAfterAFruitlessWrapSaysNothingWasFound) {
  Column column{{"a", "b", "c"}};
  TGridSearch search;
  search.Confirm("zz", 0, TMatchMode::Contains);
  prompts.Answer(QMessageBox::Ok);
  EXPECT_EQ(search.FindNext(column.Rows(0), prompts), std::nullopt);
  // The question once, then the whole list from the top, then the message.
  EXPECT_EQ(prompts.MessageTexts(), QStringList({kStartAgain, kNothingFound}));
  EXPECT_TRUE(search.Wrapped());

  // On the last row, with the flags as they are: the message, not the question.
  EXPECT_EQ(search.FindNext(column.Rows(2), prompts), std::nullopt);
  EXPECT_EQ(prompts.MessageTexts(), QStringList({kStartAgain, kNothingFound, kNothingFound}));
  EXPECT_EQ(prompts.PendingAnswers(), 0);

  // New criteria clear the flags.
  search.Confirm("zz", 0, TMatchMode::Contains);
  EXPECT_FALSE(search.Wrapped());
  EXPECT_FALSE(search.Found());
}
