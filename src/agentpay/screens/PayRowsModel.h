#pragma once

#include <QAbstractTableModel>

class TPayRecords;

// The rows of the agent-pay records as the grid shows them: one column per
// template column under its caption, one row per record row. Cells can be
// changed only in edit mode.
class TPayRowsModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  explicit TPayRowsModel(TPayRecords& records, QObject* parent = nullptr);

  bool IsEditing() const { return editing_; }
  void SetEditing(bool editing);
  // The rows, the columns or both changed in the records.
  void Reset();

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;
  bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;

 private:
  TPayRecords& records_;
  bool editing_ = false;
};
