#pragma once

#include <QByteArray>
#include <QStringList>

// An uploaded agent-pay file as the bank reads it: GBK record lines, each ended
// by CR LF, with fields separated by "|".
struct TPayFile {
  QStringList Lines;  // empty lines left out
  qint64 Amount = 0;  // the sum of the amounts, 1/10000 yuan
  int ErrorLine = 0;  // the first line (from 1) with too few fields or an amount
                      // that is not a decimal number; 0: none
};

// amountField: the 1-based field that holds a line's amount.
TPayFile ReadPayFile(const QByteArray& content, int amountField);
