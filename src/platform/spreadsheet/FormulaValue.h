#pragma once

#include <QString>
#include <optional>

// The values a formula works with, and the conversions between them as a
// spreadsheet makes them.
namespace spreadsheet::formula {

struct TValue {
  enum class EType { Blank, Number, Text, Boolean, Error };
  EType Type = EType::Blank;
  double Number = 0;  // Number; Boolean as 0 or 1
  QString Text;       // Text; Error as "#VALUE!" and the like

  static TValue OfNumber(double number);  // #NUM! for infinity and NaN
  static TValue OfText(QString text);
  static TValue OfBoolean(bool value);
  static TValue OfError(const char* error);
  bool IsError() const { return Type == EType::Error; }
};

// Thrown when a formula uses what the evaluator cannot work out; What names
// it for the clerk ("函数 VLOOKUP").
struct TUnsupported {
  QString What;
};

// The number a value stands for in arithmetic: blank is 0, TRUE 1, text that
// reads as a number that number. Nothing for other text; errors are the
// caller's to pass on first.
std::optional<double> NumberOf(const TValue& value);
// Text as a spreadsheet reads it as a number: " 1,234.5 ", "-12%", "1E3".
std::optional<double> NumberInText(const QString& text);
// The text a value shows: numbers in the general format.
QString TextOf(const TValue& value);
// The value the text of a number, logical or error cell read from the file
// stands for.
TValue ValueOfCellText(const QString& text);
// A comparison: below 0, 0 or above 0; numbers before text before logical
// values, text without regard to case, blank as 0, "" or FALSE.
int Compare(const TValue& left, const TValue& right);

}  // namespace spreadsheet::formula
