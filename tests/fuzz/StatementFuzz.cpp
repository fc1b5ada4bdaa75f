#include "FuzzInput.h"
#include "statements/records/DetailFile.h"
#include "statements/records/FlowFile.h"
#include "statements/records/StatementTotals.h"

// Reads the bytes as an account-detail file and as a transfer-flow file, then
// totals and sorts what was read. A read keeps the rows before a failing line
// and names that line; every detail row has a debit or credit flag; a sort
// shows every record once.
namespace {

void CheckSorted(StatementTable& table, int column) {
  table.SortByColumn(column);
  std::vector<bool> seen(size_t(table.RowCount()), false);
  for (int row = 0; row < table.RowCount(); ++row) {
    const int recNo = table.RecordAt(row);
    FuzzRequire(!seen[size_t(recNo - 1)], "a sorted grid shows each record once");
    seen[size_t(recNo - 1)] = true;
    FuzzRequire(table.VisibleRowOf(recNo) == row, "a record is found where the grid shows it");
  }
}

void CheckRead(const TStatementFileRead& read, const StatementTable& table) {
  FuzzRequire(read.Ok() == (read.FailedLine == 0), "a failing line is named");
  FuzzRequire(read.Ok() || read.Failure.endsWith(QStringLiteral("行）")),
              "the message of a failing line ends with its number");
  FuzzRequire(table.RowCount() < read.FailedLine || read.Ok(), "rows come only from earlier lines");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray bytes = FuzzBytes(data, size);

  StatementTable detail(DetailFileRow());
  const TStatementFileRead detailRead = ReadDetailBytes(bytes, detail);
  CheckRead(detailRead, detail);
  for (int recNo = 1; recNo <= detail.RowCount(); ++recNo) {
    const QString flag = detail.Text(recNo, QStringLiteral("借贷标志"));
    FuzzRequire(flag == QStringLiteral("借方") || flag == QStringLiteral("贷方"),
                "a detail row is a debit or a credit");
  }
  if (const std::optional<TStatementTotals> totals = DetailFileTotals(detail))
    FuzzRequire(totals->Count == detail.RowCount(), "the totals count every row");
  for (int column = 0; column < detail.ColumnCount(); ++column) CheckSorted(detail, column);

  StatementTable flow(FlowFileRow());
  CheckRead(ReadFlowBytes(bytes, flow), flow);
  FlowFileTotals(flow);
  for (int column = 0; column < flow.ColumnCount(); ++column) CheckSorted(flow, column);
  return 0;
}
