#include "agentpay/records/PayRecords.h"

namespace {

QString CellOf(const QStringList& row, qsizetype column) {
  return column >= 0 && column < row.size() ? row[column] : QString();
}

}  // namespace

void TPayRecords::SetTemplate(const TPayTemplate& payTemplate) {
  template_ = payTemplate;
  Clear();
}

bool TPayRecords::HasTemplate() const {
  return template_.IsOpen();
}

TPayRecords::TSaveProblem TPayRecords::Save() {
  lines_.clear();
  lines_.reserve(rows_.size());
  const int money = int(template_.MoneyIndex().value_or(-1));
  const QString caption = money >= 0 ? template_.Columns[money].Name : QString();
  const QString separator = Separator();
  for (int r = 0; r < rows_.size(); ++r) {
    const QString problem = RecordAmountProblem(CellOf(rows_[r], money), caption);
    if (!problem.isEmpty()) return {problem, r, money};
    for (int c = 0; c < rows_[r].size() && c < template_.Columns.size(); ++c) {
      if (rows_[r][c].contains(separator))
        return {
            QStringLiteral("第%1行“%2”列的内容含有分隔符“%3”，保存后记录会错位。请修改后再保存。")
                .arg(r + 1)
                .arg(template_.Columns[c].Name, separator),
            r, c};
    }
    QStringList cells = rows_[r];
    while (cells.size() < template_.Columns.size()) cells.append(QString());
    lines_.append(JoinRecord(cells, separator));
  }
  RebuildRows();
  return {};
}

void TPayRecords::AppendLines(const QStringList& lines) {
  lines_ += lines;
  RebuildRows();
}

void TPayRecords::ReplaceLines(const QStringList& lines) {
  lines_ = lines;
  RebuildRows();
}

QString TPayRecords::RemoveRows(int first, int last) {
  for (int r = std::min(last, int(rows_.size()) - 1); r >= first && r >= 0; --r) {
    if (CellOf(rows_[r], 0).isEmpty()) {
      RebuildRows();
      return QStringLiteral("不能删除空记录！");
    }
    if (r < lines_.size()) lines_.removeAt(r);
  }
  RebuildRows();
  return {};
}

void TPayRecords::Clear() {
  lines_.clear();
  RebuildRows();
}

int TPayRecords::Count() const {
  if (rows_.isEmpty()) return 0;
  return int(rows_.size()) - (CellOf(rows_.first(), 0).isEmpty() ? 1 : 0);
}

TPayTotals TPayRecords::Totals() const {
  QStringList amounts;
  const qsizetype money = template_.MoneyIndex().value_or(-1);
  for (const QStringList& row : rows_) amounts.append(CellOf(row, money));
  TPayTotals totals = TotalsOf(amounts);
  totals.Count = Count();
  return totals;
}

void TPayRecords::RebuildRows() {
  rows_.clear();
  rows_.reserve(lines_.size());
  for (const QString& line : lines_) rows_.append(SplitRecordLine(line, Separator()));
  if (rows_.isEmpty()) rows_.append(QStringList());
}
