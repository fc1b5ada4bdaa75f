#pragma once

#include <QByteArray>

#include "platform/spreadsheet/SpreadsheetError.h"
#include "platform/spreadsheet/WorkbookData.h"

// .xls workbooks (BIFF8 in a compound file).
namespace spreadsheet {

// The cell texts of every worksheet. Numeric cells read as GeneralNumberText,
// booleans as "TRUE"/"FALSE", formula cells as their stored result, errors as
// their error text ("#DIV/0!", ...). Throws TSpreadsheetError when the bytes
// are not a BIFF8 workbook or are damaged.
TWorkbookData ReadXls(const QByteArray& file);

// A BIFF8 workbook with every non-empty cell as a text cell holding exactly the
// text. Throws TSpreadsheetError past the format's limits (65,536 rows, 256
// columns, 32,767 characters a cell, 31 characters a sheet name).
QByteArray WriteXls(const TWorkbookData& workbook);

}  // namespace spreadsheet
