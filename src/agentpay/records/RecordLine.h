#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "core/Amount.h"

// A record line: the cells of one record joined by the template's separator.
// The first cell goes as it is, even empty; every further cell as it is when
// it holds anything but blanks, else as one space.
QString JoinRecord(const QStringList& cells, const QString& separator);

// The cells of a record line, cut at every separator: an empty piece before a
// separator becomes one space, the text after the last one is the last cell.
QStringList SplitRecordLine(const QString& line, const QString& separator);

// The line as it leaves the screen (text export, upload): with the separator
// appended when the template asks for an end sign.
QString LineWithEndSign(const QString& line, const QString& separator, bool endSign);

// The message refusing an amount cell when the records are saved, empty when
// it passes: more than two decimals or a blank after the point, negative,
// not a plain decimal number (the message begins with the column's caption),
// or zero.
QString RecordAmountProblem(const QString& amount, const QString& caption);

// The count and the sum of the records' amounts; blank or unreadable amounts
// count as zero.
struct TPayTotals {
  int Count = 0;
  TAmount Sum;
  QString SumText() const;    // "￥1,234.50"
  QString CountText() const;  // "3"
};
TPayTotals TotalsOf(const QStringList& amounts);
