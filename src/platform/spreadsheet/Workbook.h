#pragma once

#include <QString>

#include "platform/spreadsheet/SpreadsheetError.h"
#include "platform/spreadsheet/WorkbookData.h"
#include "platform/spreadsheet/Worksheet.h"

class TPrompts;

// An open workbook: its worksheets, saved as .xls or .xlsx, or shown.
class TWorkbook {
 public:
  explicit TWorkbook(TWorkbookData data) : data_(std::move(data)) {}

  int WorksheetCount() const { return int(data_.Sheets.size()); }
  // Worksheet n from 1; throws TSpreadsheetError when there is none.
  TWorksheet Worksheet(int n);
  // Writes the workbook; throws TSpreadsheetError, leaving an old file as it was.
  void SaveAs(const QString& path) const;
  // Saves a temporary copy and opens it in the desktop's spreadsheet program.
  void Show(TPrompts& prompts) const;

  const TWorkbookData& Data() const { return data_; }

 private:
  TWorkbookData data_;
};
