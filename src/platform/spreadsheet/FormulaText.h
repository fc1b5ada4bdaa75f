#pragma once

#include <QString>
#include <QStringList>

#include "platform/spreadsheet/Formula.h"

namespace spreadsheet::formula {

// The formula of an .xlsx cell, as written there without the "=". Sheet names
// in references are looked up in sheetNames (the worksheets in order); an
// unknown one reads as #REF!. A function or name the evaluator does not know
// becomes an Unsupported node, and text that cannot be parsed at all makes
// the whole formula one.
TFormula ParseFormulaText(QStringView text, const QStringList& sheetNames);

// "C12" for row 11, column 2 (from 0).
QString CellName(int row, int column);

}  // namespace spreadsheet::formula
