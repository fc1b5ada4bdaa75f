#include "statements/records/LineSplit.h"

namespace {

// Room for the fields of a statement line without growing the list.
constexpr qsizetype kUsualFields = 24;

}  // namespace

QList<QStringView> SplitQuotedLine(QStringView line) {
  QList<QStringView> fields;
  fields.reserve(kUsualFields);
  QStringView rest = line;
  for (qsizetype comma = rest.indexOf(u','); comma >= 0; comma = rest.indexOf(u',')) {
    // Between the first character and the one before the separator, both left out.
    fields.append(comma >= 2 ? rest.sliced(1, comma - 2) : QStringView());
    rest = rest.sliced(comma + 1);
  }
  fields.append(rest);
  return fields;
}

QList<QStringView> SplitBarLine(QStringView line) {
  QList<QStringView> fields;
  fields.reserve(kUsualFields);
  QStringView rest = line;
  for (qsizetype bar = rest.indexOf(u'|'); bar >= 0; bar = rest.indexOf(u'|')) {
    fields.append(rest.first(bar));
    rest = rest.sliced(bar + 1);
  }
  fields.append(rest);
  return fields;
}

QStringView TrimField(QStringView field) {
  while (!field.isEmpty() && field.front().unicode() <= 0x20) field = field.sliced(1);
  while (!field.isEmpty() && field.back().unicode() <= 0x20) field.chop(1);
  return field;
}
