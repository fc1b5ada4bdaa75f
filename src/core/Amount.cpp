#include "core/Amount.h"

#include <algorithm>
#include <limits>

namespace {

using Wide = __int128;

constexpr Wide kMaxUnits = std::numeric_limits<qint64>::max();

bool IsDigit(QChar c) {
  return c >= u'0' && c <= u'9';
}

// Rounds the digits kept to the left of a cut, half to even, by what was cut off.
Wide RoundHalfEven(Wide kept, QStringView dropped) {
  if (dropped.isEmpty() || dropped[0] < u'5') return kept;
  if (dropped[0] > u'5') return kept + 1;
  for (qsizetype i = 1; i < dropped.size(); ++i)
    if (dropped[i] != u'0') return kept + 1;
  return kept % 2 == 0 ? kept : kept + 1;
}

}  // namespace

std::optional<TAmount> TAmount::Parse(QStringView input) {
  const QStringView text = input.trimmed();
  qsizetype i = 0;
  bool negative = false;
  if (i < text.size() && (text[i] == u'+' || text[i] == u'-')) negative = text[i++] == u'-';

  QString digits;  // every mantissa digit, leading zeros dropped
  qsizetype fractionDigits = 0;
  bool seenPoint = false;
  bool seenDigit = false;
  for (; i < text.size(); ++i) {
    const QChar c = text[i];
    if (IsDigit(c)) {
      seenDigit = true;
      if (seenPoint) ++fractionDigits;
      if (!digits.isEmpty() || c != u'0') digits += c;  // leading zeros only shift the scale
    } else if (c == u'.' && !seenPoint) {
      seenPoint = true;
    } else {
      break;
    }
  }
  if (!seenDigit) return std::nullopt;

  qint64 exponent = 0;
  if (i < text.size() && (text[i] == u'e' || text[i] == u'E')) {
    ++i;
    bool negativeExponent = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
      negativeExponent = text[i++] == u'-';
    if (i >= text.size() || !IsDigit(text[i])) return std::nullopt;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
      exponent = exponent * 10 + (text[i].unicode() - u'0');
      if (exponent > 100000) return std::nullopt;
    }
    if (negativeExponent) exponent = -exponent;
  }
  if (i != text.size()) return std::nullopt;
  if (digits.isEmpty()) return TAmount();

  // The value is digits x 10^(exponent - fractionDigits); units are 10^4 times that.
  const qint64 scale = exponent - fractionDigits + 4;
  Wide units = 0;
  if (scale >= 0) {
    if (digits.size() + scale > 19) return std::nullopt;
    for (QChar c : digits) units = units * 10 + (c.unicode() - u'0');
    for (qint64 k = 0; k < scale; ++k) units *= 10;
  } else {
    const qsizetype keep = digits.size() + scale;  // digits left of the cut
    if (keep > 19) return std::nullopt;
    for (qsizetype k = 0; k < keep; ++k) units = units * 10 + (digits[k].unicode() - u'0');
    const QStringView dropped = QStringView(digits).mid(std::max<qsizetype>(keep, 0));
    // Digits that sit entirely below the cut are preceded by implied zeros.
    units = keep >= 0 ? RoundHalfEven(units, dropped) : 0;
  }
  // The lowest value has no positive counterpart, so a negative may go one further.
  if (units > kMaxUnits + (negative ? 1 : 0)) return std::nullopt;
  return TAmount(static_cast<qint64>(negative ? -units : units));
}

std::optional<TAmount> TAmount::ParsePayment(QStringView text) {
  constexpr qsizetype kMaxWholeDigits = 13;
  constexpr qsizetype kMaxDecimals = 2;
  const qsizetype point = text.indexOf(u'.');
  const QStringView whole = point < 0 ? text : text.left(point);
  const QStringView decimals = point < 0 ? QStringView() : text.mid(point + 1);
  const auto allDigits = [](QStringView part) {
    return std::all_of(part.begin(), part.end(), IsDigit);
  };
  if (whole.isEmpty() || whole.size() > kMaxWholeDigits || !allDigits(whole)) return std::nullopt;
  if (point >= 0 && (decimals.isEmpty() || decimals.size() > kMaxDecimals || !allDigits(decimals)))
    return std::nullopt;
  return Parse(text);
}

bool TAmount::IsPayment() const {
  constexpr qint64 kLimit = 10000000000000LL * kScale;  // 10^13 yuan
  return units_ > 0 && units_ % 100 == 0 && units_ < kLimit;
}

QString TAmount::ToText() const {
  const bool negative = units_ < 0;
  const quint64 magnitude = negative ? 0 - static_cast<quint64>(units_) : units_;
  QString text = QString::number(magnitude / kScale);
  quint64 fraction = magnitude % kScale;
  if (fraction != 0) {
    QString digits = QString::number(fraction).rightJustified(4, u'0');
    while (digits.endsWith(u'0')) digits.chop(1);
    text += u'.' + digits;
  }
  return negative ? u'-' + text : text;
}

QString TAmount::ToDisplay() const {
  const bool negative = units_ < 0;
  const quint64 magnitude = negative ? 0 - static_cast<quint64>(units_) : units_;
  const quint64 cents = (magnitude + 50) / 100;
  QString whole = QString::number(cents / 100);
  for (qsizetype pos = whole.size() - 3; pos > 0; pos -= 3) whole.insert(pos, u',');
  const QString text = whole + u'.' + QString::number(cents % 100).rightJustified(2, u'0');
  return negative && cents != 0 ? u'-' + text : text;
}
