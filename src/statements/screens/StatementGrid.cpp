#include "statements/screens/StatementGrid.h"

#include <QAction>
#include <QHeaderView>
#include <QItemSelectionModel>

#include "platform/prompts/Prompts.h"
#include "statements/records/StatementTable.h"
#include "widgets/base/CommandGuard.h"

namespace {

const QColor kShaded(0xEE, 0xF3, 0xFA);

bool IsAmount(const StatementTable& table, int column) {
  return table.Kind().Fields[table.ColumnField(column)].Type != TFieldType::Text;
}

// Room for what a column usually holds: account numbers, names, the rest.
int StartWidth(const StatementTable& table, int column) {
  const QString& field = table.Kind().Fields[table.ColumnField(column)].Name;
  if (IsAmount(table, column)) return 110;
  if (field.contains(QStringLiteral("账号")) || field.contains(QStringLiteral("帐号")) ||
      field.contains(QStringLiteral("账户")))
    return field.contains(QStringLiteral("名称")) ? 210 : 160;
  if (field.contains(QStringLiteral("名称")) || field.contains(QStringLiteral("户名")) ||
      field.contains(QStringLiteral("单位")))
    return 210;
  return 100;
}

}  // namespace

TStatementGrid::TStatementGrid(TPrompts& prompts, StatementTable& table, QWidget* parent)
    : TMapleGrid(prompts, parent), table_(table) {
  setToolTip(QStringLiteral("按住Ctrl,选择要打印的数据或单击右键选择打印全部数据"));
  setSelectionMode(QAbstractItemView::ExtendedSelection);
  QList<TColumnDef> columns;
  for (int column = 0; column < table_.ColumnCount(); ++column) {
    const bool amount = IsAmount(table_, column);
    columns.append({table_.Captions()[column], StartWidth(table_, column),
                    amount ? TColumnAlignment::Right : TColumnAlignment::Left});
  }
  SetColumns(columns);
  OnGetColumnText = [this](int col, int row, QString& title) {
    if (row < 0 && col < table_.ColumnCount()) title = table_.Captions()[col];
  };
  OnGetCellText = [this](int col, int row, QString& text) { text = table_.CellText(row, col); };
  OnGetCellColor = [this](int, int row, QColor& color) {
    if (table_.RecordAt(row) % 2 == 0) color = kShaded;
  };
  connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
          [this] { TakeSelection(); });
  connect(horizontalHeader(), &QHeaderView::sectionClicked, this,
          Guarded(prompts, [this](int column) { SortBy(column); }));
  connect(this, &QAbstractItemView::clicked, this,
          Guarded(prompts, [this](const QModelIndex& index) {
            if (OnRowClick && table_.Selection().Count() == 1 && index.row() < table_.RowCount())
              OnRowClick(table_.RecordAt(index.row()));
          }));
  auto* selectAll = new QAction(QStringLiteral("选择全部数据"), this);
  selectAll->setObjectName(QStringLiteral("actSelectAll"));
  connect(selectAll, &QAction::triggered, this, [this] { this->selectAll(); });
  addAction(selectAll);
  setContextMenuPolicy(Qt::ActionsContextMenu);
}

void TStatementGrid::Refresh() {
  selecting_ = true;
  SetTotalRowCount(table_.RowCount());
  clearSelection();
  for (const int recNo : table_.Selection().Records()) {
    const int row = table_.VisibleRowOf(recNo);
    selectionModel()->select(model()->index(row, 0),
                             QItemSelectionModel::Select | QItemSelectionModel::Rows);
  }
  selecting_ = false;
  horizontalHeader()->viewport()->update();
  viewport()->update();
}

void TStatementGrid::SelectRecord(int recNo) {
  if (recNo < 1 || recNo > table_.RowCount()) return;
  const int row = table_.VisibleRowOf(recNo);
  SetCurrentCell(qMax(Col(), 0), row);
  selectionModel()->select(model()->index(row, 0),
                           QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
}

void TStatementGrid::TakeSelection() {
  if (selecting_) return;
  TRowSelection& selection = table_.Selection();
  selection.Clear();
  if (table_.RowCount() == 0) return;
  for (const QModelIndex& index : selectionModel()->selectedRows())
    if (index.row() < table_.RowCount()) selection.Add(table_.RecordAt(index.row()));
}

void TStatementGrid::SortBy(int column) {
  if (column < 0 || column >= table_.ColumnCount()) return;
  table_.SortByColumn(column);
  Refresh();
}
