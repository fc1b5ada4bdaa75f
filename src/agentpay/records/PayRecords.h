#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "agentpay/records/PayTemplate.h"
#include "agentpay/records/RecordLine.h"

// The records of the agent-pay screen without widgets: the committed record
// lines, and the rows of cells the grid shows and edits (one empty row when
// there is none). Rows count from 0 (the first record row).
class TPayRecords {
 public:
  // The template the records follow; the records are cleared.
  void SetTemplate(const TPayTemplate& payTemplate);
  const TPayTemplate& Template() const { return template_; }
  // A template is open: its first column has a caption.
  bool HasTemplate() const;

  QList<QStringList>& Rows() { return rows_; }
  const QList<QStringList>& Rows() const { return rows_; }
  const QStringList& Lines() const { return lines_; }

  // Where and why "保存" stopped; an empty message when it did not.
  struct TSaveProblem {
    QString Message;
    int Row = -1;
    int Column = -1;
  };
  // "保存": each row's amount checked, from the top, and its record line
  // built. A cell holding the separator is refused too: it would shift the
  // later fields of the line. Stops at the first refused row (the lines then
  // hold the rows before it, the rows stay as they are); on success the rows
  // are rebuilt from the lines.
  TSaveProblem Save();

  // The lines an import gave, after those there are; the rows rebuilt.
  void AppendLines(const QStringList& lines);
  // The lines of an agent-pay text file instead of those there are.
  void ReplaceLines(const QStringList& lines);
  // Removes the records of rows first to last, from the last upward; a row
  // whose first cell is empty stops it with "不能删除空记录！". The rows are
  // rebuilt either way, so the grid never shows a record that is gone.
  QString RemoveRows(int first, int last);
  void Clear();

  // The number of records: the rows, less the one empty row a grid without
  // records shows.
  int Count() const;
  TPayTotals Totals() const;

 private:
  void RebuildRows();
  QString Separator() const { return template_.Separator(); }

  TPayTemplate template_;
  QStringList lines_;
  QList<QStringList> rows_{QStringList()};
};
