#pragma once

#include <QString>

#include "platform/spreadsheet/SpreadsheetApp.h"
#include "widgets/base/ScreenServices.h"

// What the statement screens receive from the screen registry.
struct TStatementContext {
  TScreenServices Screen;
  QString ParamDir;  // the export's workbook template
  TSpreadsheetStarter StartSpreadsheet = &TSpreadsheetApp::Start;
};
