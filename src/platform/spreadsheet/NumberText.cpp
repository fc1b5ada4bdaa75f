#include "platform/spreadsheet/NumberText.h"

#include <charconv>
#include <cmath>

QString GeneralNumberText(double value) {
  if (std::isnan(value)) return QStringLiteral("#NUM!");
  if (std::isinf(value)) return QStringLiteral("#DIV/0!");
  if (value == 0) return QStringLiteral("0");
  char buffer[64];
  std::to_chars_result result;
  if (value == std::trunc(value) && std::fabs(value) < 1e17)
    result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 0);
  else
    result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 15);
  return QString::fromLatin1(buffer, result.ptr - buffer).toUpper();  // 1E-05, as shown
}

bool IsInexactNumber(double value) {
  const double size = std::fabs(value);
  return size >= 1e15 || (size > 0 && size < 1e-4);
}
