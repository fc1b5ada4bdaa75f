#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <optional>
#include <span>
#include <vector>

#include "core/Amount.h"
#include "statements/records/RowKind.h"
#include "statements/records/RowSelection.h"

// The rows behind a statement grid: named fields of one row kind, the current
// row, the grid's column captions with their sort marks, the visible order and
// the selected rows.
//
// A row is a record, numbered from 1 in the order rows were appended. The grid
// shows the records in insertion order until a column click chooses a sort;
// the sort then stays in force for every row appended later, also after
// Empty(), so a new file or query comes in sorted. Visible rows count from 0.
//
// Asking for a field name the row kind does not have, or using a text field as
// an amount and the other way round, throws std::invalid_argument; a record
// number out of range throws std::out_of_range.
class StatementTable {
 public:
  explicit StatementTable(const TRowKind& kind);

  const TRowKind& Kind() const { return kind_; }
  int FieldIndex(const QString& name) const;  // throws for an unknown name

  // Rows.
  void Empty();  // no rows, no selection; the sort stays
  // A row with every field empty; it becomes the current row.
  void Append();
  // A row with the texts of all fields in table order; an amount field takes
  // the value of its text (empty when the text is no number). It becomes the
  // current row.
  void AppendRow(std::span<const QStringView> texts);
  int RowCount() const { return int(texts_.size()); }

  // The current row. An empty table has none (RecNo() 0); setting a field then
  // throws std::logic_error.
  void First();  // the first visible row
  bool Next();   // the next visible row; false, staying put, after the last
  bool MoveTo(int recNo);
  int RecNo() const { return current_ + 1; }
  void SetText(const QString& field, QStringView text);  // a text field
  void SetAmount(const QString& field, TAmount amount);  // an amount field
  QString Text(const QString& field) const;

  // A field of any record. As text an amount field has two decimals (cut, as
  // receipts print it: "1234.50"), empty while unset; Amount() gives the value
  // of an amount field and the value read from the text of an amount text
  // field, nothing when empty or not a number. The index forms take
  // FieldIndex() and are the fast ones.
  QString Text(int recNo, const QString& field) const;
  QString Text(int recNo, int field) const;
  std::optional<TAmount> Amount(int recNo, const QString& field) const;
  std::optional<TAmount> Amount(int recNo, int field) const;

  // The grid.
  int ColumnCount() const { return int(kind_.Columns.size()); }
  const QStringList& Captions() const { return captions_; }
  int ColumnField(int column) const { return columnFields_[size_t(column)]; }
  QString CellText(int visibleRow, int column) const;
  int RecordAt(int visibleRow) const;
  int VisibleRowOf(int recNo) const;

  // A click on a column caption. The marks "▲" and "▼" leave every caption;
  // then, if an ascending sort is in force (on any column), the column's field
  // sorts descending, in the index named "i" + the field name, and its caption
  // becomes "▼" + the field name; otherwise the field sorts ascending and the
  // caption becomes "▲" + the field name. Texts sort in Chinese order, amounts
  // and amount texts by value.
  void SortByColumn(int column);
  // The descending indexes made so far, each once.
  const QStringList& IndexNames() const { return indexNames_; }

  TRowSelection& Selection() { return selection_; }
  const TRowSelection& Selection() const { return selection_; }

 private:
  // Where a field lives: its piece of the row's text, and its amount slot.
  struct TSlot {
    int Text = -1;
    int Amount = -1;
  };

  int Record(int recNo) const;  // the 0-based index; throws when out of range
  int Current() const;          // throws when there is no current row
  QStringView TextView(int record, int textSlot) const;
  std::optional<TAmount>& AmountOf(int record, int amountSlot);
  const std::optional<TAmount>& AmountOf(int record, int amountSlot) const;
  void ReplaceText(int record, int textSlot, QStringView text);
  const std::vector<int>& Order() const;
  void SortRecords() const;

  TRowKind kind_;
  std::vector<TSlot> slots_;
  std::vector<int> columnFields_;
  int textSlots_ = 0;
  int amountSlots_ = 0;

  // Per record: the texts of its text fields one after the other, the end of
  // each field's piece, and its amounts (those of amount fields and those read
  // from amount texts).
  std::vector<QString> texts_;
  std::vector<quint32> ends_;
  std::vector<std::optional<TAmount>> amounts_;
  int current_ = -1;

  QStringList captions_;
  QStringList indexNames_;
  int sortField_ = -1;
  bool descending_ = false;
  // Visible row -> record and back; made again when rows change under a sort.
  mutable std::vector<int> order_;
  mutable std::vector<int> positions_;
  mutable bool orderValid_ = true;

  TRowSelection selection_;
};
