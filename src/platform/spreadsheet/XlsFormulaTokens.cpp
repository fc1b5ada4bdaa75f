#include "platform/spreadsheet/XlsFormulaTokens.h"

#include <QtEndian>
#include <algorithm>
#include <array>
#include <utility>

#include "platform/spreadsheet/XlsRecords.h"

namespace spreadsheet::xls {

namespace {

using formula::EFunction;
using formula::EOperator;
using formula::TCellPosition;
using formula::TFormula;
using formula::TNode;
using EKind = TNode::EKind;

struct TStop {
  QString What;
};

// Names of common functions the evaluator does not know, for the message.
QString FunctionName(int index) {
  static const std::array<std::pair<int, const char*>, 16> kNames{{
      {0, "COUNT"},
      {5, "AVERAGE"},
      {6, "MIN"},
      {7, "MAX"},
      {29, "INDEX"},
      {39, "MOD"},
      {64, "MATCH"},
      {65, "DATE"},
      {74, "NOW"},
      {102, "VLOOKUP"},
      {101, "HLOOKUP"},
      {169, "COUNTA"},
      {221, "TODAY"},
      {345, "SUMIF"},
      {346, "COUNTIF"},
      {3, "ISERROR"},
  }};
  for (const auto& [known, name] : kNames)
    if (known == index) return QStringLiteral("函数 %1").arg(QLatin1String(name));
  return QStringLiteral("本程序不认识的函数（编号 %1）").arg(index);
}

class TDecoder {
 public:
  TDecoder(QByteArrayView tokens, int row, int column, bool shared,
           const std::vector<int>& externSheets)
      : bytes_(reinterpret_cast<const uchar*>(tokens.data())),
        size_(tokens.size()),
        row_(row),
        column_(column),
        shared_(shared),
        externSheets_(externSheets) {}

  TFormula Decode() {
    try {
      while (position_ < size_) Token();
      if (stack_.size() != 1) throw TStop{QStringLiteral("无法识别的写法")};
    } catch (const TStop& stop) {
      return formula::UnsupportedFormula(stop.What);
    }
    return std::move(formula_);
  }

 private:
  [[noreturn]] static void Unreadable() { throw TStop{QStringLiteral("无法识别的写法")}; }

  const uchar* Take(qsizetype count) {
    if (size_ - position_ < count) Unreadable();
    const uchar* at = bytes_ + position_;
    position_ += count;
    return at;
  }
  quint8 U8() { return *Take(1); }
  quint16 U16() { return U16At(Take(2)); }

  int Pop() {
    if (stack_.empty()) Unreadable();
    const int node = stack_.back();
    stack_.pop_back();
    return node;
  }

  // Pushes node once the nesting of its arguments is known to be within bounds.
  void Push(TNode node) {
    int depth = 1;
    for (const int argument : node.Arguments)
      depth = std::max(depth, depths_[size_t(argument)] + 1);
    if (depth > formula::kMaxDepth) throw TStop{QStringLiteral("嵌套过深或过长的算式")};
    depths_.push_back(depth);
    stack_.push_back(formula_.Add(std::move(node)));
  }

  void Leaf(EKind kind, QString text = {}, double number = 0) {
    TNode node;
    node.Kind = kind;
    node.Text = std::move(text);
    node.Number = number;
    Push(std::move(node));
  }

  void Operator(EOperator op, int operands) {
    TNode node;
    node.Kind = EKind::Operator;
    node.Operator = op;
    node.Arguments.resize(size_t(operands));
    for (int i = operands - 1; i >= 0; --i) node.Arguments[size_t(i)] = Pop();
    Push(std::move(node));
  }

  void Function(int index, int arguments) {
    TNode node;
    node.Arguments.resize(size_t(arguments));
    for (int i = arguments - 1; i >= 0; --i) node.Arguments[size_t(i)] = Pop();
    if (const formula::TFunctionInfo* known = formula::FunctionNumbered(index)) {
      node.Kind = EKind::Function;
      node.Function = known->Function;
    } else {
      node.Kind = EKind::Unsupported;
      node.Text = FunctionName(index);
    }
    Push(std::move(node));
  }

  // A cell of a reference token: a row and a column field whose two top bits
  // say which parts are relative. Relative parts of a shared formula are
  // offsets from the cell.
  TCellPosition Position(quint16 row, quint16 column, bool offsets) const {
    TCellPosition position;
    position.RowFixed = !(column & 0x8000);
    position.ColumnFixed = !(column & 0x4000);
    position.Row = row;
    position.Column = column & 0xFF;
    if (offsets && !position.RowFixed) position.Row = row_ + qint16(row);
    if (offsets && !position.ColumnFixed) position.Column = column_ + qint8(column & 0xFF);
    return position;
  }

  // offsets: the token is of the kind whose relative parts are offsets in a
  // shared formula.
  void Reference(int sheet, bool area, bool offsets) {
    offsets = offsets && shared_;
    TNode node;
    node.Kind = EKind::Reference;
    node.Sheet = sheet;
    if (area) {
      const quint16 firstRow = U16(), lastRow = U16(), firstColumn = U16(), lastColumn = U16();
      node.First = Position(firstRow, firstColumn, offsets);
      node.Last = Position(lastRow, lastColumn, offsets);
    } else {
      const quint16 row = U16(), column = U16();
      node.First = node.Last = Position(row, column, offsets);
    }
    if (node.First.Row < 0 || node.First.Column < 0 || node.Last.Row < 0 || node.Last.Column < 0)
      return Leaf(EKind::Error, QStringLiteral("#REF!"));
    Push(std::move(node));
  }

  void Reference3d(bool area) {
    const quint16 entry = U16();
    const int sheet = entry < externSheets_.size() ? externSheets_[entry] : SheetGone;
    if (sheet == OtherWorkbook) throw TStop{QStringLiteral("对其他工作簿的引用")};
    if (sheet == SheetRange) throw TStop{QStringLiteral("跨多个工作表的引用")};
    if (sheet == SheetGone) {
      Take(area ? 8 : 4);
      return Leaf(EKind::Error, QStringLiteral("#REF!"));
    }
    Reference(sheet, area, true);
  }

  void Text() {
    const quint8 count = U8();
    const bool wide = U8() & 0x01;
    const uchar* characters = Take(qsizetype(count) * (wide ? 2 : 1));
    QString text(count, Qt::Uninitialized);
    for (int i = 0; i < count; ++i)
      text[i] = QChar(wide ? U16At(characters + 2 * i) : characters[i]);
    Leaf(EKind::Text, text);
  }

  void Attribute() {
    const quint8 options = U8();
    const quint16 data = U16();
    if (options & 0x04) Take((qsizetype(data) + 1) * 2);  // the jump table of CHOOSE
    if (options & 0x10) Function(4, 1);                   // SUM of one argument
  }

  void Token() {
    const quint8 token = U8();
    if (token >= 0x03 && token <= 0x0E) {
      static constexpr std::array<EOperator, 12> kBinary{
          EOperator::Add,   EOperator::Subtract,       EOperator::Multiply, EOperator::Divide,
          EOperator::Power, EOperator::Concatenate,    EOperator::Less,     EOperator::LessOrEqual,
          EOperator::Equal, EOperator::GreaterOrEqual, EOperator::Greater,  EOperator::NotEqual};
      return Operator(kBinary[size_t(token - 0x03)], 2);
    }
    switch (token) {
      case 0x12:
        return Operator(EOperator::Plus, 1);
      case 0x13:
        return Operator(EOperator::Negate, 1);
      case 0x14:
        return Operator(EOperator::Percent, 1);
      case 0x15:  // parentheses: the order is in the tokens already
        return;
      case 0x16:
        return Leaf(EKind::Missing);
      case 0x17:
        return Text();
      case 0x19:
        return Attribute();
      case 0x1C:
        return Leaf(EKind::Error, ErrorText(U8()));
      case 0x1D:
        return Leaf(EKind::Boolean, {}, U8() ? 1 : 0);
      case 0x1E:
        return Leaf(EKind::Number, {}, U16());
      case 0x1F:
        return Leaf(EKind::Number, {}, qFromLittleEndian<double>(Take(8)));
      default:
        break;
    }
    if (token < 0x20 || token > 0x7F) throw TStop{QStringLiteral("无法识别的写法")};
    switch (token & 0x1F) {
      case 0x01: {  // a function of a fixed number of arguments
        const int index = U16();
        const formula::TFunctionInfo* known = formula::FunctionNumbered(index);
        if (!known || known->XlsFixedArguments == 0) throw TStop{FunctionName(index)};
        return Function(index, known->XlsFixedArguments);
      }
      case 0x02: {  // a function with its number of arguments
        const int arguments = U8() & 0x7F;
        const quint16 index = U16();
        if (index & 0x8000) throw TStop{QStringLiteral("宏函数")};
        return Function(index, arguments);
      }
      case 0x03:
      case 0x19:
        throw TStop{QStringLiteral("定义的名称")};
      case 0x04:
        return Reference(-1, false, false);
      case 0x05:
        return Reference(-1, true, false);
      case 0x0C:
        return Reference(-1, false, true);
      case 0x0D:
        return Reference(-1, true, true);
      case 0x06:  // the cells an area expression covers come as its own tokens
      case 0x07:
      case 0x08:
        Take(6);
        return;
      case 0x09:
      case 0x0E:
      case 0x0F:
        Take(2);
        return;
      case 0x0A:
        Take(4);
        return Leaf(EKind::Error, QStringLiteral("#REF!"));
      case 0x0B:
        Take(8);
        return Leaf(EKind::Error, QStringLiteral("#REF!"));
      case 0x1A:
        return Reference3d(false);
      case 0x1B:
        return Reference3d(true);
      case 0x1C:
        Take(6);
        return Leaf(EKind::Error, QStringLiteral("#REF!"));
      case 0x1D:
        Take(10);
        return Leaf(EKind::Error, QStringLiteral("#REF!"));
      case 0x00:
        throw TStop{QStringLiteral("数组常量")};
      default:
        throw TStop{QStringLiteral("无法识别的写法")};
    }
  }

  const uchar* bytes_;
  qsizetype size_;
  qsizetype position_ = 0;
  int row_;
  int column_;
  bool shared_;
  const std::vector<int>& externSheets_;
  TFormula formula_;
  std::vector<int> stack_;
  std::vector<int> depths_;
};

}  // namespace

TFormula DecodeFormula(QByteArrayView tokens, int row, int column, bool shared,
                       const std::vector<int>& externSheets) {
  return TDecoder(tokens, row, column, shared, externSheets).Decode();
}

}  // namespace spreadsheet::xls
