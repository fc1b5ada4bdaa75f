#pragma once

#include "platform/spreadsheet/Spreadsheet.h"
#include "registers/store/RegisterStore.h"
#include "widgets/base/ScreenServices.h"

// What the register screens and dialogs receive from the screen registry.
struct TRegisterContext {
  TScreenServices Screen;
  TRegisterStore& Registers;
  TSpreadsheetStarter StartSpreadsheet;
};
