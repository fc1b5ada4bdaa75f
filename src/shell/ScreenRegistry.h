#pragma once

#include "platform/spreadsheet/Spreadsheet.h"
#include "widgets/base/ScreenServices.h"

class TDataMain;
class TScreenCatalogue;
class TSessionControl;

// What the registry hands to the screens it registers.
struct TScreenSupply {
  TScreenServices Screen;
  TDataMain& Data;
  TSessionControl& Session;
  TSpreadsheetStarter StartSpreadsheet = &TSpreadsheetApp::Start;
};

// Registers the screens and dialogs that the menu codes open; each is built
// with what it needs from the supply.
void RegisterScreens(TScreenCatalogue& screens, const TScreenSupply& supply);
