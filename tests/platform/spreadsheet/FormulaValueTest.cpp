#include <gtest/gtest.h>

#include "platform/spreadsheet/FormulaValue.h"

namespace {

using spreadsheet::formula::TValue;
using spreadsheet::formula::ValueOfCellText;

TEST(FormulaValue, onlyAsciiNumberTextOfACellIsANumber) {
  EXPECT_EQ(ValueOfCellText("-1.5E3").Number, -1500);
  EXPECT_EQ(ValueOfCellText("-1.5E3").Type, TValue::EType::Number);
  // A damaged file's number cell: "丱" (U+4E31) ends in the byte of "1", and a
  // text longer than any number's ran past the converted characters.
  EXPECT_EQ(ValueOfCellText(QString::fromUtf8("丱")).Type, TValue::EType::Text);
  EXPECT_EQ(ValueOfCellText(QString(70, u'1')).Type, TValue::EType::Text);
}

}  // namespace
