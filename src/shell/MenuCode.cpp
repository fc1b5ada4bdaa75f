#include "shell/MenuCode.h"

#include <limits>

namespace {

int DigitValue(QChar c, int base) {
  const char16_t u = c.unicode();
  int value = 99;
  if (u >= u'0' && u <= u'9')
    value = u - u'0';
  else if (u >= u'a' && u <= u'f')
    value = u - u'a' + 10;
  else if (u >= u'A' && u <= u'F')
    value = u - u'A' + 10;
  return value < base ? value : -1;
}

}  // namespace

qint32 ParseMenuCode(QStringView text) {
  text = text.trimmed();
  bool negative = false;
  int base = 10;
  if (text.startsWith(u"0x", Qt::CaseInsensitive)) {
    base = 16;
    text = text.mid(2);
  } else if (text.startsWith(u'-') || text.startsWith(u'+')) {
    negative = text.startsWith(u'-');
    text = text.mid(1);
  }
  if (text.isEmpty()) return 0;

  const qint64 limit = qint64(std::numeric_limits<qint32>::max()) + (negative ? 1 : 0);
  qint64 value = 0;
  for (QChar c : text) {
    const int digit = DigitValue(c, base);
    if (digit < 0) return 0;
    value = value * base + digit;
    if (value > limit) return 0;
  }
  return qint32(negative ? -value : value);
}
