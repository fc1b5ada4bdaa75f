#pragma once

#include <QString>

#include "platform/spreadsheet/Spreadsheet.h"
#include "registers/records/PayeeInfo.h"
#include "registers/records/PayerInfo.h"
#include "shell/DataMain.h"
#include "shell/OwningList.h"

// The registers as workbooks: the first worksheet, no heading row, one account
// per row from row 1. The payer layout has six columns (account, name, opening
// institution, group, alias, right type as its code), the payee layout the
// eighteen columns of TDataMain::PayeeWorkbookColumns.

// Every cell is written as a tab, the value and one space, so that account
// numbers stay text; reading trims both away again.
void WritePayersSheet(const TOwningList<TPayerInfo>& payers, TWorksheet& sheet);
void WritePayeesSheet(const TOwningList<TPayeeInfo>& payees, TWorksheet& sheet);

enum class TImportResult { Read, NotStarted, Failed };

// Replaces out by the accounts of the workbook at path, read by the rows of
// TDataMain::ReadWorkbookRows, every cell trimmed of white space and control
// characters. Payer fields outside the layout stay empty (Balance 0); a payee
// repeating the account number and name of an earlier one is left out.
// NotStarted when the spreadsheet component (data.StartSpreadsheet) cannot
// start, after the error box "Excel may not be installed". Failed, with out
// empty, when the workbook cannot be opened or read.
TImportResult ReadPayersWorkbook(const QString& path, TOwningList<TPayerInfo>& out,
                                 const TDataMain& data);
TImportResult ReadPayeesWorkbook(const QString& path, TOwningList<TPayeeInfo>& out,
                                 const TDataMain& data);

// Writes a new workbook at path in the register's layout. Throws
// TSpreadsheetError, start failures included; an old file at path then stays.
void ExportPayersWorkbook(const TOwningList<TPayerInfo>& payers, const QString& path,
                          const TDataMain& data);
void ExportPayeesWorkbook(const TOwningList<TPayeeInfo>& payees, const QString& path,
                          const TDataMain& data);
