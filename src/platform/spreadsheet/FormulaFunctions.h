#pragma once

#include <vector>

#include "platform/spreadsheet/Formula.h"
#include "platform/spreadsheet/FormulaValue.h"

// The functions the evaluator knows, on values already worked out; IF is the
// evaluator's, since it works out only the branch it takes.
namespace spreadsheet::formula {

// An argument of SUM, AND or OR: one value, or every cell of a range. Text
// and logical values met in cells are left out where a spreadsheet leaves
// them out; given directly they count or fail.
struct TArgument {
  std::vector<TValue> Values;
  bool FromCells = false;
};

TValue Aggregate(EFunction function, const std::vector<TArgument>& arguments);

// Every other function on one value per argument. Throws TUnsupported for a
// TEXT format other than "0", "0.00", "#,##0.00" and their kin.
TValue CallFunction(EFunction function, const std::vector<TValue>& arguments);

// Up: away from zero; Down: toward zero. Works on the 15 significant digits
// a spreadsheet shows, so ROUND(2.675, 2) is 2.68 although 2.675 is held as
// 2.67499999...
enum class ERounding { Nearest, Up, Down };
double RoundDecimal(double value, int digits, ERounding rounding);

}  // namespace spreadsheet::formula
