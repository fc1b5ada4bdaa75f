#include "FuzzInput.h"
#include "platform/spreadsheet/CompoundFile.h"
#include "platform/spreadsheet/XlsFormat.h"

// Feeds the bytes to the .xls reader twice: as a whole file, and as the
// Workbook stream of a well-formed compound file, so that most inputs reach the
// record parser. A damaged input may only end in TSpreadsheetError.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray bytes = FuzzBytes(data, size);
  try {
    spreadsheet::ReadXls(bytes);
  } catch (const TSpreadsheetError&) {
  }
  try {
    spreadsheet::ReadXls(spreadsheet::WriteCompoundFile(QStringLiteral("Workbook"), bytes));
  } catch (const TSpreadsheetError&) {
  }
  return 0;
}
