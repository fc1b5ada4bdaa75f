#include "batch/documents/BatchWorkbook.h"

#include "batch/documents/BatchLine.h"
#include "platform/spreadsheet/AccountCells.h"
#include "xml/XmlNodes.h"

namespace {

constexpr int kEmptyRowsBeforeStop = 50;

const char* const kCaptions12[12] = {
    "序号",
    "付款方客户账号",
    "付款方账户名称",
    "收款方行别代码（01-本行 02-国内他行）",
    "收款方客户账号",
    "收款方账户名称",
    "收款方开户行名称",
    "收款方联行号",
    "客户方流水号",
    "金额",
    "用途",
    "备注",
};

QString Cell(const QString& value) {
  return u'\t' + value + u' ';
}

// Writes the values of one row from column 1.
void WriteRow(TWorksheet& sheet, int row, const QStringList& cells) {
  for (int column = 1; column <= cells.size(); ++column)
    sheet.WriteCell(row, column, cells[column - 1]);
}

QStringList Row12(const TPayMoneyInfo& doc, int seqNo) {
  const bool ownBank = doc.Payee.IsNVX == QLatin1String("1");
  return {u'\t' + QString::number(seqNo),
          Cell(doc.Payer.PayAccNo),
          Cell(doc.Payer.PayAccName),
          Cell(ownBank ? QStringLiteral("01") : QStringLiteral("02")),
          Cell(doc.Payee.RcvAccNo),
          Cell(doc.Payee.RcvAccName),
          Cell(doc.Payee.CounterName),
          Cell(doc.Payee.UbankNo),
          Cell(doc.SerialNo),
          Cell(AmountText(doc.Money)),
          Cell(doc.Usage),
          Cell(doc.Remark)};
}

QStringList Row16(const TPayMoneyInfo& doc, int seqNo) {
  return {u'\t' + QString::number(seqNo).rightJustified(3, u'0'),
          Cell(doc.Payer.PayAccName),
          Cell(doc.Payer.PayAccNo),
          Cell(doc.Payer.BranchCode),
          Cell(doc.Payee.RcvAccNo),
          Cell(doc.Payee.RcvAccName),
          Cell(doc.Payee.BranchCode),
          Cell(doc.Payee.CounterName),
          Cell(doc.Payee.UbankNo),
          Cell(doc.Payee.CounterNo),
          Cell(doc.Payee.IsNVX),
          Cell(AmountText(doc.Money)),
          Cell(QStringLiteral("01")),
          Cell(doc.Usage),
          Cell(doc.Payee.BankCode),
          Cell(doc.Payee.AreaCode)};
}

TAmount ReadAmount(const QString& text) {
  return TAmount::ParsePayment(text).value_or(TAmount());
}

QString BankCategory(const QString& text) {
  if (text == QLatin1String("01")) return QStringLiteral("1");
  if (text == QLatin1String("02")) return QStringLiteral("0");
  return text;
}

// cell(c) is column c of the row, trimmed.
template <class CellOf>
TPayMoneyInfo Read12(const CellOf& cell) {
  TPayMoneyInfo doc;
  doc.Payer.PayAccNo = cell(2);
  doc.Payer.PayAccName = cell(3);
  doc.Payee.IsNVX = BankCategory(cell(4));
  doc.Payee.RcvAccNo = cell(5);
  doc.Payee.RcvAccName = cell(6);
  doc.Payee.CounterName = cell(7);
  doc.Payee.UbankNo = cell(8);
  doc.SerialNo = cell(9);
  doc.Money = ReadAmount(cell(10));
  doc.Usage = cell(11);
  doc.Remark = cell(12);
  return doc;
}

template <class CellOf>
TPayMoneyInfo Read16(const CellOf& cell) {
  TPayMoneyInfo doc;
  doc.Payer.PayAccName = cell(2);
  doc.Payer.PayAccNo = cell(3);
  doc.Payer.BranchCode = cell(4);
  doc.Payee.RcvAccNo = cell(5);
  doc.Payee.RcvAccName = cell(6);
  doc.Payee.BranchCode = cell(7);
  doc.Payee.CounterName = cell(8);
  doc.Payee.UbankNo = cell(9);
  doc.Payee.CounterNo = cell(10);
  doc.Payee.IsNVX = cell(11);
  doc.Money = ReadAmount(cell(12));
  doc.Usage = cell(14);
  return doc;
}

}  // namespace

void WriteBatchSheet12(const TBatch& batch, TWorksheet& sheet) {
  for (int column = 1; column <= 12; ++column)
    sheet.WriteCell(1, column, QString::fromUtf8(kCaptions12[column - 1]));
  for (int i = 0; i < batch.Count(); ++i) WriteRow(sheet, i + 2, Row12(batch[i], i + 1));
}

void WriteBatchSheet16(const TBatch& batch, TWorksheet& sheet) {
  for (int i = 0; i < batch.Count(); ++i) WriteRow(sheet, i + 1, Row16(batch[i], i + 1));
}

QList<TBatchSheetRow> ReadBatchSheet(const TWorksheet& sheet) {
  const bool twelve = sheet.UsedColumns() == 12;
  const int lastRow = sheet.UsedRows();
  QList<TBatchSheetRow> rows;
  int emptyRows = 0;
  for (int row = twelve ? 2 : 1; row <= lastRow; ++row) {
    const auto cell = [&](int column) { return xml::TrimControls(sheet.ReadCell(row, column)); };
    if (cell(1).isEmpty()) {
      if (emptyRows >= kEmptyRowsBeforeStop) break;
      ++emptyRows;
      continue;
    }
    emptyRows = 0;
    const QString amount = cell(twelve ? 10 : 12);
    const bool badAmount = !amount.isEmpty() && !TAmount::ParsePayment(amount);
    // The payer's account is in column 2 or 3, the payee's in column 5.
    const bool lostDigits =
        AccountLostDigits(sheet, row, twelve ? 2 : 3) || AccountLostDigits(sheet, row, 5);
    rows.append({row, twelve ? Read12(cell) : Read16(cell), badAmount, lostDigits});
  }
  return rows;
}
