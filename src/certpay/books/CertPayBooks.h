#pragma once

#include <QByteArray>
#include <QList>
#include <optional>

#include "certpay/records/UserInput.h"
#include "core/OwningList.h"
#include "platform/spreadsheet/Worksheet.h"

// The editor's documents as a payment file and as a workbook.

// The most documents an import brings the list to.
inline constexpr int kMaxImportedDocuments = 200;

// The payment file: a payment line per document, numbered from 1, each ended
// by CR LF, in GBK.
QByteArray CertPayFileBytes(const TOwningList<TUserInput>& docs);

// The workbook: a document per row from row 1, the twenty-one pieces of its
// payment line in columns 1 to 21, as they are.
void WriteCertPaySheet(const TOwningList<TUserInput>& docs, TWorksheet& sheet);

// One filled row of a payment workbook.
struct TCertPayRow {
  int Row;                        // from 1
  std::optional<TUserInput> Doc;  // none: the row does not read as a payment line
  // The payer's (column 2) or the payee's (column 5) account cell is a number
  // that lost digits (AccountLostDigits).
  bool AccountLostDigits = false;
};

// The rows of the first worksheet from 1 to the used range's last, read as
// ReadWorkbookRows does (rows whose first cell is empty skipped, the end at an
// empty row once 50 such rows followed the last filled one), columns 1 to 21
// trimmed and read as the pieces of a payment line (ReadPaymentPieces). Throws
// TSpreadsheetCellError for a cell that cannot be read.
QList<TCertPayRow> ReadCertPaySheet(const TWorksheet& sheet);
