#pragma once

#include <QList>
#include <QString>

#include "platform/spreadsheet/Worksheet.h"

// Account numbers taken from worksheets. A spreadsheet keeps 15 significant
// digits of a number, so an account number typed as a number has lost its last
// digits in the file, or shows in exponent form: such a cell cannot give the
// account number, and its row is refused by every import.

// Whether the account cell (rows and columns from 1) is such a number.
bool AccountLostDigits(const TWorksheet& sheet, int row, int column);

// The message for the rows refused for it (rows from 1, in order).
QString LostDigitsRowsMessage(const QList<int>& rows);
