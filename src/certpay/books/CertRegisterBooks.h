#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

#include "core/OwningList.h"
#include "platform/spreadsheet/Worksheet.h"

// The central-finance registers (TCertPayer, TCertPayee, TCertAddInfo) as text
// files and workbooks, in the order of the record's field table: the codes,
// never the display texts.

// The text file: the caption line, then the text line of each entry
// (CertRegisterLine), every line ended by CR LF, in GBK.
template <class T>
QByteArray CertRegisterText(const TOwningList<T>& list, const QString& captionLine);

// The workbook: the captions in row 1, an entry per row from row 2, one field
// per column. Cells hold the values as they are.
template <class T>
void WriteCertRegisterSheet(const TOwningList<T>& list, const QStringList& captions,
                            TWorksheet& sheet);

// One row of a register workbook; no record when a cell holds "|".
template <class T>
struct TCertSheetRow {
  int Row;
  std::optional<T> Record;
};

// The rows from 2 to the used range's last whose first cell is not empty,
// every cell trimmed of white space and control characters. Throws
// TSpreadsheetCellError for a cell that cannot be read.
template <class T>
QList<TCertSheetRow<T>> ReadCertRegisterSheet(const TWorksheet& sheet);
