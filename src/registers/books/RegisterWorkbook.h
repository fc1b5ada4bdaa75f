#pragma once

#include <QList>
#include <QString>
#include <functional>

#include "core/OwningList.h"
#include "platform/spreadsheet/Spreadsheet.h"
#include "registers/records/PayeeInfo.h"
#include "registers/records/PayerInfo.h"

class TPrompts;

// The registers as workbooks: the first worksheet, no heading row, one account
// per row from row 1, in the columns the records' field tables give: six for a
// payer (account, name, opening institution, group, alias, right type as its
// code), eighteen for a payee.

// The rows of a register workbook's worksheet as the imports read them: every
// row from 1 to the used range's row count whose first cell, trimmed, is not
// empty goes to take, which answers whether it took the row; at a row with an
// empty first cell reading stops once 50 such rows have passed since the last
// row taken.
void ReadWorkbookRows(const TWorksheet& sheet, const std::function<bool(int row)>& take);

// Appends the payees of the worksheet's rows, every field trimmed of white space
// and control characters, leaving out a payee whose account number and name
// equal those of one already in the list, and a row whose account cell is a
// number that lost digits (AccountLostDigits): those rows are returned.
QList<int> ReadPayeeRows(const TWorksheet& sheet, TOwningList<TPayeeInfo>& list);

// Every cell is written as a tab, the value and one space, so that account
// numbers stay text; reading trims both away again.
void WritePayersSheet(const TOwningList<TPayerInfo>& payers, TWorksheet& sheet);
void WritePayeesSheet(const TOwningList<TPayeeInfo>& payees, TWorksheet& sheet);

// A name containing ".xls" in any case (".xlsx" too) is a workbook.
bool IsWorkbookName(const QString& path);

// Reported: nothing to import, and the clerk has been told why.
enum class TImportResult { Read, NotStarted, Failed, Reported };

// Replaces out by the accounts of the workbook at path, read by the rows of
// ReadWorkbookRows, every cell trimmed of white space and control characters.
// Payer fields outside the layout stay empty (Balance 0); a payee repeating the
// account number and name of an earlier one is left out. Rows whose account
// number lost digits are left out and named in one warning; Reported when no
// other row was read. NotStarted when the spreadsheet component cannot start,
// after the error box "Excel may not be installed". Reported, with out empty,
// after the error box of a cell the component cannot read. Failed, with out
// empty, when the workbook cannot be opened or read otherwise.
TImportResult ReadPayersWorkbook(const QString& path, TOwningList<TPayerInfo>& out,
                                 const TSpreadsheetStarter& start, TPrompts& prompts);
TImportResult ReadPayeesWorkbook(const QString& path, TOwningList<TPayeeInfo>& out,
                                 const TSpreadsheetStarter& start, TPrompts& prompts);

// Replaces the list by the payees of the workbook at path, as ReadPayeesWorkbook,
// except that a workbook that cannot be read ends the import with the payees
// read so far: quietly, or after the error box of a cell that cannot be read.
void ImportPayeesFromExcel(TOwningList<TPayeeInfo>& list, const QString& path,
                           const TSpreadsheetStarter& start, TPrompts& prompts);

// Writes a new workbook at path in the register's layout. Throws
// TSpreadsheetError, start failures included; an old file at path then stays.
void ExportPayersWorkbook(const TOwningList<TPayerInfo>& payers, const QString& path,
                          const TSpreadsheetStarter& start);
void ExportPayeesWorkbook(const TOwningList<TPayeeInfo>& payees, const QString& path,
                          const TSpreadsheetStarter& start);
