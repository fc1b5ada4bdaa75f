#pragma once

#include <QList>
#include <set>

// The rows a clerk selected in a statement grid, whole rows by record number.
// Printing takes them in ascending record order, whatever order the grid shows.
class TRowSelection {
 public:
  void Clear() { records_.clear(); }
  // Only this record is selected.
  void SelectOnly(int recNo);
  // The record joins the selection (a click with Ctrl held).
  void Add(int recNo) { records_.insert(recNo); }
  void Remove(int recNo) { records_.erase(recNo); }

  bool IsSelected(int recNo) const { return records_.count(recNo) != 0; }
  int Count() const { return int(records_.size()); }
  // The selected record numbers, ascending.
  QList<int> Records() const;

 private:
  std::set<int> records_;
};
