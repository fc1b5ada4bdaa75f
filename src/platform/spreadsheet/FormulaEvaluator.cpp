#include "platform/spreadsheet/FormulaEvaluator.h"

#include <algorithm>
#include <cmath>

#include "platform/spreadsheet/FormulaFunctions.h"

namespace spreadsheet::formula {

namespace {

using EKind = TNode::EKind;
using EType = TValue::EType;

constexpr int kLastRow = 1048575;
constexpr int kLastColumn = 16383;

struct TArea {
  int Sheet = 0;
  int FirstRow = 0, FirstColumn = 0, LastRow = 0, LastColumn = 0;
  bool IsCell() const { return FirstRow == LastRow && FirstColumn == LastColumn; }
};

class TEvaluation {
 public:
  TEvaluation(const TFormula& formula, int sheet, int rowShift, int columnShift, TCellValues& cells)
      : formula_(formula),
        sheet_(sheet),
        rowShift_(rowShift),
        columnShift_(columnShift),
        cells_(cells) {}

  TValue Run() { return At(formula_.Root()); }

 private:
  const TNode& Node(int index) const { return formula_.Nodes[size_t(index)]; }

  TValue At(int index) {
    const TNode& node = Node(index);
    switch (node.Kind) {
      case EKind::Number:
        return TValue::OfNumber(node.Number);
      case EKind::Text:
        return TValue::OfText(node.Text);
      case EKind::Boolean:
        return TValue::OfBoolean(node.Number != 0);
      case EKind::Error: {
        TValue error;
        error.Type = EType::Error;
        error.Text = node.Text;
        return error;
      }
      case EKind::Missing:
        return {};
      case EKind::Reference:
        return Single(node);
      case EKind::Operator:
        return Operator(node);
      case EKind::Function:
        return Function(node);
      case EKind::Unsupported:
        throw TUnsupported{node.Text};
    }
    return {};
  }

  // The cells a reference names once relative parts have moved; false when
  // they fall off the sheet.
  bool Area(const TNode& node, TArea& area) const {
    area.Sheet = node.Sheet < 0 ? sheet_ : node.Sheet;
    const auto row = [this](const TCellPosition& p) {
      return p.Row + (p.RowFixed ? 0 : rowShift_);
    };
    const auto column = [this](const TCellPosition& p) {
      return p.Column + (p.ColumnFixed ? 0 : columnShift_);
    };
    area.FirstRow = std::min(row(node.First), row(node.Last));
    area.LastRow = std::max(row(node.First), row(node.Last));
    area.FirstColumn = std::min(column(node.First), column(node.Last));
    area.LastColumn = std::max(column(node.First), column(node.Last));
    return area.FirstRow >= 0 && area.LastRow <= kLastRow && area.FirstColumn >= 0 &&
           area.LastColumn <= kLastColumn;
  }

  TValue Single(const TNode& node) {
    TArea area;
    if (!Area(node, area)) return TValue::OfError("#REF!");
    if (!area.IsCell()) return TValue::OfError("#VALUE!");
    return cells_.Value(area.Sheet, area.FirstRow, area.FirstColumn);
  }

  // Every cell of a range that can hold anything, row by row.
  bool RangeValues(const TNode& node, std::vector<TValue>& values) {
    TArea area;
    if (!Area(node, area)) return false;
    const int lastRow = std::min(area.LastRow, cells_.Rows(area.Sheet) - 1);
    const int lastColumn = std::min(area.LastColumn, cells_.Columns(area.Sheet) - 1);
    for (int r = area.FirstRow; r <= lastRow; ++r)
      for (int c = area.FirstColumn; c <= lastColumn; ++c)
        values.push_back(cells_.Value(area.Sheet, r, c));
    return true;
  }

  TValue Operator(const TNode& node) {
    TValue left = At(node.Arguments[0]);
    if (node.Arguments.size() == 1) return Unary(node.Operator, left);
    TValue right = At(node.Arguments[1]);
    if (left.IsError()) return left;
    if (right.IsError()) return right;
    switch (node.Operator) {
      case EOperator::Concatenate:
        return TValue::OfText(TextOf(left) + TextOf(right));
      case EOperator::Equal:
        return TValue::OfBoolean(Compare(left, right) == 0);
      case EOperator::NotEqual:
        return TValue::OfBoolean(Compare(left, right) != 0);
      case EOperator::Less:
        return TValue::OfBoolean(Compare(left, right) < 0);
      case EOperator::LessOrEqual:
        return TValue::OfBoolean(Compare(left, right) <= 0);
      case EOperator::Greater:
        return TValue::OfBoolean(Compare(left, right) > 0);
      case EOperator::GreaterOrEqual:
        return TValue::OfBoolean(Compare(left, right) >= 0);
      default:
        return Arithmetic(node.Operator, left, right);
    }
  }

  static TValue Unary(EOperator op, const TValue& operand) {
    if (operand.IsError()) return operand;
    const std::optional<double> number = NumberOf(operand);
    if (!number) return TValue::OfError("#VALUE!");
    if (op == EOperator::Negate) return TValue::OfNumber(-*number);
    if (op == EOperator::Percent) return TValue::OfNumber(*number / 100);
    return TValue::OfNumber(*number);
  }

  static TValue Arithmetic(EOperator op, const TValue& left, const TValue& right) {
    const std::optional<double> a = NumberOf(left);
    const std::optional<double> b = NumberOf(right);
    if (!a || !b) return TValue::OfError("#VALUE!");
    switch (op) {
      case EOperator::Add:
        return TValue::OfNumber(*a + *b);
      case EOperator::Subtract:
        return TValue::OfNumber(*a - *b);
      case EOperator::Multiply:
        return TValue::OfNumber(*a * *b);
      case EOperator::Divide:
        if (*b == 0) return TValue::OfError("#DIV/0!");
        return TValue::OfNumber(*a / *b);
      case EOperator::Power:
        if (*a == 0 && *b == 0) return TValue::OfError("#NUM!");
        return TValue::OfNumber(std::pow(*a, *b));
      default:
        return TValue::OfError("#VALUE!");
    }
  }

  TValue Function(const TNode& node) {
    switch (node.Function) {
      case EFunction::If:
        return If(node);
      case EFunction::Sum:
      case EFunction::And:
      case EFunction::Or:
        return Aggregate(node.Function, AggregateArguments(node));
      default: {
        std::vector<TValue> values;
        values.reserve(node.Arguments.size());
        for (const int argument : node.Arguments) values.push_back(At(argument));
        return CallFunction(node.Function, values);
      }
    }
  }

  std::vector<TArgument> AggregateArguments(const TNode& node) {
    std::vector<TArgument> arguments(node.Arguments.size());
    for (size_t i = 0; i < node.Arguments.size(); ++i) {
      const TNode& argument = Node(node.Arguments[i]);
      TArgument& out = arguments[i];
      out.FromCells = argument.Kind == EKind::Reference;
      if (!out.FromCells)
        out.Values.push_back(At(node.Arguments[i]));
      else if (!RangeValues(argument, out.Values))
        out.Values.push_back(TValue::OfError("#REF!"));
    }
    return arguments;
  }

  // Only the branch taken is worked out. A branch left out is FALSE; one left
  // empty is 0.
  TValue If(const TNode& node) {
    if (node.Arguments.size() < 2 || node.Arguments.size() > 3) return TValue::OfError("#VALUE!");
    TValue condition = At(node.Arguments[0]);
    if (condition.IsError()) return condition;
    bool truth = false;
    if (condition.Type == EType::Text) {
      if (condition.Text.compare(u"TRUE", Qt::CaseInsensitive) == 0)
        truth = true;
      else if (condition.Text.compare(u"FALSE", Qt::CaseInsensitive) != 0)
        return TValue::OfError("#VALUE!");
    } else {
      truth = condition.Number != 0;
    }
    if (!truth && node.Arguments.size() == 2) return TValue::OfBoolean(false);
    const TValue result = At(node.Arguments[truth ? 1 : 2]);
    return result.Type == EType::Blank ? TValue::OfNumber(0) : result;
  }

  const TFormula& formula_;
  int sheet_;
  int rowShift_;
  int columnShift_;
  TCellValues& cells_;
};

}  // namespace

TValue Evaluate(const TFormula& formula, int sheet, int rowShift, int columnShift,
                TCellValues& cells) {
  if (formula.Nodes.empty()) return TValue::OfError("#VALUE!");
  return TEvaluation(formula, sheet, rowShift, columnShift, cells).Run();
}

}  // namespace spreadsheet::formula
