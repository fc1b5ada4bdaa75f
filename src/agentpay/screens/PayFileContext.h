#pragma once

#include <QString>

#include "core/SessionControl.h"
#include "platform/spreadsheet/Spreadsheet.h"
#include "widgets/base/ScreenServices.h"

// What the agent-pay screen receives from the screen registry.
struct TPayFileContext {
  TScreenServices Screen;
  TSessionControl& Session;  // the submissions go through it
  QString DfdkDir;           // the agent-pay folder: templates, the pointer file, export copies
  QString ParamDir;          // the code tables the interbank picker reads
  TSpreadsheetStarter StartSpreadsheet = &TSpreadsheetApp::Start;
};
