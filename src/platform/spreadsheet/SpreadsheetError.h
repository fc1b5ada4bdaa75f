#pragma once

#include "platform/errors/ClerkError.h"

// A workbook could not be read or written: not a workbook, truncated, locked,
// too large for its format, or refused as hostile. The message says which.
class TSpreadsheetError : public TClerkError {
 public:
  using TClerkError::TClerkError;
};

// The component cannot work here; callers say "Excel may not be installed".
class TSpreadsheetStartError : public TSpreadsheetError {
 public:
  using TSpreadsheetError::TSpreadsheetError;
};

// One cell of an open workbook cannot be read; the message names the sheet
// and the cell and says what the clerk can do. Imports show it.
class TSpreadsheetCellError : public TSpreadsheetError {
 public:
  using TSpreadsheetError::TSpreadsheetError;
};
