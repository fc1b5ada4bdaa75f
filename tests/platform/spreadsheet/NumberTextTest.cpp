#include <gtest/gtest.h>

#include "platform/spreadsheet/NumberText.h"
#include "platform/spreadsheet/WorkbookData.h"

namespace {

TEST(NumberText, readsAsASpreadsheetShowsAGeneralNumber) {
  EXPECT_EQ(GeneralNumberText(12345678901234.0), QString("12345678901234"));
  EXPECT_EQ(GeneralNumberText(12345678901234567.0), QString("12345678901234568"));
  EXPECT_EQ(GeneralNumberText(0.5), QString("0.5"));
  EXPECT_EQ(GeneralNumberText(-1234.5), QString("-1234.5"));
  EXPECT_EQ(GeneralNumberText(0.1 + 0.2), QString("0.3"));
  EXPECT_EQ(GeneralNumberText(100), QString("100"));
  EXPECT_EQ(GeneralNumberText(0), QString("0"));
  EXPECT_EQ(GeneralNumberText(0.00001), QString("1E-05"));
  EXPECT_EQ(GeneralNumberText(1e20), QString("1E+20"));
}

TEST(SheetData, usedRangeEndsAtTheLastNonEmptyCell) {
  TSheetData sheet;
  EXPECT_EQ(sheet.RowCount(), 0);
  sheet.SetCell(2, 4, "x");
  sheet.SetCell(5, 1, "");
  EXPECT_EQ(sheet.RowCount(), 3);
  EXPECT_EQ(sheet.ColumnCount(), 5);
  EXPECT_EQ(sheet.Cell(2, 4), QString("x"));
  EXPECT_EQ(sheet.Cell(2, 9), QString());
  EXPECT_EQ(sheet.Cell(99, 0), QString());
}

}  // namespace
