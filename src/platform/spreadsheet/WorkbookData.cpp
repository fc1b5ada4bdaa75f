#include "platform/spreadsheet/WorkbookData.h"

int TSheetData::RowCount() const {
  for (int r = int(Rows.size()) - 1; r >= 0; --r)
    for (const QString& cell : Rows[size_t(r)])
      if (!cell.isEmpty()) return r + 1;
  return 0;
}

int TSheetData::ColumnCount() const {
  int count = 0;
  for (const QStringList& row : Rows)
    for (int c = int(row.size()) - 1; c >= count; --c)
      if (!row[c].isEmpty()) {
        count = c + 1;
        break;
      }
  return count;
}

QString TSheetData::Cell(int row, int column) const {
  if (row < 0 || column < 0 || size_t(row) >= Rows.size()) return {};
  const QStringList& cells = Rows[size_t(row)];
  return column < cells.size() ? cells[column] : QString();
}

void TSheetData::SetCell(int row, int column, const QString& text) {
  if (row < 0 || column < 0) return;
  if (size_t(row) >= Rows.size()) Rows.resize(size_t(row) + 1);
  QStringList& cells = Rows[size_t(row)];
  while (cells.size() <= column) cells.append(QString());
  cells[column] = text;
  if (!inexactNumbers_.empty()) inexactNumbers_.erase(Key(row, column));
  if (!unreadable_.empty()) unreadable_.erase(Key(row, column));
}

void TSheetData::MarkInexactNumber(int row, int column) {
  inexactNumbers_.insert(Key(row, column));
}

bool TSheetData::IsInexactNumber(int row, int column) const {
  return !inexactNumbers_.empty() && inexactNumbers_.contains(Key(row, column));
}

void TSheetData::MarkUnreadable(int row, int column, const QString& reason) {
  unreadable_[Key(row, column)] = reason;
}

const QString* TSheetData::UnreadableReason(int row, int column) const {
  if (unreadable_.empty()) return nullptr;
  const auto found = unreadable_.find(Key(row, column));
  return found == unreadable_.end() ? nullptr : &found->second;
}
