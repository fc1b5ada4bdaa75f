#include "statements/printing/VoucherDate.h"

#include <QDateTime>
#include <QStringList>

namespace {

// A two-digit year of a short format is read in 1950 to 2049, not 1900 to 1999.
QDate InCenturyWindow(QDate date, const QString& format) {
  if (date.isValid() && !format.contains(QStringLiteral("yyyy")) && date.year() < 1950)
    return date.addYears(100);
  return date;
}

QDate ReadDate(const QString& text, const QLocale& locale) {
  const QString shortDate = locale.dateFormat(QLocale::ShortFormat);
  const QStringList dateTimeFormats = {locale.dateTimeFormat(QLocale::ShortFormat),
                                       shortDate + QStringLiteral(" H:mm:ss")};
  for (const QString& format : dateTimeFormats) {
    const QDateTime read = locale.toDateTime(text, format);
    if (read.isValid()) return InCenturyWindow(read.date(), format);
  }
  const QDate read = locale.toDate(text, shortDate);
  if (read.isValid()) return InCenturyWindow(read, shortDate);
  const QDateTime iso = QDateTime::fromString(text, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
  if (iso.isValid()) return iso.date();
  return QDate::fromString(text, QStringLiteral("yyyy-MM-dd"));
}

}  // namespace

TVoucherDate VoucherDateOf(const QString& madeTime, const QLocale& locale) {
  const QDate date = ReadDate(madeTime.trimmed(), locale);
  if (!date.isValid()) return {madeTime, false};
  return {date.toString(QStringLiteral("yyyy-MM-dd")), true};
}
