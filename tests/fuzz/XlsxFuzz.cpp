#include <zip.h>

#include <QByteArray>
#include <QTemporaryDir>
#include <cstddef>
#include <cstdint>

#include "platform/spreadsheet/XlsxFormat.h"

// Feeds the bytes to the .xlsx reader twice: as a whole file, and as the sheet
// part of an otherwise well-formed package, so that most inputs reach the sheet
// parser. A damaged input may only end in TSpreadsheetError.
namespace {

const char kWorkbook[] =
    "<workbook xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\" "
    "xmlns:r=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships\">"
    "<sheets><sheet name=\"S\" sheetId=\"1\" r:id=\"rId1\"/></sheets></workbook>";
const char kRels[] =
    "<Relationships xmlns=\"http://schemas.openxmlformats.org/package/2006/relationships\">"
    "<Relationship Id=\"rId1\" Target=\"worksheets/sheet1.xml\" "
    "Type=\"http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet\"/>"
    "</Relationships>";
const char kStrings[] = "<sst><si><t>a</t></si><si><r><t>b</t></r></si></sst>";

void Add(zip_t* zip, const char* name, const void* data, size_t size) {
  zip_source_t* source = zip_source_buffer(zip, data, size, 0);
  if (zip_file_add(zip, name, source, ZIP_FL_OVERWRITE) < 0) zip_source_free(source);
}

void Read(const QString& path) {
  try {
    spreadsheet::ReadXlsx(path);
  } catch (const TSpreadsheetError&) {
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static QTemporaryDir dir;
  const QString whole = dir.filePath(QStringLiteral("whole.xlsx"));
  if (FILE* f = std::fopen(whole.toLocal8Bit().constData(), "wb")) {
    std::fwrite(data, 1, size, f);
    std::fclose(f);
    Read(whole);
  }

  const QString package = dir.filePath(QStringLiteral("package.xlsx"));
  int error = 0;
  zip_t* zip = zip_open(package.toLocal8Bit().constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
  if (!zip) return 0;
  Add(zip, "xl/workbook.xml", kWorkbook, sizeof kWorkbook - 1);
  Add(zip, "xl/_rels/workbook.xml.rels", kRels, sizeof kRels - 1);
  Add(zip, "xl/sharedStrings.xml", kStrings, sizeof kStrings - 1);
  Add(zip, "xl/worksheets/sheet1.xml", data, size);
  if (zip_close(zip) == 0)
    Read(package);
  else
    zip_discard(zip);
  return 0;
}
