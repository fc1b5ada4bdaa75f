#pragma once

#include <QString>
#include <QStringList>

#include "agentpay/records/PayTemplate.h"

class TWorksheet;

// The record lines an import through the template gives, or the message that
// refused it: an import takes every line or none.
struct TPayImport {
  QStringList Lines;
  QString Problem;  // empty when imported
};

// Lines begin to end (from 1; end cut to the lines there are) of a delimited
// text file. Each line, trimmed, is cut into fields by the separator: a field
// is the text before an occurrence, the text after the last one is no field.
// Each template column takes the field its position names; the amount must be
// a plain decimal of at most two decimals.
TPayImport ImportTextLines(const QStringList& fileLines, int begin, int end,
                           const QString& separator, const TPayTemplate& payTemplate);

// Rows begin to end (from 1) of a worksheet, each template column from the
// sheet column its position names, cell texts trimmed. Rows with an empty cell
// are left out; a non-empty amount must be a plain decimal of at most two
// decimals. Throws TSpreadsheetCellError for a cell the component cannot read.
TPayImport ImportWorksheetRows(const TWorksheet& sheet, int begin, int end,
                               const TPayTemplate& payTemplate);
