#pragma once

#include <QString>

#include "certpay/store/CertPayStore.h"
#include "platform/spreadsheet/Spreadsheet.h"
#include "widgets/base/ScreenServices.h"

// What the central-finance screens receive from the screen registry.
struct TCertPayContext {
  TScreenServices Screen;
  TCertPayStore& CertPay;
  TSpreadsheetStarter StartSpreadsheet;
  QString ParamDir;  // the other-bank code tables of the interbank-number dialog
};
