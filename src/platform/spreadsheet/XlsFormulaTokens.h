#pragma once

#include <QByteArrayView>
#include <vector>

#include "platform/spreadsheet/Formula.h"

namespace spreadsheet::xls {

// What an entry of the workbook's sheet references (EXTERNSHEET) stands for:
// a worksheet index from 0, or one of these.
enum : int {
  SheetGone = -1,      // a sheet that is no worksheet, or none at all: #REF!
  OtherWorkbook = -2,  // a sheet of another workbook
  SheetRange = -3,     // several sheets at once
};

// The formula of the tokens (the rgce bytes) of a formula in the cell at row
// and column (from 0). In a shared formula the relative references are
// offsets from that cell. Whatever cannot be worked out becomes an Unsupported
// node, or the whole formula one when the tokens cannot be followed.
formula::TFormula DecodeFormula(QByteArrayView tokens, int row, int column, bool shared,
                                const std::vector<int>& externSheets);

}  // namespace spreadsheet::xls
