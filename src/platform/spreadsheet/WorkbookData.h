#pragma once

#include <QString>
#include <QStringList>
#include <stdexcept>
#include <unordered_map>
#include <unordered_set>
#include <utility>
#include <vector>

// A workbook as the readers give it and the writers take it: worksheets in
// order, each a grid of cell texts. Row r, column c (from 0) is rows[r][c]; a
// row may be shorter than others, and a missing cell reads as empty text.
struct TSheetData {
  TSheetData() = default;
  TSheetData(QString name, std::vector<QStringList> rows)
      : Name(std::move(name)), Rows(std::move(rows)) {}

  QString Name;
  std::vector<QStringList> Rows;
  // Widths of the columns from 0, in characters of the default font; 0 (or a
  // column beyond the list) keeps the program's default width.
  std::vector<double> ColumnWidths;

  // The used range: rows up to the last non-empty row, columns up to the last
  // non-empty column of any row.
  int RowCount() const;
  int ColumnCount() const;
  QString Cell(int row, int column) const;                 // from 0; empty outside the grid
  void SetCell(int row, int column, const QString& text);  // from 0; grows the grid; clears marks

  // Marks the readers leave on the few cells whose text is not the whole
  // story, rows and columns from 0.
  // A number cell that has lost digits in the file: more than 15 significant
  // digits, or shown in exponent form. Its text cannot be an account number.
  void MarkInexactNumber(int row, int column);
  bool IsInexactNumber(int row, int column) const;
  // A cell that cannot be read (a formula the component cannot work out),
  // with the reason to tell the clerk; null for every other cell.
  void MarkUnreadable(int row, int column, const QString& reason);
  const QString* UnreadableReason(int row, int column) const;

 private:
  static quint64 Key(int row, int column) { return quint64(quint32(row)) << 32 | quint32(column); }

  std::unordered_set<quint64> inexactNumbers_;
  std::unordered_map<quint64, QString> unreadable_;
};

struct TWorkbookData {
  std::vector<TSheetData> Sheets;
};
