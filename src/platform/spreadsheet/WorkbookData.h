#pragma once

#include <QString>
#include <QStringList>
#include <stdexcept>
#include <vector>

// A workbook as the readers give it and the writers take it: worksheets in
// order, each a grid of cell texts. Row r, column c (from 0) is rows[r][c]; a
// row may be shorter than others, and a missing cell reads as empty text.
struct TSheetData {
  QString Name;
  std::vector<QStringList> Rows;

  // The used range: rows up to the last non-empty row, columns up to the last
  // non-empty column of any row.
  int RowCount() const;
  int ColumnCount() const;
  QString Cell(int row, int column) const;                 // from 0; empty outside the grid
  void SetCell(int row, int column, const QString& text);  // from 0; grows the grid
};

struct TWorkbookData {
  std::vector<TSheetData> Sheets;
};
