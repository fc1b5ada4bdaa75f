#include "platform/spreadsheet/FormulaText.h"

#include <algorithm>
#include <charconv>
#include <string>

namespace spreadsheet::formula {

namespace {

constexpr int kLastRow = 1048575;
constexpr int kLastColumn = 16383;

struct TSyntaxError {
  const char* What = "无法识别的写法";
};

constexpr TSyntaxError kTooDeep{"嵌套过深或过长的算式"};

// A reference read from the text: "$B$3", "B3", or a whole column "B".
struct TReferenceText {
  TCellPosition Position;
  bool WholeColumn = false;
};

bool IsWordCharacter(QChar c) {
  return c.isLetterOrNumber() || c == u'_' || c == u'.' || c == u'$' || c == u'\\';
}

// "$AB$12" or "AB12" as a cell, "$AB" or "AB" as a whole column; false for
// any other word.
bool ReadReference(QStringView word, TReferenceText& reference) {
  qsizetype i = 0;
  const auto fixed = [&] {
    if (i < word.size() && word[i] == u'$') {
      ++i;
      return true;
    }
    return false;
  };
  reference.Position.ColumnFixed = fixed();
  int column = 0;
  const qsizetype letters = i;
  while (i < word.size() && i - letters < 3 && word[i].toUpper() >= u'A' &&
         word[i].toUpper() <= u'Z')
    column = column * 26 + (word[i++].toUpper().unicode() - 'A' + 1);
  if (i == letters || column - 1 > kLastColumn) return false;
  reference.Position.Column = column - 1;
  if (i == word.size()) {
    if (reference.Position.ColumnFixed && word.size() == 1) return false;
    reference.WholeColumn = true;
    reference.Position.Row = 0;
    reference.Position.RowFixed = true;
    return true;
  }
  reference.Position.RowFixed = fixed();
  const qsizetype digits = i;
  int row = 0;
  while (i < word.size() && word[i].isDigit() && row <= kLastRow + 1)
    row = row * 10 + word[i++].digitValue();
  if (i == digits || i != word.size() || row < 1 || row - 1 > kLastRow) return false;
  reference.Position.Row = row - 1;
  return true;
}

class TParser {
 public:
  TParser(QStringView text, const QStringList& sheetNames) : text_(text), sheetNames_(sheetNames) {}

  TFormula Parse() {
    try {
      Expression();
      SkipSpaces();
      if (position_ != text_.size()) throw TSyntaxError();
    } catch (const TSyntaxError& error) {
      formula_ = UnsupportedFormula(QString::fromUtf8(error.What));
    }
    return std::move(formula_);
  }

 private:
  // Node building, with the depth of each node's subtree held beside it.
  int Add(TNode node) {
    int depth = 1;
    for (const int argument : node.Arguments)
      depth = std::max(depth, depths_[size_t(argument)] + 1);
    if (depth > kMaxDepth) throw kTooDeep;
    depths_.push_back(depth);
    return formula_.Add(std::move(node));
  }

  int Operator(EOperator op, std::vector<int> arguments) {
    TNode node;
    node.Kind = TNode::EKind::Operator;
    node.Operator = op;
    node.Arguments = std::move(arguments);
    return Add(std::move(node));
  }

  int Leaf(TNode::EKind kind, QString text = {}, double number = 0) {
    TNode node;
    node.Kind = kind;
    node.Text = std::move(text);
    node.Number = number;
    return Add(std::move(node));
  }

  void SkipSpaces() {
    while (position_ < text_.size() && text_[position_].isSpace()) ++position_;
  }

  // Takes token when the text goes on with it.
  bool Take(QStringView token) {
    SkipSpaces();
    if (!text_.mid(position_).startsWith(token)) return false;
    position_ += token.size();
    return true;
  }

  int Expression() {
    if (++nesting_ > kMaxDepth) throw kTooDeep;
    const int node = Binary(0);
    --nesting_;
    return node;
  }

  // The binary operators from the loosest to the tightest binding; each level
  // is left-associative. Longer tokens come before their prefixes.
  struct TBinary {
    const char16_t* Token;
    EOperator Operator;
  };
  static const std::vector<std::vector<TBinary>>& Levels() {
    static const std::vector<std::vector<TBinary>> kLevels{
        {{u"<>", EOperator::NotEqual},
         {u"<=", EOperator::LessOrEqual},
         {u">=", EOperator::GreaterOrEqual},
         {u"=", EOperator::Equal},
         {u"<", EOperator::Less},
         {u">", EOperator::Greater}},
        {{u"&", EOperator::Concatenate}},
        {{u"+", EOperator::Add}, {u"-", EOperator::Subtract}},
        {{u"*", EOperator::Multiply}, {u"/", EOperator::Divide}},
        {{u"^", EOperator::Power}},
    };
    return kLevels;
  }

  int Binary(size_t level) {
    if (level == Levels().size()) return Sign();
    const std::vector<TBinary>& operators = Levels()[level];
    int left = Binary(level + 1);
    for (;;) {
      const auto found = std::find_if(operators.begin(), operators.end(),
                                      [this](const TBinary& b) { return Take(b.Token); });
      if (found == operators.end()) return left;
      left = Operator(found->Operator, {left, Binary(level + 1)});
    }
  }

  // A sign binds tighter than "^": -2^2 is 4.
  int Sign() {
    if (++nesting_ > kMaxDepth) throw kTooDeep;
    int node;
    if (Take(u"-"))
      node = Operator(EOperator::Negate, {Sign()});
    else if (Take(u"+"))
      node = Operator(EOperator::Plus, {Sign()});
    else
      node = Percent();
    --nesting_;
    return node;
  }

  int Percent() {
    int node = Primary();
    while (Take(u"%")) node = Operator(EOperator::Percent, {node});
    return node;
  }

  int Primary() {
    SkipSpaces();
    if (position_ >= text_.size()) throw TSyntaxError();
    const QChar c = text_[position_];
    if (c == u'(') {
      ++position_;
      const int node = Expression();
      if (!Take(u")")) throw TSyntaxError();
      return node;
    }
    if (c == u'"') return String();
    if (c == u'#') return ErrorLiteral();
    if (c.isDigit() || c == u'.') return Number();
    if (c == u'\'') {
      const QString sheet = QuotedSheetName();
      if (!Take(u"!")) throw TSyntaxError();
      return SheetReference(sheet);
    }
    if (c == u'[') return Leaf(TNode::EKind::Unsupported, QStringLiteral("对其他工作簿的引用"));
    return Word();
  }

  int String() {
    QString text;
    ++position_;
    for (;;) {
      if (position_ >= text_.size()) throw TSyntaxError();
      const QChar c = text_[position_++];
      if (c == u'"') {
        if (position_ < text_.size() && text_[position_] == u'"') {
          ++position_;
        } else {
          return Leaf(TNode::EKind::Text, text);
        }
      }
      text += c;
    }
  }

  int ErrorLiteral() {
    const QStringView error = ErrorTextAtStart(text_.mid(position_));
    if (error.isEmpty()) throw TSyntaxError();
    position_ += error.size();
    return Leaf(TNode::EKind::Error, error.toString());
  }

  int Number() {
    const qsizetype start = position_;
    while (position_ < text_.size() && (text_[position_].isDigit() || text_[position_] == u'.'))
      ++position_;
    if (position_ < text_.size() && (text_[position_] == u'E' || text_[position_] == u'e')) {
      qsizetype i = position_ + 1;
      if (i < text_.size() && (text_[i] == u'+' || text_[i] == u'-')) ++i;
      if (i < text_.size() && text_[i].isDigit()) {
        position_ = i;
        while (position_ < text_.size() && text_[position_].isDigit()) ++position_;
      }
    }
    const std::string digits = text_.mid(start, position_ - start).toLatin1().toStdString();
    double value = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
    if (error != std::errc() || end != digits.data() + digits.size()) throw TSyntaxError();
    if (position_ < text_.size() && text_[position_] == u':')
      return Leaf(TNode::EKind::Unsupported, QStringLiteral("整行引用"));
    return Leaf(TNode::EKind::Number, {}, value);
  }

  QString QuotedSheetName() {
    QString name;
    ++position_;
    for (;;) {
      if (position_ >= text_.size()) throw TSyntaxError();
      const QChar c = text_[position_++];
      if (c == u'\'') {
        if (position_ < text_.size() && text_[position_] == u'\'') {
          ++position_;
        } else {
          return name;
        }
      }
      name += c;
    }
  }

  QStringView ReadWord() {
    SkipSpaces();
    const qsizetype start = position_;
    while (position_ < text_.size() && IsWordCharacter(text_[position_])) ++position_;
    return text_.mid(start, position_ - start);
  }

  int Word() {
    const QStringView word = ReadWord();
    if (word.isEmpty()) throw TSyntaxError();
    if (position_ < text_.size() && text_[position_] == u'!') {
      ++position_;
      return SheetReference(word.toString());
    }
    const bool isTrue = word.compare(u"TRUE", Qt::CaseInsensitive) == 0;
    if (isTrue || word.compare(u"FALSE", Qt::CaseInsensitive) == 0) {
      Take(u"()");  // TRUE() is TRUE
      return Leaf(TNode::EKind::Boolean, {}, isTrue ? 1 : 0);
    }
    if (position_ < text_.size() && text_[position_] == u'(') {
      ++position_;
      return Function(word.toString());
    }
    TReferenceText first;
    if (ReadReference(word, first)) return Range(-1, first);
    return Leaf(TNode::EKind::Unsupported, QStringLiteral("名称 %1").arg(word));
  }

  int SheetReference(const QString& sheetName) {
    TReferenceText first;
    if (Take(u"#REF!")) return Leaf(TNode::EKind::Error, QStringLiteral("#REF!"));
    if (!ReadReference(ReadWord(), first)) throw TSyntaxError();
    const qsizetype sheet = std::find_if(sheetNames_.begin(), sheetNames_.end(),
                                         [&](const QString& name) {
                                           return name.compare(sheetName, Qt::CaseInsensitive) == 0;
                                         }) -
                            sheetNames_.begin();
    if (sheet == sheetNames_.size()) {
      if (position_ < text_.size() && text_[position_] == u':') {
        ++position_;
        ReadWord();
      }
      return Leaf(TNode::EKind::Error, QStringLiteral("#REF!"));
    }
    return Range(int(sheet), first);
  }

  // A cell, or a range when ":" follows; a whole column only as a range.
  int Range(int sheet, const TReferenceText& first) {
    TNode node;
    node.Kind = TNode::EKind::Reference;
    node.Sheet = sheet;
    node.First = node.Last = first.Position;
    if (position_ < text_.size() && text_[position_] == u':') {
      ++position_;
      TReferenceText last;
      if (!ReadReference(ReadWord(), last) || last.WholeColumn != first.WholeColumn)
        throw TSyntaxError();
      node.Last = last.Position;
      if (last.WholeColumn) {
        node.Last.Row = kLastRow;
        node.Last.RowFixed = true;
      }
    } else if (first.WholeColumn) {
      throw TSyntaxError();
    }
    return Add(std::move(node));
  }

  int Function(const QString& name) {
    std::vector<int> arguments;
    SkipSpaces();
    if (!Take(u")")) {
      do {
        SkipSpaces();
        if (position_ < text_.size() && (text_[position_] == u',' || text_[position_] == u')'))
          arguments.push_back(Leaf(TNode::EKind::Missing));
        else
          arguments.push_back(Expression());
      } while (Take(u","));
      if (!Take(u")")) throw TSyntaxError();
    }
    TNode node;
    const QString plainName =
        name.startsWith(QLatin1String("_xlfn."), Qt::CaseInsensitive) ? name.mid(6) : name;
    const TFunctionInfo* function = FunctionNamed(plainName);
    if (!function) {
      node.Kind = TNode::EKind::Unsupported;
      node.Text = QStringLiteral("函数 %1").arg(plainName.toUpper());
      return Add(std::move(node));
    }
    node.Kind = TNode::EKind::Function;
    node.Function = function->Function;
    node.Arguments = std::move(arguments);
    return Add(std::move(node));
  }

  QStringView text_;
  const QStringList& sheetNames_;
  qsizetype position_ = 0;
  int nesting_ = 0;
  TFormula formula_;
  std::vector<int> depths_;
};

}  // namespace

TFormula ParseFormulaText(QStringView text, const QStringList& sheetNames) {
  return TParser(text, sheetNames).Parse();
}

QString CellName(int row, int column) {
  QString letters;
  for (int c = column + 1; c > 0; c = (c - 1) / 26)
    letters.prepend(QChar(char16_t(u'A' + (c - 1) % 26)));
  return letters + QString::number(row + 1);
}

}  // namespace spreadsheet::formula
