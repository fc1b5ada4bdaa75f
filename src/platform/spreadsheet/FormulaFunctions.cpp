#include "platform/spreadsheet/FormulaFunctions.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>

namespace spreadsheet::formula {

namespace {

using EType = TValue::EType;

TValue ValueError() {
  return TValue::OfError("#VALUE!");
}

// Digits as a whole number of places: ROUND(x, 1.9) rounds to 1 place.
std::optional<int> Places(const TValue& value) {
  const std::optional<double> number = NumberOf(value);
  if (!number) return std::nullopt;
  return int(std::clamp(std::trunc(*number), -400.0, 400.0));
}

TValue Sum(const std::vector<TArgument>& arguments) {
  double sum = 0;
  for (const TArgument& argument : arguments) {
    for (const TValue& value : argument.Values) {
      if (value.IsError()) return value;
      if (argument.FromCells) {
        if (value.Type == EType::Number) sum += value.Number;
        continue;
      }
      const std::optional<double> number = NumberOf(value);
      if (!number) return ValueError();
      sum += *number;
    }
  }
  return TValue::OfNumber(sum);
}

// AND and OR: numbers count as true when not 0; text in cells is left out.
TValue Logical(bool isAnd, const std::vector<TArgument>& arguments) {
  bool any = false;
  bool result = isAnd;
  for (const TArgument& argument : arguments) {
    for (const TValue& value : argument.Values) {
      if (value.IsError()) return value;
      bool truth = false;
      if (value.Type == EType::Number || value.Type == EType::Boolean) {
        truth = value.Number != 0;
      } else if (argument.FromCells || value.Type == EType::Blank) {
        continue;
      } else if (value.Text.compare(u"TRUE", Qt::CaseInsensitive) == 0) {
        truth = true;
      } else if (value.Text.compare(u"FALSE", Qt::CaseInsensitive) != 0) {
        return ValueError();
      }
      any = true;
      result = isAnd ? result && truth : result || truth;
    }
  }
  return any ? TValue::OfBoolean(result) : ValueError();
}

// A TEXT format of the kind "0", "0.00", "#,##0.00": its decimal places and
// whether thousands are separated.
bool ReadNumberFormat(const QString& format, int& places, bool& grouped) {
  QStringView rest(format);
  grouped = rest.startsWith(u"#,##");
  if (grouped) rest = rest.mid(4);
  if (!rest.startsWith(u'0')) return false;
  rest = rest.mid(1);
  places = 0;
  if (rest.startsWith(u'.')) {
    rest = rest.mid(1);
    while (!rest.isEmpty() && rest[0] == u'0' && places < 30) {
      ++places;
      rest = rest.mid(1);
    }
    if (places == 0) return false;
  }
  return rest.isEmpty();
}

QString FormatNumber(double number, int places, bool grouped) {
  const double rounded = RoundDecimal(number, places, ERounding::Nearest);
  char buffer[400];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(rounded),
                                    std::chars_format::fixed, places);
  QString text = QString::fromLatin1(buffer, result.ptr - buffer);
  if (grouped) {
    const qsizetype point = text.indexOf(u'.');
    for (qsizetype i = (point < 0 ? text.size() : point) - 3; i > 0; i -= 3) text.insert(i, u',');
  }
  return rounded < 0 ? u'-' + text : text;
}

TValue Text(const TValue& value, const TValue& formatValue) {
  const QString format = TextOf(formatValue);
  int places = 0;
  bool grouped = false;
  if (!ReadNumberFormat(format, places, grouped))
    throw TUnsupported{QStringLiteral("TEXT 函数的格式“%1”").arg(format)};
  if (value.Type == EType::Boolean) return TValue::OfText(TextOf(value));
  const std::optional<double> number = NumberOf(value);
  if (!number) return TValue::OfText(value.Text);
  return TValue::OfText(FormatNumber(*number, places, grouped));
}

TValue Round(EFunction function, const TValue& value, const TValue& digits) {
  const std::optional<double> number = NumberOf(value);
  const std::optional<int> places = Places(digits);
  if (!number || !places) return ValueError();
  const ERounding rounding = function == EFunction::Round     ? ERounding::Nearest
                             : function == EFunction::RoundUp ? ERounding::Up
                                                              : ERounding::Down;
  return TValue::OfNumber(RoundDecimal(*number, *places, rounding));
}

TValue Part(EFunction function, const std::vector<TValue>& arguments) {
  const QString text = TextOf(arguments[0]);
  if (function == EFunction::Mid) {
    const std::optional<int> start = Places(arguments[1]);
    const std::optional<int> count = Places(arguments[2]);
    if (!start || !count || *start < 1 || *count < 0) return ValueError();
    return TValue::OfText(text.mid(*start - 1, *count));
  }
  std::optional<int> count = 1;
  if (arguments.size() == 2) count = Places(arguments[1]);
  if (!count || *count < 0) return ValueError();
  return TValue::OfText(function == EFunction::Left ? text.left(*count) : text.right(*count));
}

// Spaces at either end gone, runs of spaces inside made one.
QString Trimmed(const QString& text) {
  QString out;
  out.reserve(text.size());
  for (const QChar c : text) {
    if (c == u' ' && (out.isEmpty() || out.back() == u' ')) continue;
    out += c;
  }
  if (out.endsWith(u' ')) out.chop(1);
  return out;
}

bool ArgumentCountFits(EFunction function, size_t count) {
  switch (function) {
    case EFunction::Round:
    case EFunction::RoundUp:
    case EFunction::RoundDown:
    case EFunction::Text:
      return count == 2;
    case EFunction::Mid:
      return count == 3;
    case EFunction::Left:
    case EFunction::Right:
      return count == 1 || count == 2;
    case EFunction::Concatenate:
      return count >= 1;
    default:
      return count == 1;
  }
}

}  // namespace

TValue Aggregate(EFunction function, const std::vector<TArgument>& arguments) {
  if (arguments.empty()) return ValueError();
  if (function == EFunction::Sum) return Sum(arguments);
  return Logical(function == EFunction::And, arguments);
}

TValue CallFunction(EFunction function, const std::vector<TValue>& arguments) {
  if (!ArgumentCountFits(function, arguments.size())) return ValueError();
  for (const TValue& argument : arguments)
    if (argument.IsError()) return argument;
  const TValue& first = arguments[0];
  switch (function) {
    case EFunction::Round:
    case EFunction::RoundUp:
    case EFunction::RoundDown:
      return Round(function, first, arguments[1]);
    case EFunction::Int:
    case EFunction::Abs: {
      const std::optional<double> number = NumberOf(first);
      if (!number) return ValueError();
      return TValue::OfNumber(function == EFunction::Int ? std::floor(*number)
                                                         : std::fabs(*number));
    }
    case EFunction::Concatenate: {
      QString text;
      for (const TValue& argument : arguments) text += TextOf(argument);
      return TValue::OfText(text);
    }
    case EFunction::Text:
      return Text(first, arguments[1]);
    case EFunction::Left:
    case EFunction::Right:
    case EFunction::Mid:
      return Part(function, arguments);
    case EFunction::Len:
      return TValue::OfNumber(double(TextOf(first).size()));
    case EFunction::Trim:
      return TValue::OfText(Trimmed(TextOf(first)));
    case EFunction::Value: {
      if (first.Type == EType::Boolean) return ValueError();
      const std::optional<double> number = NumberOf(first);
      return number ? TValue::OfNumber(*number) : ValueError();
    }
    default:
      return ValueError();
  }
}

double RoundDecimal(double value, int digits, ERounding rounding) {
  if (value == 0 || !std::isfinite(value)) return value;
  // value = mantissa * 10^(exponent - 14) with a mantissa of 15 digits.
  char buffer[40];
  const auto printed = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                     std::chars_format::scientific, 14);
  const std::string text(buffer, printed.ptr);
  const size_t e = text.find('e');
  const int exponent = std::stoi(text.substr(e + 1));
  const std::string digitsText = text.substr(0, 1) + text.substr(2, e - 2);
  const int64_t mantissa = std::stoll(digitsText);
  // How many of the mantissa's last digits fall below the place rounded to.
  const int dropped = -digits - (exponent - 14);
  int64_t kept = mantissa;
  if (dropped > 15) {
    kept = rounding == ERounding::Up ? 1 : 0;
  } else if (dropped > 0) {
    int64_t unit = 1;
    for (int i = 0; i < dropped; ++i) unit *= 10;
    kept = mantissa / unit;
    const int64_t rest = mantissa % unit;
    if ((rounding == ERounding::Nearest && rest * 2 >= unit) ||
        (rounding == ERounding::Up && rest > 0))
      ++kept;
  }
  const int scale = dropped > 0 ? -digits : exponent - 14;
  const std::string result = std::to_string(kept) + 'e' + std::to_string(scale);
  double rounded = 0;
  std::from_chars(result.data(), result.data() + result.size(), rounded);
  return value < 0 ? -rounded : rounded;
}

}  // namespace spreadsheet::formula
