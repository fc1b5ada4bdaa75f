#include "statements/records/StatementTotals.h"

#include "core/TextHelpers.h"

QString TStatementTotals::AmountText(TAmount amount) {
  return QStringLiteral("￥") + FormatAmount(false, amount);
}

std::optional<TStatementTotals> DetailFileTotals(const StatementTable& table) {
  const int amountField = table.FieldIndex(QStringLiteral("借(贷)方发生额"));
  const int flagField = table.FieldIndex(QStringLiteral("借贷标志"));
  const QString debit = QStringLiteral("借方");
  const QString credit = QStringLiteral("贷方");
  TStatementTotals totals;
  totals.Count = table.RowCount();
  for (int recNo = 1; recNo <= table.RowCount(); ++recNo) {
    const std::optional<TAmount> amount = table.Amount(recNo, amountField);
    if (!amount) return std::nullopt;
    const QString flag = table.Text(recNo, flagField);
    if (flag == debit) totals.Debit += *amount;
    if (flag == credit) totals.Credit += *amount;
  }
  return totals;
}

std::optional<TStatementTotals> FlowFileTotals(const StatementTable& table) {
  const int amountField = table.FieldIndex(QStringLiteral("金额"));
  TStatementTotals totals;
  totals.Count = table.RowCount();
  for (int recNo = 1; recNo <= table.RowCount(); ++recNo) {
    const std::optional<TAmount> amount = table.Amount(recNo, amountField);
    if (!amount) return std::nullopt;
    totals.Sum += *amount;
  }
  return totals;
}
