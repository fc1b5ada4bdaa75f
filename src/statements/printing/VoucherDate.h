#pragma once

#include <QLocale>
#include <QString>

// The date a transfer-flow voucher prints: its 制单时间 read as a date and
// time, or as a date, in the locale's short formats or in the ISO form
// ("2024-03-15 10:20:30", "2024-03-15"), written "yyyy-MM-dd". A text that is
// none of these stays as it is and Read is false, so that the caller can
// print it so and tell the clerk which vouchers carry it.
struct TVoucherDate {
  QString Text;
  bool Read = false;
};

TVoucherDate VoucherDateOf(const QString& madeTime, const QLocale& locale = QLocale::system());
