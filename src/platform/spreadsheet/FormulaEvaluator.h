#pragma once

#include "platform/spreadsheet/Formula.h"
#include "platform/spreadsheet/FormulaValue.h"

namespace spreadsheet::formula {

// The cells a formula reads. Value may throw to stop the working out (a cell
// that cannot be read, or one to be worked out first); the evaluator lets it
// pass.
class TCellValues {
 public:
  virtual ~TCellValues() = default;
  virtual TValue Value(int sheet, int row, int column) = 0;
  // Rows and columns of a sheet that hold anything: ranges of whole columns
  // end there.
  virtual int Rows(int sheet) = 0;
  virtual int Columns(int sheet) = 0;
};

// Works out formula in a cell of sheet; a shared formula used rowShift rows
// and columnShift columns away from where it was written moves its relative
// references by as much. Throws TUnsupported for what it cannot work out.
TValue Evaluate(const TFormula& formula, int sheet, int rowShift, int columnShift,
                TCellValues& cells);

}  // namespace spreadsheet::formula
