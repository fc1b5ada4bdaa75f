#include "agentpay/records/TemplateDraft.h"

#include <QSet>

int TTemplateDraft::InsertPosition(int selectedRow) const {
  return columns_.isEmpty() ? 1 : selectedRow + 2;
}

int TTemplateDraft::Insert(int selectedRow, const QString& name) {
  const int row = columns_.isEmpty() ? 0 : std::clamp(selectedRow + 1, 0, int(columns_.size()));
  columns_.insert(row, {name, 0});
  Renumber();
  return row;
}

void TTemplateDraft::Rename(int row, const QString& name) {
  if (row < 0 || row >= columns_.size()) return;
  columns_[row] = {name, row + 1};
}

void TTemplateDraft::Remove(int row) {
  if (row < 0 || row >= columns_.size()) return;
  columns_.removeAt(row);
  Renumber();
}

std::pair<int, QString> TTemplateDraft::Problem() const {
  QSet<int> seen;
  for (int row = 0; row < columns_.size(); ++row) {
    const TPayColumn& column = columns_[row];
    if (column.Name.trimmed().isEmpty() || column.Position < 1)
      return {row, QStringLiteral("请输入完整数据!")};
    if (seen.contains(column.Position)) return {row, QStringLiteral("列位置不能重复,请重新输入!")};
    seen.insert(column.Position);
  }
  return {-1, QString()};
}

void TTemplateDraft::Renumber() {
  for (int row = 0; row < columns_.size(); ++row) columns_[row].Position = row + 1;
}

QString OneWhenEmptyOrZero(const QString& digits) {
  bool ok = false;
  const int value = digits.toInt(&ok);
  return !ok || value == 0 ? QStringLiteral("1") : digits;
}

QString MoneyColumnProblem(int money, qsizetype columns) {
  return money > columns ? QStringLiteral("请重新指定金额列") : QString();
}
