#include "platform/spreadsheet/NumberText.h"

#include <charconv>
#include <cmath>

namespace {

// The general text of a finite number into buffer (64 bytes); its length.
qsizetype GeneralNumberChars(double value, char* buffer) {
  if (value == 0) {
    buffer[0] = '0';
    return 1;
  }
  std::to_chars_result result;
  if (value == std::trunc(value) && std::fabs(value) < 1e17)
    result = std::to_chars(buffer, buffer + 64, value, std::chars_format::fixed, 0);
  else
    result = std::to_chars(buffer, buffer + 64, value, std::chars_format::general, 15);
  for (char* c = buffer; c < result.ptr; ++c)
    if (*c == 'e') *c = 'E';  // 1E-05, as shown
  return result.ptr - buffer;
}

}  // namespace

QString GeneralNumberText(double value) {
  if (std::isnan(value)) return QStringLiteral("#NUM!");
  if (std::isinf(value)) return QStringLiteral("#DIV/0!");
  char buffer[64];
  return QString::fromLatin1(buffer, GeneralNumberChars(value, buffer));
}

bool IsInexactNumber(double value) {
  const double size = std::fabs(value);
  return size >= 1e15 || (size > 0 && size < 1e-4);
}
