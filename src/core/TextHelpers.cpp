#include "core/TextHelpers.h"

#include <QFileInfo>
#include <algorithm>

#include "platform/codec/Gbk.h"

namespace {

constexpr char16_t kDigitWords[] = u"零壹贰叁肆伍陆柒捌玖";
constexpr char16_t kPlaceWords[] = u"拾佰仟";
constexpr char16_t kGroupUnits[] = u"元万亿";
constexpr QChar kZero(u'零');
constexpr QChar kYuan(u'元');
constexpr QChar kWan(u'万');
constexpr QChar kYi(u'亿');
constexpr qsizetype kMaxIntegerDigits = 16;

bool IsAsciiDigit(QChar c) {
  return c >= u'0' && c <= u'9';
}

bool AllAsciiDigits(QStringView text) {
  return std::all_of(text.begin(), text.end(), IsAsciiDigit);
}

QChar DigitWord(QChar digit) {
  return QChar(kDigitWords[digit.unicode() - u'0']);
}

// Place 0 is the group's own unit, 1 to 3 are tens, hundreds and thousands.
QString PlaceWord(qsizetype place, QStringView unit) {
  return place == 0 ? unit.toString() : QString(QChar(kPlaceWords[place - 1]));
}

QString GroupWords(QStringView digits, QStringView unit) {
  if (digits.isEmpty() || digits.size() > 4 || !AllAsciiDigits(digits)) return {};
  if (digits.size() == 1) return DigitWord(digits[0]) + unit.toString();

  qsizetype start = 0;
  while (start < digits.size() && digits[start] == u'0') ++start;
  if (start == digits.size()) return {};
  const QStringView rest = digits.mid(start);
  const qsizetype n = rest.size();

  QString words;
  if (start > 0) words += kZero;
  words += DigitWord(rest[0]) + PlaceWord(n - 1, unit);
  for (qsizetype i = 1; i < n; ++i) {
    if (rest[i] == u'0') {
      if (i == n - 1) words += unit;
    } else {
      if (rest[i - 1] == u'0') words += kZero;
      words += DigitWord(rest[i]) + PlaceWord(n - 1 - i, unit);
    }
  }
  return words;
}

// The part of an integer above its last eight digits, ending with "亿"; five to
// eight digits here are read with "万" inside.
QString HundredMillionsWords(QStringView digits) {
  const QString yi(kYi);
  if (digits.size() <= 4) return GroupWords(digits, yi);
  QString words =
      GroupWords(digits.left(digits.size() - 4), QString(kWan)) + GroupWords(digits.right(4), yi);
  if (!words.endsWith(kYi)) words += kYi;
  return words;
}

// Words of 1 to 16 integer digits without leading zeros (except "0" itself).
QString IntegerWords(QStringView digits) {
  const QString yuan(kYuan), wan(kWan);
  const qsizetype n = digits.size();
  if (n <= 4) return GroupWords(digits, yuan);
  if (n <= 8) return GroupWords(digits.left(n - 4), wan) + GroupWords(digits.right(4), yuan);
  return HundredMillionsWords(digits.left(n - 8)) + GroupWords(digits.mid(n - 8, 4), wan) +
         GroupWords(digits.right(4), yuan);
}

// The first match of separator at or after from that does not split a surrogate pair.
qsizetype FindSeparator(QStringView text, QStringView separator, qsizetype from) {
  for (qsizetype at = text.indexOf(separator, from); at >= 0;
       at = text.indexOf(separator, at + 1)) {
    const qsizetype end = at + separator.size();
    const bool cutsBefore = at > 0 && text[at].isLowSurrogate() && text[at - 1].isHighSurrogate();
    const bool cutsAfter =
        end < text.size() && text[end].isLowSurrogate() && text[end - 1].isHighSurrogate();
    if (!cutsBefore && !cutsAfter) return at;
  }
  return -1;
}

int DatePart(QStringView whole, qsizetype from, qsizetype length) {
  const QStringView part = whole.mid(from, length);
  if (!AllAsciiDigits(part))
    throw TConversionError(QStringLiteral("\"%1\" in the date \"%2\" is not a decimal number")
                               .arg(part, whole)
                               .toStdString());
  return part.toInt();
}

bool IsLeapYear(int year) {
  return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

bool IsUnreserved(char byte) {
  return (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
         (byte >= '0' && byte <= '9') || byte == '-' || byte == '.' || byte == '_';
}

}  // namespace

QString GroupInWords(QStringView digits, int group) {
  const QStringView unit =
      group >= 0 && group <= 2 ? QStringView(kGroupUnits).mid(group, 1) : QStringView();
  return GroupWords(digits, unit);
}

QString AmountInWords(QStringView amount) {
  QStringView text = amount.trimmed();
  bool negative = false;
  if (!text.isEmpty() && (text[0] == u'-' || text[0] == u'+')) {
    negative = text[0] == u'-';
    text = text.mid(1);
  }
  const qsizetype point = text.indexOf(u'.');
  QStringView integer = point < 0 ? text : text.left(point);
  const QStringView fraction = point < 0 ? QStringView() : text.mid(point + 1);
  if (!AllAsciiDigits(integer) || !AllAsciiDigits(fraction)) return {};

  while (!integer.isEmpty() && integer[0] == u'0') integer = integer.mid(1);
  if (integer.size() > kMaxIntegerDigits) return {};
  if (integer.isEmpty()) integer = u"0";

  QString words = IntegerWords(integer);
  if (!words.endsWith(kYuan)) words += kYuan;

  const QChar jiao = fraction.size() > 0 ? fraction[0] : QChar(u'0');
  const QChar fen = fraction.size() > 1 ? fraction[1] : QChar(u'0');
  const bool zero = integer == u"0" && jiao == u'0' && fen == u'0';
  const QString prefix = negative && !zero ? QStringLiteral("负") : QString();

  if (jiao == u'0' && fen == u'0') return prefix + words + u'整';
  if (jiao != u'0') words += QString(DigitWord(jiao)) + u'角';
  if (fen != u'0') words += QString(DigitWord(fen)) + u'分';
  return prefix + words;
}

QString FixTwoDecimals(QStringView amount) {
  if (amount.isEmpty()) return {};
  const qsizetype point = amount.indexOf(u'.');
  QString integer = (point < 0 ? amount : amount.left(point)).toString();
  const QStringView fraction = point < 0 ? QStringView() : amount.mid(point + 1);
  if (integer.isEmpty() || integer == u"-" || integer == u"+") integer += u'0';
  return integer + u'.' + fraction.left(2).toString().leftJustified(2, u'0');
}

QString FormatAmount(bool blankIfZero, TAmount amount) {
  if (amount.IsZero()) return blankIfZero ? QString() : QStringLiteral("0.00");
  return amount.ToDisplay();
}

bool IsValidDate(QStringView text) {
  if (text.size() != 8) return false;
  const int year = DatePart(text, 0, 4);
  const int month = DatePart(text, 4, 2);
  const int day = DatePart(text, 6, 2);
  if (year < 1000 || year > 2050 || month < 1 || month > 12 || day < 1 || day > 31) return false;
  if (month == 4 || month == 6 || month == 9 || month == 11) return day <= 30;
  if (month == 2) return day <= (IsLeapYear(year) ? 29 : 28);
  return true;
}

QString UrlEncode(QStringView text, bool spaceAsPlus) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  QString encoded;
  for (const char byte : codec::ToGbk(text)) {
    if (IsUnreserved(byte)) {
      encoded += QLatin1Char(byte);
    } else if (byte == ' ' && spaceAsPlus) {
      encoded += u'+';
    } else {
      const auto value = static_cast<unsigned char>(byte);
      encoded += u'%';
      encoded += QLatin1Char(kHex[value >> 4]);
      encoded += QLatin1Char(kHex[value & 0x0F]);
    }
  }
  return encoded;
}

QStringList SplitText(QStringView text, QStringView separator) {
  if (separator.isEmpty()) return {text.toString()};
  QStringList pieces;
  qsizetype start = 0;
  for (qsizetype at = FindSeparator(text, separator, 0); at >= 0;
       at = FindSeparator(text, separator, start)) {
    pieces.append(text.mid(start, at - start).toString());
    start = at + separator.size();
  }
  pieces.append(text.mid(start).toString());
  return pieces;
}

QStringList SplitFields(QStringView text, QStringView separator) {
  if (separator.isEmpty()) return {};
  QStringList pieces = SplitText(text, separator);
  pieces.removeLast();
  return pieces;
}

QString PieceFromEnd(QStringView text, QStringView separator, qsizetype indexFromEnd) {
  const QStringList pieces = SplitText(text, separator);
  if (indexFromEnd < 0 || indexFromEnd >= pieces.size()) return {};
  return pieces[pieces.size() - 1 - indexFromEnd];
}

QString FileNameOf(QStringView path) {
  const qsizetype slash = std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
  return path.mid(slash + 1).toString();
}

QString WithDefaultSuffix(const QString& path, const QString& suffix) {
  return QFileInfo(path).suffix().isEmpty() ? path + u'.' + suffix : path;
}

QStringList TextLines(QStringView text) {
  QStringList lines;
  qsizetype start = 0;
  while (start < text.size()) {
    qsizetype end = text.indexOf(u'\n', start);
    if (end < 0) end = text.size();
    QStringView line = text.mid(start, end - start);
    if (line.endsWith(u'\r')) line.chop(1);
    lines.append(line.toString());
    start = end + 1;
  }
  return lines;
}

QString SubstrByPos(QStringView text, qsizetype first, qsizetype last) {
  first = std::max<qsizetype>(first, 1);
  if (text.isEmpty() || last < first) return {};
  QString result;
  qsizetype bytesBefore = 0;
  for (qsizetype i = 0; i < text.size() && bytesBefore < last;) {
    const qsizetype units =
        text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate() ? 2 : 1;
    const QStringView character = text.mid(i, units);
    const qsizetype bytesAfter = bytesBefore + codec::GbkLength(character);
    if (bytesBefore + 1 >= first && bytesAfter <= last) result += character;
    bytesBefore = bytesAfter;
    i += units;
  }
  return result;
}

qsizetype IndexOfText(QStringView text, const QStringList& list) {
  return list.indexOf(text);
}

QString ExportedNote(qsizetype count) {
  return QStringLiteral("已导出 %1 条记录").arg(count);
}

QString ImportedNote(qsizetype count) {
  return QStringLiteral("已导入 %1 条记录").arg(count);
}
