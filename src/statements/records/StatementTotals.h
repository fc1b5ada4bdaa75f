#pragma once

#include <QString>
#include <optional>

#include "core/Amount.h"
#include "statements/records/StatementTable.h"

// The totals line under a statement file's grid, exact to the fen.
struct TStatementTotals {
  TAmount Debit;   // account-detail files: rows whose 借贷标志 is 借方
  TAmount Credit;  // account-detail files: rows whose 借贷标志 is 贷方
  TAmount Sum;     // transfer-flow files: every row
  int Count = 0;

  // "￥1,234.50"
  static QString AmountText(TAmount amount);
  QString DebitText() const { return AmountText(Debit); }
  QString CreditText() const { return AmountText(Credit); }
  QString SumText() const { return AmountText(Sum); }
  QString CountText() const { return QString::number(Count); }
};

// The sums of 借(贷)方发生额 of a table of DetailFileRow, by 借贷标志. Nothing
// when any row's amount is not a number: the screen keeps the totals it shows.
std::optional<TStatementTotals> DetailFileTotals(const StatementTable& table);

// The sum of 金额 of a table of FlowFileRow; nothing when any row's 金额 is not a
// number.
std::optional<TStatementTotals> FlowFileTotals(const StatementTable& table);
