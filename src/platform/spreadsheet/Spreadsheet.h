#pragma once

#include <QString>

#include "platform/spreadsheet/SpreadsheetApp.h"
#include "platform/spreadsheet/SpreadsheetError.h"
#include "platform/spreadsheet/Workbook.h"
#include "platform/spreadsheet/WorkbookData.h"
#include "platform/spreadsheet/Worksheet.h"

// The spreadsheet component as the screens use it: start it, open or create a
// workbook, take a worksheet (from 1), read and write cells (rows and columns
// from 1) as text, save as, show, close, quit. Which format a file has (.xls or
// .xlsx) is the component's business: files are recognised by their content,
// and "save as" writes .xlsx for a name ending ".xlsx", .xls otherwise.
//
// Failures: starting throws TSpreadsheetStartError (the component is unusable:
// callers say "Excel may not be installed"); everything else throws
// TSpreadsheetError (callers say "连接到EXCEL文件失败!").

// Reads a workbook file of either format; throws TSpreadsheetError.
TWorkbookData ReadWorkbookFile(const QString& path);
// Writes a workbook in the format its name asks for; throws TSpreadsheetError.
void WriteWorkbookFile(const TWorkbookData& workbook, const QString& path);
