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
  // Column widths (columns from 1) in characters; 0 is the default width.
  double ColumnWidth(int column) const {
    const auto index = std::size_t(column - 1);
    return index < sheet_.ColumnWidths.size() ? sheet_.ColumnWidths[index] : 0;
  }
  void SetColumnWidth(int column, double characters) {
    const auto index = std::size_t(column - 1);
    if (sheet_.ColumnWidths.size() <= index) sheet_.ColumnWidths.resize(index + 1);
    sheet_.ColumnWidths[index] = characters;
  }

 private:
  TSheetData& sheet_;
};
