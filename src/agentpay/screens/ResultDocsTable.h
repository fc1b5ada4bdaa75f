#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "agentpay/online/PayResults.h"

// The documents of the result-download grid: their visible columns, and the
// order a click on a column title gives them.
class TResultDocsTable {
 public:
  QList<TPayResultDoc>& Docs() { return docs_; }
  const QList<TPayResultDoc>& Docs() const { return docs_; }
  // The page's documents in the order the bank sent them; no column is marked.
  void SetDocs(QList<TPayResultDoc> docs);

  static int ColumnCount();
  static QString CellText(const TPayResultDoc& doc, int column);
  // The column titles, the sorted one marked "▲" (ascending) or "▼"
  // (descending) in front.
  QStringList Captions() const;

  // A click on a column title: after an ascending order the clicked column
  // sorts descending, otherwise ascending. Amounts and counts sort as numbers.
  void SortBy(int column);

 private:
  QList<TPayResultDoc> docs_;
  int sortColumn_ = -1;
  bool descending_ = false;
};
