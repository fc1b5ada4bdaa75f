#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QString>
#include <functional>
#include <iterator>
#include <type_traits>

#include "widgets/grid/ColumnDef.h"

// A table model over a list that a screen keeps: one row per entry, the
// screen's columns, and the text of each cell. With numbered rows column 0
// shows the row's number from 1. The list belongs to the screen, which calls
// Refresh after changing it; the grid that shows the model follows.
class TListModel : public QAbstractTableModel {
  Q_OBJECT
 public:
  TListModel(QList<TColumnDef> columns, bool numberedRows, QObject* parent = nullptr);

  const QList<TColumnDef>& Columns() const { return columns_; }
  // The text of a cell of an entry; empty outside the list.
  QString CellText(int row, int col) const;
  // Every view shows the list again.
  void Refresh();

  int columnCount(const QModelIndex& parent = QModelIndex()) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation,
                      int role = Qt::DisplayRole) const override;

 protected:
  // The text of a data column of an entry.
  virtual QString EntryText(int row, int col) const = 0;

 private:
  QList<TColumnDef> columns_;
  bool numberedRows_;
};

// The model over a list of records of one kind (a QList, a QStringList, an
// owning list), whose cells a function gives.
template <class List>
class TRecordListModel : public TListModel {
 public:
  using Record = std::remove_cvref_t<decltype(*std::declval<const List&>().begin())>;
  using Cell = std::function<QString(const Record& record, int col)>;

  TRecordListModel(const List& list, QList<TColumnDef> columns, Cell cell, bool numberedRows,
                   QObject* parent = nullptr)
      : TListModel(std::move(columns), numberedRows, parent), list_(list), cell_(std::move(cell)) {}

  int rowCount(const QModelIndex& parent = QModelIndex()) const override {
    return parent.isValid() ? 0 : int(std::distance(list_.begin(), list_.end()));
  }

 protected:
  QString EntryText(int row, int col) const override { return cell_(*(list_.begin() + row), col); }

 private:
  const List& list_;
  Cell cell_;
};
