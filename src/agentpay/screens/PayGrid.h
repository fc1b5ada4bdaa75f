#pragma once

#include <QTableView>
#include <functional>

#include "widgets/grid/GridSearch.h"

class TPayRowsModel;
class TPrompts;

// The record grid of the agent-pay screen. Outside edit mode it is read-only
// and selects whole rows (a range of them); in edit mode single cells are
// selected and typed into.
class TPayGrid : public QTableView {
  Q_OBJECT
 public:
  TPayGrid(TPrompts& prompts, TPayRowsModel& model, QWidget* parent = nullptr);

  void SetEditing(bool editing);
  // Puts what an open cell editor holds into the records.
  void CommitEdit();

  // The current record row, -1 when there is none.
  int Row() const;
  // First and last selected row; both the current row when none is selected.
  std::pair<int, int> SelectedRows() const;
  void SelectRow(int row);
  void SelectCell(int row, int column);

  // Asks for the criteria with the find dialog, then searches from the
  // current row; FindNext searches from the row after it.
  void Find();
  void FindNext();

  // After the clerk made a cell current.
  std::function<void(int row, int column)> OnSelectCell;

 protected:
  void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

 private:
  bool AskCriteria();
  TSearchRows SearchRows() const;
  void GoToFound(std::optional<int> row);

  TPrompts& prompts_;
  TPayRowsModel& model_;
  TGridSearch search_;
  bool selecting_ = false;  // the program is moving the current cell
};
