#pragma once

#include <QString>
#include <functional>
#include <memory>

#include "platform/spreadsheet/SpreadsheetError.h"
#include "platform/spreadsheet/Workbook.h"

// The spreadsheet component: workbooks opened from files or made new.
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

// Starts the spreadsheet component: TSpreadsheetApp::Start in the program,
// something that fails or records in tests.
using TSpreadsheetStarter = std::function<std::unique_ptr<TSpreadsheetApp>()>;
