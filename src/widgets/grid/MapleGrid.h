#pragma once

#include <QElapsedTimer>
#include <QList>
#include <QTableView>
#include <deque>
#include <functional>
#include <optional>

#include "widgets/grid/ColumnHead.h"
#include "widgets/grid/GridSearch.h"
#include "widgets/grid/MapleColumn.h"

class TListModel;
class TMapleGridModel;
class TPrompts;

// First and last row of a selection, 0-based data rows.
struct TRowRange {
  int First = -1;
  int Last = -1;
};

// The list grid of the screens. It holds no data: it shows the table model of
// the screen's list (SetListModel), taking its columns, following its rows and
// asking it for the text of each cell shown. A screen without such a model
// says how many data rows there are (SetTotalRowCount) and answers
// OnGetCellText for each cell; OnGetCellText also adapts the model's texts. Rows and columns are
// counted from 0; the header is not a row. Beyond the data rows the grid may show empty rows (the
// one row of an empty list, the rows added by Row_Safe); the events are never asked about them.
class TMapleGrid : public QTableView {
  Q_OBJECT
 public:
  explicit TMapleGrid(TPrompts& prompts, QWidget* parent = nullptr);
  ~TMapleGrid() override;

  // Columns; the count never falls below one. A new grid has two.
  const std::deque<TMapleColumn>& Columns() const { return columns_; }
  int ColumnCount() const { return int(columns_.size()); }
  void SetColumnCount(int count);
  TMapleColumn& Column(int index) { return columns_.at(std::size_t(index)); }
  const TMapleColumn& Column(int index) const { return columns_.at(std::size_t(index)); }
  TMapleColumn& AddColumn(const QString& title, int width = kDefaultColumnWidth,
                          TColumnAlignment alignment = TColumnAlignment::Center);
  // Exactly these columns, in this order.
  void SetColumns(const QList<TColumnDef>& columns);

  // Shows the model: its columns, its rows whenever it is refreshed, its texts.
  // The model must outlive the grid or be replaced first.
  void SetListModel(TListModel* model);
  TListModel* ListModel() const { return listModel_; }

  const QList<TColumnHead>& ColumnHeads() const { return columnHeads_; }
  void SetColumnHeads(const QList<TColumnHead>& heads);
  // Where a head is drawn, in header coordinates (following the horizontal
  // scroll); nothing when it is not drawn.
  std::optional<QRect> ColumnHeadRect(int head) const;

  int FixRowHeight() const;
  void SetFixRowHeight(int height);
  // Whole rows are selected and current (on by default).
  bool RowSelect() const { return rowSelect_; }
  void SetRowSelect(bool on);
  // Selected cells in the highlight colours (on by default).
  bool DrawSelectColor() const { return drawSelectColor_; }
  void SetDrawSelectColor(bool on);

  int TotalRowCount() const { return totalRowCount_; }
  // n data rows; 0 leaves one empty row. Keeps the current row where it can.
  // Columns that fit their text widen to the widest text of the rows.
  void SetTotalRowCount(int count);
  // Rows shown, data rows and empty ones.
  int RowCount() const;

  // Current data row and column, -1 when there is none.
  int Row() const;
  int Col() const;
  // Makes the cell current and selects it (its row with RowSelect); a hidden
  // column gives way to the nearest shown one. False when no cell became current.
  bool SetCurrentCell(int col, int row);
  // Makes the row current; a row beyond the last is first given ten more rows.
  void Row_Safe(int row);
  // The selected rows; the current row when nothing is selected.
  TRowRange SelectedRows() const;
  void SelectRows(int first, int last);

  // What the cells and headers show, through the events.
  QString CellText(int col, int row) const;
  // The whole text of a cell too narrow to show it; empty when it fits.
  QString CellToolTip(int col, int row) const;
  QColor CellColor(int col, int row) const;
  QString ColumnText(int col) const;
  QString ColumnHeadText(int head) const;
  // The shown column nearest to col, to the right first; -1 when all are hidden.
  int ShownColumnNear(int col) const;

  const TGridSearch& Search() const { return search_; }
  // Asks for the criteria with the find dialog, then searches from the current row.
  void Find();
  // Searches from the row after the current one with the last criteria.
  void FindNext();

  std::function<void(int col, int row, QString& text)> OnGetCellText;
  std::function<void(int col, int row, QColor& color)> OnGetCellColor;
  // row is -1: the header.
  std::function<void(int col, int row, QString& title)> OnGetColumnText;
  std::function<void(int head, QString& text)> OnGetColumnHeadText;
  std::function<void()> OnWidthChange;
  // After the current cell changed.
  std::function<void(int col, int row)> OnSelectCell;
  // A double click on a cell of a data row; it runs through the command boundary.
  std::function<void(int col, int row)> OnDblClick;
  // With a limit, a double click is two presses on one data row within that
  // many milliseconds, whatever the desktop's own interval is.
  void SetDoubleClickMs(int ms) { doubleClickMs_ = ms; }

 protected:
  void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
  bool viewportEvent(QEvent* event) override;

 private:
  friend class TMapleColumn;
  void ColumnChanged(int col);
  void ColumnHidden(int col);
  void WidenColumnsToText();
  bool RunSearchDialog();
  TSearchRows SearchRows() const;
  void GoToFound(std::optional<int> row);

  TPrompts& prompts_;
  TMapleGridModel* model_ = nullptr;
  TListModel* listModel_ = nullptr;
  QList<QMetaObject::Connection> listConnections_;
  std::deque<TMapleColumn> columns_;
  QList<TColumnHead> columnHeads_;
  int totalRowCount_ = 0;
  bool rowSelect_ = true;
  bool drawSelectColor_ = true;
  TGridSearch search_;
  int doubleClickMs_ = 0;  // 0: the desktop's double click
  QElapsedTimer lastPress_;
  int lastPressRow_ = -1;
};
