#pragma once

#include <QString>
#include <functional>
#include <memory>

#include "platform/spreadsheet/WorkbookData.h"

class TPrompts;

// The spreadsheet component as the screens use it: start it, open or create a
// workbook, take a worksheet (from 1), read and write cells (rows and columns
// from 1) as text, save as, show, close, quit. Which format a file has (.xls or
// .xlsx) is the component's business: files are recognised by their content,
// and "save as" writes .xlsx for a name ending ".xlsx", .xls otherwise.
//
// Failures: starting throws TSpreadsheetStartError (the component is unusable:
// callers say "Excel may not be installed"); everything else throws
// TSpreadsheetError (callers say "连接到EXCEL文件失败!").

class TSpreadsheetStartError : public TSpreadsheetError {
 public:
  using TSpreadsheetError::TSpreadsheetError;
};

class TWorksheet {
 public:
  explicit TWorksheet(TSheetData& sheet) : sheet_(sheet) {}

  // The used range: from row and column 1 to the last non-empty cell.
  int UsedRows() const { return sheet_.RowCount(); }
  int UsedColumns() const { return sheet_.ColumnCount(); }
  QString ReadCell(int row, int column) const { return sheet_.Cell(row - 1, column - 1); }
  void WriteCell(int row, int column, const QString& text) {
    sheet_.SetCell(row - 1, column - 1, text);
  }
  QString Name() const { return sheet_.Name; }

 private:
  TSheetData& sheet_;
};

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

class TSpreadsheetApp {
 public:
  // Throws TSpreadsheetStartError when the component cannot work here.
  static std::unique_ptr<TSpreadsheetApp> Start();

  // The version text callers compare with "11.0" to offer .xlsx.
  QString Version() const { return QStringLiteral("16.0"); }

  // An existing .xls/.xlsx workbook or template; throws TSpreadsheetError.
  std::unique_ptr<TWorkbook> OpenWorkbook(const QString& path) const;
  // An empty workbook whose first worksheet is ready for writing.
  std::unique_ptr<TWorkbook> NewWorkbook() const;
};

// Reads a workbook file of either format; throws TSpreadsheetError.
TWorkbookData ReadWorkbookFile(const QString& path);
// Writes a workbook in the format its name asks for; throws TSpreadsheetError.
void WriteWorkbookFile(const TWorkbookData& workbook, const QString& path);

// Starts the spreadsheet component: TSpreadsheetApp::Start in the program,
// something that fails or records in tests.
using TSpreadsheetStarter = std::function<std::unique_ptr<TSpreadsheetApp>()>;
