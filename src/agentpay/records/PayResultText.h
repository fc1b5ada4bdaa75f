#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "agentpay/records/PayTemplate.h"
#include "agentpay/records/RecordLine.h"

// A result file of the bank: one line per submitted record, its fields joined
// by the separator, then the outcome and the reason of a failure.

// The cells of each line, cut as record lines are.
QList<QStringList> SplitResultLines(const QStringList& lines, const QString& separator);

// "转换excel": where the workbook of a text result file goes, beside it with
// ".xls" in place of its extension; empty when the file name has no ".".
QString ConvertedWorkbookPath(const QString& textPath);

// The question when the first line of a text result file lacks the separator.
QString MissingSeparatorQuestion(const QString& separator);

// What the result-browse screen shows of a result file: the template's
// columns and the two outcome columns, one row per line (one empty row for an
// empty file), and the totals of the template's amount column.
class TPayOutcomes {
 public:
  // A new template empties the rows.
  void SetTemplate(const TPayTemplate& payTemplate);
  const TPayTemplate& Template() const { return template_; }
  // A template is open: its first column has a caption.
  bool HasTemplate() const;
  QStringList Captions() const;

  void SetLines(const QStringList& lines);
  void Clear();
  const QList<QStringList>& Rows() const { return rows_; }
  TPayTotals Totals() const;

 private:
  TPayTemplate template_;
  QList<QStringList> rows_{QStringList()};
};
