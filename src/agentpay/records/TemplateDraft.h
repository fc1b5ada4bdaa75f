#pragma once

#include <QList>
#include <QString>

#include "agentpay/records/PayTemplate.h"

// The column list of the template editor, without widgets. Rows count from 0;
// positions from 1. Every change numbers the positions 1, 2, 3 … from the top,
// as a template made in the editor has them.
class TTemplateDraft {
 public:
  const QList<TPayColumn>& Columns() const { return columns_; }
  void SetColumns(QList<TPayColumn> columns) { columns_ = std::move(columns); }

  // The position a column inserted after the selected row takes: right after
  // it, or 1 when there is no column yet.
  int InsertPosition(int selectedRow) const;
  // Inserts after the selected row (-1: at the top); returns the new row.
  int Insert(int selectedRow, const QString& name);
  void Rename(int row, const QString& name);
  void Remove(int row);

  // The first row that is incomplete (blank name, position below 1) or repeats
  // a position, with its message ("请输入完整数据!", "列位置不能重复,请重新输入!");
  // -1 and an empty message when every row is fine.
  std::pair<int, QString> Problem() const;

 private:
  void Renumber();
  QList<TPayColumn> columns_;
};

// The amount-column and worksheet fields: emptied or set to 0 they read 1.
QString OneWhenEmptyOrZero(const QString& digits);

// The message refusing to save a template whose amount column is past its
// columns ("请重新指定金额列"), empty when it may be saved.
QString MoneyColumnProblem(int money, qsizetype columns);
