#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "core/RecordFields.h"
#include "core/TextHelpers.h"

// The text form of a central-finance register entry: its fields in the order
// of the record's field table joined by "|", without a "|" at the end. Nothing
// is escaped, so a value holding "|" would shift every later field; the entry
// dialogs and the imports refuse such values (HoldsFieldSeparator).

template <class T>
QString CertRegisterLine(const T& record) {
  QStringList pieces;
  for (const TRecordField<T>& field : T::Fields()) pieces << field.Text(record);
  return pieces.join(u'|');
}

// The entry of a line, or nothing when the line has fewer pieces than the
// record has fields. Pieces beyond those are ignored, so a line ending in "|"
// reads as well.
template <class T>
std::optional<T> ReadCertRegisterLine(const QString& line) {
  const QStringList pieces = SplitText(line, u"|");
  const TRecordFields<T> fields = T::Fields();
  if (pieces.size() < qsizetype(fields.size())) return std::nullopt;
  T record;
  for (std::size_t i = 0; i < fields.size(); ++i) fields[i].SetText(record, pieces[qsizetype(i)]);
  return record;
}

// Whether a field of the record holds "|".
template <class T>
bool HoldsFieldSeparator(const T& record) {
  for (const TRecordField<T>& field : T::Fields())
    if (field.Text(record).contains(u'|')) return true;
  return false;
}
