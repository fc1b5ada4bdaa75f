#pragma once

#include <QString>
#include <string>
#include <vector>

// A formula as the evaluator works it out, parsed from the text of an .xlsx
// cell or decoded from the tokens of an .xls record: a tree of nodes held in
// one vector, the root last.
namespace spreadsheet::formula {

enum class EOperator {
  Add,
  Subtract,
  Multiply,
  Divide,
  Power,
  Concatenate,
  Equal,
  NotEqual,
  Less,
  LessOrEqual,
  Greater,
  GreaterOrEqual,
  Negate,
  Plus,
  Percent,
};

enum class EFunction {
  Sum,
  Round,
  RoundUp,
  RoundDown,
  Int,
  Abs,
  If,
  And,
  Or,
  Concatenate,
  Text,
  Left,
  Right,
  Mid,
  Len,
  Trim,
  Value,
};

// A cell as the formula names it, rows and columns from 0. A relative part
// moves with the cell a shared formula is used in; a "$" part does not.
struct TCellPosition {
  int Row = 0;
  int Column = 0;
  bool RowFixed = false;
  bool ColumnFixed = false;
};

struct TNode {
  enum class EKind {
    Number,
    Text,
    Boolean,
    Error,        // Text holds "#DIV/0!" and the like
    Missing,      // an argument left out: IF(A1,,1)
    Reference,    // a cell or a range, on Sheet (-1: the formula's own sheet)
    Operator,     // on Arguments
    Function,     // on Arguments
    Unsupported,  // Text says what the component cannot work out
  };
  EKind Kind = EKind::Missing;
  double Number = 0;  // Number; Boolean as 0 or 1
  QString Text;
  int Sheet = -1;
  TCellPosition First, Last;  // Last equals First for one cell
  EOperator Operator = EOperator::Add;
  EFunction Function = EFunction::Sum;
  std::vector<int> Arguments;  // node indices, in order
};

struct TFormula {
  std::vector<TNode> Nodes;

  int Add(TNode node) {
    Nodes.push_back(std::move(node));
    return int(Nodes.size()) - 1;
  }
  int Root() const { return int(Nodes.size()) - 1; }
};

// Nesting deeper than this is refused when a formula is read, so that working
// one out never runs deep into the stack.
constexpr int kMaxDepth = 256;

// What a formula in the cell at row and column does, regardless of where it
// is: two formulas of the same shape differ only in where they are, as
// "D2+E2" in row 2 and "D3+E3" in row 3 do.
std::string ShapeOf(const TFormula& formula, int row, int column);

// A formula that is only the note of what cannot be worked out.
TFormula UnsupportedFormula(const QString& what);

struct TFunctionInfo {
  EFunction Function;
  const char16_t* Name;   // "SUM"
  int XlsNumber;          // in .xls formula tokens
  int XlsFixedArguments;  // for a token of fixed arguments; 0: the token gives the count
};

// The function of a name ("SUM", any case) or of an .xls number; null for one
// the evaluator does not know.
const TFunctionInfo* FunctionNamed(const QString& name);
const TFunctionInfo* FunctionNumbered(int xlsNumber);

// "#DIV/0!" and the other error values a cell can hold.
bool IsErrorText(QStringView text);
// The error value text starts with (any case), or empty text.
QStringView ErrorTextAtStart(QStringView text);

}  // namespace spreadsheet::formula
