#include "agentpay/screens/PayGrid.h"

#include <QHeaderView>
#include <utility>

#include "agentpay/screens/PayRowsModel.h"
#include "widgets/grid/FormSearch.h"

TPayGrid::TPayGrid(TPrompts& prompts, TPayRowsModel& model, QWidget* parent)
    : QTableView(parent), prompts_(prompts), model_(model) {
  setModel(&model_);
  verticalHeader()->setDefaultSectionSize(24);
  horizontalHeader()->setDefaultSectionSize(120);
  setAlternatingRowColors(true);
  SetEditing(false);
}

void TPayGrid::SetEditing(bool editing) {
  if (!editing) CommitEdit();
  model_.SetEditing(editing);
  setSelectionBehavior(editing ? SelectItems : SelectRows);
  setSelectionMode(editing ? SingleSelection : ContiguousSelection);
  setEditTriggers(editing ? DoubleClicked | SelectedClicked | EditKeyPressed | AnyKeyPressed
                          : NoEditTriggers);
}

void TPayGrid::CommitEdit() {
  if (state() != EditingState) return;
  if (QWidget* editor = indexWidget(currentIndex())) {
    commitData(editor);
    closeEditor(editor, QAbstractItemDelegate::NoHint);
  }
}

int TPayGrid::Row() const {
  return currentIndex().isValid() ? currentIndex().row() : -1;
}

std::pair<int, int> TPayGrid::SelectedRows() const {
  const QModelIndexList rows = selectionModel()->selectedRows();
  if (rows.isEmpty()) return {Row(), Row()};
  int first = rows.first().row();
  int last = first;
  for (const QModelIndex& index : rows) {
    first = std::min(first, index.row());
    last = std::max(last, index.row());
  }
  return {first, last};
}

void TPayGrid::SelectRow(int row) {
  SelectCell(row, std::max(currentIndex().column(), 0));
}

void TPayGrid::SelectCell(int row, int column) {
  const QModelIndex index = model_.index(row, column);
  if (!index.isValid()) return;
  selecting_ = true;
  setCurrentIndex(index);
  selecting_ = false;
  scrollTo(index);
}

bool TPayGrid::AskCriteria() {
  QStringList titles;
  for (int col = 0; col < model_.columnCount(); ++col)
    titles.append(model_.headerData(col, Qt::Horizontal).toString());
  return AskSearchCriteria(prompts_, search_, titles, this);
}

void TPayGrid::Find() {
  if (AskCriteria()) GoToFound(search_.Find(SearchRows(), prompts_));
}

void TPayGrid::FindNext() {
  if (search_.Text().isEmpty() && !AskCriteria()) return;
  GoToFound(search_.FindNext(SearchRows(), prompts_));
}

TSearchRows TPayGrid::SearchRows() const {
  const int col = search_.Column();
  return {model_.rowCount(), Row(),
          [this, col](int row) { return model_.index(row, col).data().toString(); }};
}

void TPayGrid::GoToFound(std::optional<int> row) {
  if (row) SelectCell(*row, search_.Column());
}

void TPayGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
  QTableView::currentChanged(current, previous);
  if (!selecting_ && current.isValid() && current != previous && OnSelectCell)
    OnSelectCell(current.row(), current.column());
}
