#pragma once

#include <QList>

#include "batch/documents/PayMoneyInfo.h"
#include "platform/spreadsheet/Spreadsheet.h"

// A batch in a worksheet, in one of two layouts. Values are written as a tab,
// the value and one space, so that account numbers stay text; the sequence
// numbers have no trailing space.
//
// Twelve columns (template layout), captions in row 1, a document per row from
// row 2: 序号, payer account and name, "01" (this bank) or "02", payee account,
// name, opening institution and interbank number, SerialNo, amount, usage, Remark.
//
// Sixteen columns (line layout), a document per row from row 1: the sixteen
// fields of the batch line in their order, written unchanged (no single-space
// substitutions), with the sequence number as three digits (001).

void WriteBatchSheet12(const TBatch& batch, TWorksheet& sheet);
void WriteBatchSheet16(const TBatch& batch, TWorksheet& sheet);

struct TBatchSheetRow {
  int Row;  // worksheet row, from 1
  TPayMoneyInfo Doc;
  bool BadAmount = false;  // the amount cell holds text that is no payment amount
  // The payer's or the payee's account cell is a number that lost digits
  // (AccountLostDigits): the row must not be imported.
  bool AccountLostDigits = false;
};

// The documents of the worksheet: twelve-column layout when its used range is
// exactly twelve columns wide (row 1 skipped), otherwise sixteen-column. Cells
// are trimmed of white space and control characters. An amount cell that is
// neither empty nor a plain payment amount (TAmount::ParsePayment) reads as 0 and
// marks the row BadAmount; a payer or payee account cell that lost digits marks
// it AccountLostDigits.
// Twelve columns: "01" gives IsNVX "1", "02" gives "0", other text is kept.
// Sixteen columns: columns 13, 15 and 16 are not read.
// In both layouts a row whose first cell is empty is skipped, and reading stops
// at an empty first cell once 50 such rows have followed the last row read, or
// at the end of the used range. Nothing else is refused here: a row whose
// amount is not greater than zero is returned for the caller to judge.
QList<TBatchSheetRow> ReadBatchSheet(const TWorksheet& sheet);
