#include "widgets/grid/ListModel.h"

TListModel::TListModel(QList<TColumnDef> columns, bool numberedRows, QObject* parent)
    : QAbstractTableModel(parent), columns_(std::move(columns)), numberedRows_(numberedRows) {}

QString TListModel::CellText(int row, int col) const {
  if (row < 0 || row >= rowCount() || col < 0 || col >= columnCount()) return {};
  if (numberedRows_ && col == 0) return QString::number(row + 1);
  return EntryText(row, col);
}

void TListModel::Refresh() {
  beginResetModel();
  endResetModel();
}

int TListModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : int(columns_.size());
}

QVariant TListModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !index.isValid()) return {};
  return CellText(index.row(), index.column());
}

QVariant TListModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole || orientation != Qt::Horizontal) return {};
  if (section < 0 || section >= columns_.size()) return {};
  return columns_[section].Title;
}
