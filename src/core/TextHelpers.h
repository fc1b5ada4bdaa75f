#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <stdexcept>

#include "core/Amount.h"

// Small stateless helpers shared by the screens: amounts in capital numerals,
// amount and date texts, form value encoding, splitting and searching. Texts are
// QString; where a rule counts bytes it counts the GBK bytes of the text, so a
// Chinese character counts two and is never cut in half.

// A part of a text that had to be a decimal number is not one.
class TConversionError : public std::invalid_argument {
 public:
  using std::invalid_argument::invalid_argument;
};

// The amount in Chinese capital numerals for receipts: "12.34" gives
// "壹拾贰元叁角肆分", "10" gives "壹拾元整", "-12.5" gives "负壹拾贰元伍角". Only the
// first two decimals count (no rounding). Never throws; beyond the plain form
// (optional "-", digits, optional "." and digits):
// - surrounding blanks and a leading "+" are ignored, leading zeros are skipped;
// - an empty integer part counts as zero ("-.5" gives "负零元伍角", "" gives "零元整");
// - a "-" in front of an amount that reads as zero is dropped ("-0.001" gives "零元整");
// - 13 to 16 integer digits are read with "万" inside the "亿" group
//   ("12345678901234" gives "壹拾贰万叁仟肆佰伍拾陆亿柒仟捌佰玖拾万壹仟贰佰叁拾肆元整");
// - text that is not such a number (letters, two points, a sign elsewhere,
//   thousands separators) and more than 16 integer digits give the empty text.
QString AmountInWords(QStringView amount);

// The words of one group of up to four digits with the group's unit: group 0 is
// "元", 1 "万", 2 "亿". A run of zeros inside the group gives one "零"; leading
// zeros give a leading "零"; an all-zero group of several digits gives nothing.
// Text that is not one to four ASCII digits gives the empty text; another group
// index gives the words without a unit.
QString GroupInWords(QStringView digits, int group);

// The amount text with exactly two decimals, cut (not rounded): "5" gives
// "5.00", "5." gives "5.00", ".5" gives "0.50", "-.5" gives "-0.50", "1.234"
// gives "1.23". The empty text stays empty. The text is not checked to be a number.
QString FixTwoDecimals(QStringView amount);

// Two decimals, rounded to the nearest hundredth, with "," between thousands:
// "1,234.50". A zero amount gives "" when blankIfZero is set, else "0.00".
QString FormatAmount(bool blankIfZero, TAmount amount);

// True when the eight characters YYYYMMDD are a date with 1000 <= year <= 2050 on
// the Gregorian calendar. A text that is not eight characters long is not a
// date. Throws TConversionError when the year, month or day part is not made of
// ASCII digits only ("2024ab01", "2024 101").
bool IsValidDate(QStringView text);

// The GBK bytes of the text written for a form value: A-Z, a-z, 0-9, "-", "."
// and "_" as they are, a space as "+" (spaceAsPlus) or "%20", every other byte
// (each byte of a Chinese character too) as "%XX" with upper-case hex digits. A
// character that GBK cannot hold is sent as "?" ("%3F").
QString UrlEncode(QStringView text, bool spaceAsPlus);

// The pieces in front of each separator; the text after the last separator is
// not among them, so "a|b|c" gives a, b and "a|b|c|" gives a, b, c. Texts are
// searched as characters, never as GBK bytes: a separator never matches inside a
// double-byte character, even where a character's second GBK byte equals "|" or
// "\". Split decoded text, never raw GBK bytes. An empty separator gives no pieces.
QStringList SplitFields(QStringView text, QStringView separator);

// Every piece, including the one after the last separator (which may be empty):
// "a|b|" gives a, b, "". An empty separator gives the whole text as one piece.
QStringList SplitText(QStringView text, QStringView separator);

// The piece of SplitText that is indexFromEnd from the end (0 is the last one),
// or "" when there are not that many pieces.
QString PieceFromEnd(QStringView text, QStringView separator, qsizetype indexFromEnd);

// The last component of a path written with "/" or "\" (or a mix): "C:\a\b.txt"
// and "a/b.txt" give "b.txt"; "dir/" gives "".
QString FileNameOf(QStringView path);

// A chosen file name without an extension gets the default one.
QString WithDefaultSuffix(const QString& path, const QString& suffix);

// The lines of a text file: cut at LF, a CR before it dropped; a text that
// ends with a line break has no empty line after it.
QStringList TextLines(QStringView text);

// The characters at the GBK byte positions first..last (counted from 1,
// inclusive); last is capped at the text's length and a first position below 1
// counts as 1. A double-byte character is kept only when both its bytes are in
// the range, so no character is ever cut in half. Empty when the text is empty,
// first is beyond the end or last is before first.
QString SubstrByPos(QStringView text, qsizetype first, qsizetype last);

// The index of the first entry equal to the text (exact, case-sensitive), or -1.
qsizetype IndexOfText(QStringView text, const QStringList& list);

// The status bar notes that close an export or an import: "已导出 12 条记录",
// "已导入 3 条记录".
QString ExportedNote(qsizetype count);
QString ImportedNote(qsizetype count);
