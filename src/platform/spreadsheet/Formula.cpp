#include "platform/spreadsheet/Formula.h"

#include <array>
#include <utility>

namespace spreadsheet::formula {

namespace {

template <class T>
void Append(std::string& key, const T& value) {
  key.append(reinterpret_cast<const char*>(&value), sizeof value);
}

void AppendPosition(std::string& key, const TCellPosition& position, int row, int column) {
  Append(key, char(position.RowFixed) | char(position.ColumnFixed) << 1);
  Append(key, position.RowFixed ? position.Row : position.Row - row);
  Append(key, position.ColumnFixed ? position.Column : position.Column - column);
}

}  // namespace

std::string ShapeOf(const TFormula& formula, int row, int column) {
  std::string key;
  key.reserve(formula.Nodes.size() * 24);
  for (const TNode& node : formula.Nodes) {
    Append(key, char(node.Kind));
    switch (node.Kind) {
      case TNode::EKind::Number:
      case TNode::EKind::Boolean:
        Append(key, node.Number);
        break;
      case TNode::EKind::Reference:
        Append(key, node.Sheet);
        AppendPosition(key, node.First, row, column);
        AppendPosition(key, node.Last, row, column);
        break;
      case TNode::EKind::Operator:
      case TNode::EKind::Function:
        Append(key,
               char(node.Kind == TNode::EKind::Operator ? int(node.Operator) : int(node.Function)));
        Append(key, int(node.Arguments.size()));
        for (const int argument : node.Arguments) Append(key, argument);
        break;
      default:
        break;
    }
    Append(key, int(node.Text.size()));
    key.append(reinterpret_cast<const char*>(node.Text.utf16()), size_t(node.Text.size()) * 2);
  }
  return key;
}

TFormula UnsupportedFormula(const QString& what) {
  TFormula formula;
  TNode node;
  node.Kind = TNode::EKind::Unsupported;
  node.Text = what;
  formula.Add(std::move(node));
  return formula;
}

namespace {

// Every function the evaluator knows: its name, and its number in .xls
// formula tokens with the argument count a token of fixed arguments implies
// (none for functions that always give their count).
const std::array<TFunctionInfo, 17> kFunctions{{
    {EFunction::Sum, u"SUM", 4, 0},
    {EFunction::Round, u"ROUND", 27, 2},
    {EFunction::RoundUp, u"ROUNDUP", 212, 2},
    {EFunction::RoundDown, u"ROUNDDOWN", 213, 2},
    {EFunction::Int, u"INT", 25, 1},
    {EFunction::Abs, u"ABS", 24, 1},
    {EFunction::If, u"IF", 1, 0},
    {EFunction::And, u"AND", 36, 0},
    {EFunction::Or, u"OR", 37, 0},
    {EFunction::Concatenate, u"CONCATENATE", 336, 0},
    {EFunction::Text, u"TEXT", 48, 2},
    {EFunction::Left, u"LEFT", 115, 0},
    {EFunction::Right, u"RIGHT", 116, 0},
    {EFunction::Mid, u"MID", 31, 3},
    {EFunction::Len, u"LEN", 32, 1},
    {EFunction::Trim, u"TRIM", 118, 1},
    {EFunction::Value, u"VALUE", 33, 1},
}};

}  // namespace

const TFunctionInfo* FunctionNamed(const QString& name) {
  for (const TFunctionInfo& function : kFunctions)
    if (name.compare(QStringView(function.Name), Qt::CaseInsensitive) == 0) return &function;
  return nullptr;
}

const TFunctionInfo* FunctionNumbered(int xlsNumber) {
  for (const TFunctionInfo& function : kFunctions)
    if (function.XlsNumber == xlsNumber) return &function;
  return nullptr;
}

namespace {

const std::array<const char16_t*, 7> kErrors{u"#DIV/0!", u"#VALUE!", u"#REF!", u"#NAME?",
                                             u"#NUM!",   u"#N/A",    u"#NULL!"};

}  // namespace

bool IsErrorText(QStringView text) {
  if (text.isEmpty() || text[0] != u'#') return false;
  for (const char16_t* error : kErrors)
    if (text == QStringView(error)) return true;
  return false;
}

QStringView ErrorTextAtStart(QStringView text) {
  for (const char16_t* error : kErrors) {
    const QStringView name(error);
    if (text.startsWith(name, Qt::CaseInsensitive)) return name;
  }
  return {};
}

}  // namespace spreadsheet::formula
