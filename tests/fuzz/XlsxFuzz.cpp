#include <zip.h>

#include <memory>

#include "FuzzInput.h"
#include "platform/spreadsheet/XlsxPackage.h"

// Feeds the bytes to the .xlsx reader twice: as a whole file, and as the sheet
// part of an otherwise well-formed package, so that most inputs reach the sheet
// parser. Both are read from memory. A damaged input may only end in
// TSpreadsheetError.
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
  const zip_int64_t index = zip_file_add(zip, name, source, ZIP_FL_OVERWRITE);
  if (index < 0)
    zip_source_free(source);
  else
    zip_set_file_compression(zip, zip_uint64_t(index), ZIP_CM_STORE, 0);
}

// The package of the fixed parts around the sheet, stored uncompressed.
QByteArray PackageAround(const uint8_t* sheet, size_t size) {
  zip_source_t* buffer = zip_source_buffer_create(nullptr, 0, 0, nullptr);
  if (!buffer) return {};
  zip_t* zip = zip_open_from_source(buffer, ZIP_TRUNCATE, nullptr);
  if (!zip) {
    zip_source_free(buffer);
    return {};
  }
  zip_source_keep(buffer);  // the bytes are read from it after the archive is closed
  const std::unique_ptr<zip_source_t, void (*)(zip_source_t*)> owned(buffer, &zip_source_free);
  Add(zip, "xl/workbook.xml", kWorkbook, sizeof kWorkbook - 1);
  Add(zip, "xl/_rels/workbook.xml.rels", kRels, sizeof kRels - 1);
  Add(zip, "xl/sharedStrings.xml", kStrings, sizeof kStrings - 1);
  Add(zip, "xl/worksheets/sheet1.xml", sheet, size);
  if (zip_close(zip) != 0) {
    zip_discard(zip);
    return {};
  }
  zip_stat_t stat;
  if (zip_source_stat(buffer, &stat) != 0 || zip_source_open(buffer) != 0) return {};
  QByteArray bytes(qsizetype(stat.size), '\0');
  const zip_int64_t got = zip_source_read(buffer, bytes.data(), stat.size);
  zip_source_close(buffer);
  return got == zip_int64_t(stat.size) ? bytes : QByteArray();
}

void Read(const QByteArray& bytes) {
  try {
    spreadsheet::ReadXlsxFromMemory(bytes, QStringLiteral("fuzz"));
  } catch (const TSpreadsheetError&) {
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Read(FuzzBytes(data, size));
  if (const QByteArray package = PackageAround(data, size); !package.isEmpty()) Read(package);
  return 0;
}
