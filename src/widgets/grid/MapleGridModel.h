#pragma once

#include <QAbstractTableModel>

class TMapleGrid;

// The model behind a TMapleGrid. It holds no data, only the numbers of rows
// and columns, and asks the grid for every text.
class TMapleGridModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  explicit TMapleGridModel(TMapleGrid& grid);

  int rowCount(const QModelIndex& parent = QModelIndex()) const override;
  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

  // A reset: cheap whatever the number of rows, nothing is copied.
  void ResetRows(int rows);
  void AppendRows(int rows);
  void SetColumnCount(int columns);
  void HeaderChanged(int column);

 private:
  TMapleGrid& grid_;
  int rows_ = 1;
  int columns_ = 0;
};
