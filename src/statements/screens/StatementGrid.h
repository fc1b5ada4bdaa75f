#pragma once

#include <functional>

#include "widgets/grid/MapleGrid.h"

class StatementTable;

// The grid of a statement screen over its table: the table's column captions
// with their sort marks, a click on a caption sorting by that column, rows
// shaded by the parity of their record number, whole rows selected (Ctrl adds
// rows) and the selection kept in the table by record number.
class TStatementGrid : public TMapleGrid {
  Q_OBJECT
 public:
  TStatementGrid(TPrompts& prompts, StatementTable& table, QWidget* parent = nullptr);

  // The table's rows or captions changed.
  void Refresh();
  // Only this record is selected and current.
  void SelectRecord(int recNo);

  // A click on a row while exactly one row is selected; it runs through the
  // command boundary.
  std::function<void(int recNo)> OnRowClick;

 private:
  void TakeSelection();
  void SortBy(int column);

  StatementTable& table_;
  bool selecting_ = false;  // the program is changing the selection
};
