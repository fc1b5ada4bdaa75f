#include "widgets/grid/MapleGrid.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMouseEvent>

#include "platform/prompts/Prompts.h"
#include "widgets/base/CommandGuard.h"
#include "widgets/grid/FormSearch.h"
#include "widgets/grid/ListModel.h"
#include "widgets/grid/MapleCellDelegate.h"
#include "widgets/grid/MapleGridModel.h"
#include "widgets/grid/MapleHeader.h"

namespace {

constexpr int kInitialColumns = 2;
constexpr int kRowHeight = 24;
constexpr int kRowsAddedBeyondEnd = 10;

// Keeps the current cell out of hidden columns, whoever moves it: the
// keyboard, the mouse or the program.
class TShownColumnSelection : public QItemSelectionModel {
 public:
  TShownColumnSelection(QAbstractItemModel* model, TMapleGrid& grid)
      : QItemSelectionModel(model, &grid), grid_(grid) {}

  void setCurrentIndex(const QModelIndex& index, SelectionFlags command) override {
    if (!index.isValid() || grid_.columnWidth(index.column()) > 0) {
      QItemSelectionModel::setCurrentIndex(index, command);
      return;
    }
    const int col = grid_.ShownColumnNear(index.column());
    if (col >= 0) QItemSelectionModel::setCurrentIndex(index.siblingAtColumn(col), command);
  }

 private:
  TMapleGrid& grid_;
};

}  // namespace

TMapleGrid::TMapleGrid(TPrompts& prompts, QWidget* parent) : QTableView(parent), prompts_(prompts) {
  model_ = new TMapleGridModel(*this);
  setHorizontalHeader(new TMapleHeader(*this));
  setModel(model_);
  QItemSelectionModel* defaultSelection = selectionModel();
  setSelectionModel(new TShownColumnSelection(model_, *this));
  delete defaultSelection;
  setItemDelegate(new TMapleCellDelegate(*this));

  horizontalHeader()->setDefaultSectionSize(kDefaultColumnWidth);
  horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  horizontalHeader()->setStretchLastSection(false);
  verticalHeader()->hide();
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setDefaultSectionSize(kRowHeight);
  SetFixRowHeight(kRowHeight);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setSelectionMode(QAbstractItemView::ContiguousSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setTabKeyNavigation(false);

  connect(horizontalHeader(), &QHeaderView::sectionResized, this, Guarded(prompts_, [this] {
            if (OnWidthChange) OnWidthChange();
          }));
  connect(this, &QAbstractItemView::doubleClicked, this,
          Guarded(prompts_, [this](const QModelIndex& index) {
            if (doubleClickMs_ == 0 && OnDblClick && index.row() < totalRowCount_)
              OnDblClick(index.column(), index.row());
          }));

  SetColumnCount(kInitialColumns);
  SetTotalRowCount(0);
}

TMapleGrid::~TMapleGrid() = default;

bool TMapleGrid::viewportEvent(QEvent* event) {
  const bool press =
      event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick;
  if (doubleClickMs_ > 0 && press) {
    const auto* mouse = static_cast<QMouseEvent*>(event);
    const QModelIndex index = indexAt(mouse->position().toPoint());
    const bool onRow =
        mouse->button() == Qt::LeftButton && index.isValid() && index.row() < totalRowCount_;
    const bool second = onRow && lastPress_.isValid() && index.row() == lastPressRow_ &&
                        lastPress_.elapsed() <= doubleClickMs_;
    if (second) {
      lastPress_.invalidate();
      // Run after the press has selected the row and the mouse is let go, so
      // that a dialog the command opens does not start inside the press.
      QMetaObject::invokeMethod(
          this,
          [this, column = index.column(), row = index.row()] {
            RunCommand(prompts_, [&] {
              if (OnDblClick && row < totalRowCount_) OnDblClick(column, row);
            });
          },
          Qt::QueuedConnection);
    } else if (onRow) {
      lastPress_.start();
      lastPressRow_ = index.row();
    } else {
      lastPress_.invalidate();
    }
  }
  return QTableView::viewportEvent(event);
}

void TMapleGrid::SetColumnCount(int count) {
  count = qMax(count, 1);
  const int old = ColumnCount();
  const int row = Row();
  if (count > old) {
    for (int col = old; col < count; ++col) columns_.emplace_back(*this, col);
    model_->SetColumnCount(count);
  } else if (count < old) {
    model_->SetColumnCount(count);
    while (ColumnCount() > count) columns_.pop_back();
  }
  if (Col() < 0) SetCurrentCell(0, qMax(row, 0));
}

TMapleColumn& TMapleGrid::AddColumn(const QString& title, int width, TColumnAlignment alignment) {
  const int col = ColumnCount();
  columns_.emplace_back(*this, col);
  model_->SetColumnCount(col + 1);
  TMapleColumn& column = columns_.back();
  column.SetTitle(title);
  column.SetAlignment(alignment);
  column.SetWidth(width);
  return column;
}

void TMapleGrid::SetColumns(const QList<TColumnDef>& columns) {
  SetColumnCount(int(columns.size()));
  int col = 0;
  for (const TColumnDef& def : columns) {
    TMapleColumn& column = Column(col++);
    column.SetTitle(def.Title);
    column.SetAlignment(def.Alignment);
    column.SetWidth(def.Width);
    column.SetFitsText(def.FitsText);
  }
}

void TMapleGrid::SetListModel(TListModel* model) {
  for (const QMetaObject::Connection& connection : std::as_const(listConnections_))
    disconnect(connection);
  listConnections_.clear();
  listModel_ = model;
  if (!model) return;
  SetColumns(model->Columns());
  const auto followRows = [this] { SetTotalRowCount(listModel_->rowCount()); };
  listConnections_ << connect(model, &QAbstractItemModel::modelReset, this, followRows)
                   << connect(model, &QAbstractItemModel::rowsInserted, this, followRows)
                   << connect(model, &QAbstractItemModel::rowsRemoved, this, followRows)
                   << connect(model, &QAbstractItemModel::layoutChanged, this, followRows)
                   << connect(model, &QAbstractItemModel::dataChanged, viewport(),
                              qOverload<>(&QWidget::update))
                   << connect(model, &QObject::destroyed, this, [this] { listModel_ = nullptr; });
  followRows();
}

void TMapleGrid::ColumnChanged(int col) {
  if (col < ColumnCount()) model_->HeaderChanged(col);
  viewport()->update();
}

void TMapleGrid::ColumnHidden(int col) {
  if (Col() == col) SetCurrentCell(col, Row());
}

int TMapleGrid::ShownColumnNear(int col) const {
  for (int right = col + 1; right < ColumnCount(); ++right)
    if (columnWidth(right) > 0) return right;
  for (int left = qMin(col, ColumnCount()) - 1; left >= 0; --left)
    if (columnWidth(left) > 0) return left;
  return -1;
}

void TMapleGrid::SetColumnHeads(const QList<TColumnHead>& heads) {
  columnHeads_ = heads;
  horizontalHeader()->viewport()->update();
}

std::optional<QRect> TMapleGrid::ColumnHeadRect(int head) const {
  if (head < 0 || head >= columnHeads_.size()) return std::nullopt;
  const TColumnHead& h = columnHeads_[head];
  if (h.Col1 < 0 || h.Col1 >= h.Col2 || h.Col2 >= ColumnCount()) return std::nullopt;
  const QHeaderView* header = horizontalHeader();
  const int left = header->sectionViewportPosition(h.Col1);
  const int right = header->sectionViewportPosition(h.Col2) + header->sectionSize(h.Col2);
  if (right <= 0) return std::nullopt;
  return QRect(left, 0, right - left, FixRowHeight() / 2);
}

int TMapleGrid::FixRowHeight() const {
  return horizontalHeader()->maximumHeight();
}

void TMapleGrid::SetFixRowHeight(int height) {
  horizontalHeader()->setFixedHeight(height);
}

void TMapleGrid::SetRowSelect(bool on) {
  rowSelect_ = on;
  setSelectionBehavior(on ? QAbstractItemView::SelectRows : QAbstractItemView::SelectItems);
  if (Row() >= 0) SetCurrentCell(Col(), Row());
}

void TMapleGrid::SetDrawSelectColor(bool on) {
  drawSelectColor_ = on;
  viewport()->update();
}

void TMapleGrid::SetTotalRowCount(int count) {
  const int row = Row();
  const int col = Col();
  totalRowCount_ = qMax(count, 0);
  model_->ResetRows(qMax(totalRowCount_, 1));
  WidenColumnsToText();
  SetCurrentCell(qMax(col, 0), qBound(0, row, RowCount() - 1));
}

void TMapleGrid::WidenColumnsToText() {
  for (TMapleColumn& column : columns_) {
    if (!column.FitsText() || !column.Visible()) continue;
    // The longest text is measured, not every text: cheap for long lists, and
    // exact for figures, whose digits are equally wide.
    QString longest;
    for (int row = 0; row < totalRowCount_; ++row) {
      QString text = CellText(column.Index(), row);
      if (text.size() > longest.size()) longest = std::move(text);
    }
    const int needed = ColumnWidthFor(longest, showGrid(), fontMetrics());
    if (needed > column.Width()) column.SetWidth(needed);
  }
}

int TMapleGrid::RowCount() const {
  return model_->rowCount();
}

int TMapleGrid::Row() const {
  return currentIndex().isValid() ? currentIndex().row() : -1;
}

int TMapleGrid::Col() const {
  return currentIndex().isValid() ? currentIndex().column() : -1;
}

bool TMapleGrid::SetCurrentCell(int col, int row) {
  if (row < 0 || row >= RowCount() || col < 0 || col >= ColumnCount()) return false;
  QItemSelectionModel::SelectionFlags command = QItemSelectionModel::ClearAndSelect;
  if (rowSelect_) command |= QItemSelectionModel::Rows;
  selectionModel()->setCurrentIndex(model_->index(row, col), command);
  if (Row() != row) return false;
  scrollTo(currentIndex());
  return true;
}

void TMapleGrid::Row_Safe(int row) {
  if (row < 0) return;
  if (row >= RowCount()) model_->AppendRows(kRowsAddedBeyondEnd);
  SetCurrentCell(qMax(Col(), 0), row);
}

TRowRange TMapleGrid::SelectedRows() const {
  const QItemSelection selection = selectionModel()->selection();
  if (selection.isEmpty()) return {Row(), Row()};
  TRowRange rows{selection.first().top(), selection.first().bottom()};
  for (const QItemSelectionRange& range : selection) {
    rows.First = qMin(rows.First, range.top());
    rows.Last = qMax(rows.Last, range.bottom());
  }
  return rows;
}

void TMapleGrid::SelectRows(int first, int last) {
  first = qBound(0, first, RowCount() - 1);
  last = qBound(first, last, RowCount() - 1);
  const int col = qMax(Col(), 0);
  if (!SetCurrentCell(col, first)) return;
  const QItemSelection rows(model_->index(first, 0), model_->index(last, ColumnCount() - 1));
  selectionModel()->select(rows, QItemSelectionModel::ClearAndSelect);
}

QString TMapleGrid::CellText(int col, int row) const {
  QString text;
  if (row < 0 || row >= totalRowCount_ || col < 0 || col >= ColumnCount()) return text;
  if (listModel_) text = listModel_->CellText(row, col);
  if (OnGetCellText) OnGetCellText(col, row, text);
  return text;
}

QString TMapleGrid::CellToolTip(int col, int row) const {
  if (col < 0 || col >= ColumnCount()) return {};
  const QString text = CellText(col, row);
  const int room = CellTextWidth(columnWidth(col), showGrid());
  return ShownCellText(text, Column(col).Clip(), room, fontMetrics()) == text ? QString() : text;
}

QColor TMapleGrid::CellColor(int col, int row) const {
  QColor color = palette().color(QPalette::Active, QPalette::Base);
  if (OnGetCellColor && row >= 0 && row < totalRowCount_ && col >= 0 && col < ColumnCount())
    OnGetCellColor(col, row, color);
  return color;
}

QString TMapleGrid::ColumnText(int col) const {
  if (col < 0 || col >= ColumnCount()) return {};
  QString title = Column(col).Title();
  if (OnGetColumnText) OnGetColumnText(col, -1, title);
  return title;
}

QString TMapleGrid::ColumnHeadText(int head) const {
  if (head < 0 || head >= columnHeads_.size()) return {};
  QString text = columnHeads_[head].Caption;
  if (OnGetColumnHeadText) OnGetColumnHeadText(head, text);
  return text;
}

void TMapleGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
  QTableView::currentChanged(current, previous);
  if (OnSelectCell && current.isValid()) OnSelectCell(current.column(), current.row());
}

bool TMapleGrid::RunSearchDialog() {
  QStringList titles;
  for (int col = 0; col < ColumnCount(); ++col) titles.append(ColumnText(col));
  return AskSearchCriteria(prompts_, search_, titles, this);
}

TSearchRows TMapleGrid::SearchRows() const {
  const int col = search_.Column();
  return {RowCount(), Row(), [this, col](int row) { return CellText(col, row); }};
}

void TMapleGrid::GoToFound(std::optional<int> row) {
  if (row) SetCurrentCell(search_.Column(), *row);
}

void TMapleGrid::Find() {
  if (!RunSearchDialog()) return;
  GoToFound(search_.Find(SearchRows(), prompts_));
}

void TMapleGrid::FindNext() {
  if (search_.Text().isEmpty() && !RunSearchDialog()) return;
  GoToFound(search_.FindNext(SearchRows(), prompts_));
}
