#include "agentpay/screens/PayRowsModel.h"

#include "agentpay/records/PayRecords.h"

TPayRowsModel::TPayRowsModel(TPayRecords& records, QObject* parent)
    : QAbstractTableModel(parent), records_(records) {}

void TPayRowsModel::SetEditing(bool editing) {
  editing_ = editing;
  if (rowCount() > 0) Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

void TPayRowsModel::Reset() {
  beginResetModel();
  endResetModel();
}

int TPayRowsModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : int(records_.Rows().size());
}

int TPayRowsModel::columnCount(const QModelIndex& parent) const {
  // A grid without a template still shows one column.
  return parent.isValid() ? 0 : std::max(1, int(records_.Template().Columns.size()));
}

QVariant TPayRowsModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) return {};
  const QStringList& row = records_.Rows()[index.row()];
  return index.column() < row.size() ? row[index.column()] : QString();
}

QVariant TPayRowsModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (role != Qt::DisplayRole) return {};
  if (orientation == Qt::Vertical) return section + 1;
  const QList<TPayColumn>& columns = records_.Template().Columns;
  return section < columns.size() ? columns[section].Name : QString();
}

Qt::ItemFlags TPayRowsModel::flags(const QModelIndex& index) const {
  Qt::ItemFlags flags = QAbstractTableModel::flags(index);
  if (editing_ && index.isValid()) flags |= Qt::ItemIsEditable;
  return flags;
}

bool TPayRowsModel::setData(const QModelIndex& index, const QVariant& value, int role) {
  if (!editing_ || !index.isValid() || role != Qt::EditRole) return false;
  QStringList& row = records_.Rows()[index.row()];
  while (row.size() <= index.column()) row.append(QString());
  row[index.column()] = value.toString();
  Q_EMIT dataChanged(index, index);
  return true;
}
