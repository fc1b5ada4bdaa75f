#include <gtest/gtest.h>

#include <QDir>
#include <stdexcept>

#include "shell/MenuActions.h"
#include "shell/MenuCode.h"

TEST(MenuCode, decimalOrHexadecimalElseZero) {
  const struct {
    const char* Text;
    qint32 Code;
  } cases[] = {
      {"10", 10},
      {"0x0A", 10},
      {"0X1f", 31},
      {" 12 ", 12},
      {"+7", 7},
      {"-3", -3},
      {"007", 7},
      {"0x7FFFFFFF", 2147483647},
      {"abc", 0},
      {"12abc", 0},
      {"0x", 0},
      {"0x-1", 0},
      {"-0x3", 0},
      {"", 0},
      {"1 2", 0},
      {"１２", 0},
      {"2147483647", 2147483647},
      {"-2147483648", -2147483647 - 1},
      {"2147483648", 0},
      {"99999999999999999999", 0},
      {"0x80000000", 0},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseMenuCode(QString::fromUtf8(c.Text)), c.Code) << c.Text;
}

TEST(MenuCode, eachCodeFromZeroToSeventeenHasAnAction) {
  for (qint32 code = 0; code <= 17; ++code) {
    const std::optional<TMenuAction> action = MenuActionFor(code);
    ASSERT_TRUE(action) << code;
    EXPECT_FALSE(action->Caption.isEmpty());
    EXPECT_EQ(action->IsDialog, code == 5 || code == 8) << code;
    EXPECT_EQ(action->NeedsSession, code == 5 || code == 6 || code == 7) << code;
  }
  EXPECT_FALSE(MenuActionFor(-1));
  EXPECT_FALSE(MenuActionFor(18));
}
