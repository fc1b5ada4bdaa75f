#pragma once

#include <QString>

#include "platform/spreadsheet/WorkbookData.h"
#include "platform/spreadsheet/Worksheet.h"

class StatementTable;

// The file name of the account-detail export's workbook template in param.
inline constexpr char16_t kHisTraListFile[] = u"HisTraList.xlt";

// The template as it ships: a title in row 1, the account's labels in row 2,
// the ten column heads in row 3, and column widths that fit them.
TWorkbookData HisTraListTemplate();

// The account-detail rows in the template's first sheet: the account number
// in row 2 column 3 and its name in column 9, then from row 4 one row per
// record in the table's current order, ten columns each.
void FillHisTraList(TWorksheet& sheet, const StatementTable& table, const QString& accNo,
                    const QString& accName);
