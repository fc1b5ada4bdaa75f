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

bool FunctionNamed(const QString& name, EFunction& function) {
  static const std::array<std::pair<const char16_t*, EFunction>, 17> kFunctions{{
      {u"SUM", EFunction::Sum},
      {u"ROUND", EFunction::Round},
      {u"ROUNDUP", EFunction::RoundUp},
      {u"ROUNDDOWN", EFunction::RoundDown},
      {u"INT", EFunction::Int},
      {u"ABS", EFunction::Abs},
      {u"IF", EFunction::If},
      {u"AND", EFunction::And},
      {u"OR", EFunction::Or},
      {u"CONCATENATE", EFunction::Concatenate},
      {u"TEXT", EFunction::Text},
      {u"LEFT", EFunction::Left},
      {u"RIGHT", EFunction::Right},
      {u"MID", EFunction::Mid},
      {u"LEN", EFunction::Len},
      {u"TRIM", EFunction::Trim},
      {u"VALUE", EFunction::Value},
  }};
  for (const auto& [known, value] : kFunctions) {
    if (name.compare(QStringView(known), Qt::CaseInsensitive) == 0) {
      function = value;
      return true;
    }
  }
  return false;
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
