#include "widgets/grid/MapleGridModel.h"

#include "widgets/grid/MapleGrid.h"

TMapleGridModel::TMapleGridModel(TMapleGrid& grid) : QAbstractTableModel(&grid), grid_(grid) {}

int TMapleGridModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : rows_;
}

int TMapleGridModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : columns_;
}

QVariant TMapleGridModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  switch (role) {
    case Qt::DisplayRole:
      return grid_.CellText(index.column(), index.row());
    case Qt::ToolTipRole: {
      const QString tip = grid_.CellToolTip(index.column(), index.row());
      return tip.isEmpty() ? QVariant() : QVariant(tip);
    }
    case Qt::TextAlignmentRole:
      return QVariant::fromValue(ToQtAlignment(grid_.Column(index.column()).Alignment()) |
                                 Qt::AlignVCenter);
    default:
      return {};
  }
}

QVariant TMapleGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
      section < columns_)
    return grid_.ColumnText(section);
  return {};
}

Qt::ItemFlags TMapleGridModel::flags(const QModelIndex& index) const {
  return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void TMapleGridModel::ResetRows(int rows) {
  beginResetModel();
  rows_ = rows;
  endResetModel();
}

void TMapleGridModel::AppendRows(int rows) {
  if (rows <= 0) return;
  beginInsertRows(QModelIndex(), rows_, rows_ + rows - 1);
  rows_ += rows;
  endInsertRows();
}

void TMapleGridModel::SetColumnCount(int columns) {
  if (columns > columns_) {
    beginInsertColumns(QModelIndex(), columns_, columns - 1);
    columns_ = columns;
    endInsertColumns();
  } else if (columns < columns_) {
    beginRemoveColumns(QModelIndex(), columns, columns_ - 1);
    columns_ = columns;
    endRemoveColumns();
  }
}

void TMapleGridModel::HeaderChanged(int column) {
  Q_EMIT headerDataChanged(Qt::Horizontal, column, column);
}
