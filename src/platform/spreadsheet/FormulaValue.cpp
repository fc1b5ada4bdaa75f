#include "platform/spreadsheet/FormulaValue.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

#include "platform/spreadsheet/Formula.h"
#include "platform/spreadsheet/NumberText.h"

namespace spreadsheet::formula {

TValue TValue::OfNumber(double number) {
  if (!std::isfinite(number)) return OfError("#NUM!");
  TValue value;
  value.Type = EType::Number;
  value.Number = number == 0 ? 0 : number;  // no -0
  return value;
}

TValue TValue::OfText(QString text) {
  TValue value;
  value.Type = EType::Text;
  value.Text = std::move(text);
  return value;
}

TValue TValue::OfBoolean(bool truth) {
  TValue value;
  value.Type = EType::Boolean;
  value.Number = truth ? 1 : 0;
  return value;
}

TValue TValue::OfError(const char* error) {
  TValue value;
  value.Type = EType::Error;
  value.Text = QString::fromLatin1(error);
  return value;
}

std::optional<double> NumberInText(const QString& text) {
  QString plain = text.trimmed();
  double scale = 1;
  if (plain.endsWith(u'%')) {
    plain.chop(1);
    scale = 0.01;
  }
  // Thousands separators only between digits.
  for (qsizetype i = plain.size() - 2; i > 0; --i)
    if (plain[i] == u',' && plain[i - 1].isDigit() && plain[i + 1].isDigit()) plain.remove(i, 1);
  if (plain.startsWith(u'+')) plain.remove(0, 1);
  if (plain.isEmpty() || plain.size() > 400) return std::nullopt;
  const QByteArray latin = plain.toLatin1();
  double number = 0;
  const auto [end, error] = std::from_chars(latin.data(), latin.data() + latin.size(), number);
  if (error != std::errc() || end != latin.data() + latin.size() || !std::isfinite(number))
    return std::nullopt;
  return number * scale;
}

std::optional<double> NumberOf(const TValue& value) {
  switch (value.Type) {
    case TValue::EType::Blank:
      return 0.0;
    case TValue::EType::Number:
    case TValue::EType::Boolean:
      return value.Number;
    case TValue::EType::Text:
      return NumberInText(value.Text);
    case TValue::EType::Error:
      break;
  }
  return std::nullopt;
}

QString TextOf(const TValue& value) {
  switch (value.Type) {
    case TValue::EType::Blank:
      return {};
    case TValue::EType::Number:
      return GeneralNumberText(value.Number);
    case TValue::EType::Boolean:
      return value.Number != 0 ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
    case TValue::EType::Text:
    case TValue::EType::Error:
      break;
  }
  return value.Text;
}

TValue ValueOfCellText(const QString& text) {
  if (text.isEmpty()) return {};
  if (text == u"TRUE") return TValue::OfBoolean(true);
  if (text == u"FALSE") return TValue::OfBoolean(false);
  if (IsErrorText(text)) {
    TValue error;
    error.Type = TValue::EType::Error;
    error.Text = text;
    return error;
  }
  // The readers wrote the text of a number cell from its value: a short text
  // of ASCII characters, or else a damaged file's text.
  char latin[64];
  if (text.size() > qsizetype(sizeof latin)) return TValue::OfText(text);
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i].unicode() > 0x7F) return TValue::OfText(text);
    latin[i] = char(text[i].unicode());
  }
  double number = 0;
  const auto [end, error] = std::from_chars(latin, latin + text.size(), number);
  if (error == std::errc() && end == latin + text.size()) return TValue::OfNumber(number);
  return TValue::OfText(text);
}

namespace {

// Numbers, then text, then logical values.
int Rank(TValue::EType type) {
  switch (type) {
    case TValue::EType::Text:
      return 1;
    case TValue::EType::Boolean:
      return 2;
    default:
      return 0;
  }
}

// Blank takes the kind of what it is compared with.
TValue BlankAs(const TValue& other) {
  if (other.Type == TValue::EType::Text) return TValue::OfText(QString());
  if (other.Type == TValue::EType::Boolean) return TValue::OfBoolean(false);
  return TValue::OfNumber(0);
}

}  // namespace

int Compare(const TValue& left, const TValue& right) {
  const TValue a = left.Type == TValue::EType::Blank ? BlankAs(right) : left;
  const TValue b = right.Type == TValue::EType::Blank ? BlankAs(left) : right;
  if (Rank(a.Type) != Rank(b.Type)) return Rank(a.Type) < Rank(b.Type) ? -1 : 1;
  if (a.Type == TValue::EType::Text) return a.Text.compare(b.Text, Qt::CaseInsensitive);
  return a.Number < b.Number ? -1 : (a.Number > b.Number ? 1 : 0);
}

}  // namespace spreadsheet::formula
