#pragma once

#include <QByteArray>
#include <QString>

#include "platform/spreadsheet/SpreadsheetError.h"
#include "platform/spreadsheet/WorkbookData.h"

// .xlsx workbooks (Office Open XML).
namespace spreadsheet {

// The cell texts of every worksheet in workbook order (numbers as
// GeneralNumberText, booleans "TRUE"/"FALSE", formulas their cached value).
// Throws TSpreadsheetError when the file is not such a workbook, is damaged,
// or would expand past sane limits (a zip bomb).
TWorkbookData ReadXlsx(const QString& path);

// Writes the workbook, every non-empty cell a text cell holding exactly the
// text. Throws TSpreadsheetError when it cannot be written or exceeds the
// format's limits (1,048,576 rows, 16,384 columns, 32,767 characters a cell).
void WriteXlsx(const TWorkbookData& workbook, const QString& path);

}  // namespace spreadsheet
