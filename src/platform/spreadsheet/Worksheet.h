#pragma once

#include <QString>

#include "platform/spreadsheet/SpreadsheetError.h"
#include "platform/spreadsheet/WorkbookData.h"

// One worksheet of an open workbook, rows and columns counted from 1, cells
// read and written as text.
class TWorksheet {
 public:
  explicit TWorksheet(TSheetData& sheet) : sheet_(sheet) {}

  // The used range: from row and column 1 to the last non-empty cell.
  int UsedRows() const { return sheet_.RowCount(); }
  int UsedColumns() const { return sheet_.ColumnCount(); }
  // Throws TSpreadsheetError for a cell the component could not read (a
  // formula it cannot work out), saying which and what to do.
  QString ReadCell(int row, int column) const {
    if (const QString* reason = sheet_.UnreadableReason(row - 1, column - 1))
      throw TSpreadsheetCellError(*reason);
    return sheet_.Cell(row - 1, column - 1);
  }
  // A number cell that lost digits in the file (see TSheetData).
  bool IsInexactNumber(int row, int column) const {
    return sheet_.IsInexactNumber(row - 1, column - 1);
  }
  void WriteCell(int row, int column, const QString& text) {
    sheet_.SetCell(row - 1, column - 1, text);
  }
  QString Name() const { return sheet_.Name; }

 private:
  TSheetData& sheet_;
};
