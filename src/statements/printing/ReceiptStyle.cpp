#include "statements/printing/ReceiptStyle.h"

#include "platform/printing/PrintFont.h"

QFont ReceiptFont() {
  return PrintFont(kReceiptTextSize);
}

QFont ReceiptTitleFont() {
  return PrintFont(kReceiptTitleSize, true);
}
