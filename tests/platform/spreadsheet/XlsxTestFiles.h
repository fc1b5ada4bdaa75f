#pragma once

#include <gtest/gtest.h>
#include <zip.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QString>
#include <string>
#include <utility>
#include <vector>

#include "platform/spreadsheet/WorkbookData.h"
#include "support/SystemPython.h"

namespace xlsxtest {

using TParts = std::vector<std::pair<std::string, std::string>>;

// A zip archive holding the parts as they are, deflated.
inline void WriteZip(const QString& path, const TParts& parts) {
  int error = 0;
  zip_t* zip = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
  ASSERT_NE(zip, nullptr);
  for (const auto& [name, bytes] : parts) {
    zip_source_t* source = zip_source_buffer(zip, bytes.data(), bytes.size(), 0);
    ASSERT_GE(zip_file_add(zip, name.c_str(), source, ZIP_FL_ENC_UTF_8), 0);
  }
  ASSERT_EQ(zip_close(zip), 0);
}

// The parts of a package around the given worksheets (sheet1.xml, sheet2.xml,
// ... in this order in the workbook); relationships listed in reverse order.
inline TParts Package(const std::vector<std::pair<std::string, std::string>>& sheets) {
  std::string workbook =
      R"(<?xml version="1.0" encoding="UTF-8" standalone="yes"?>)"
      R"(<workbook xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" )"
      R"(xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships"><sheets>)";
  std::string rels =
      R"(<?xml version="1.0" encoding="UTF-8"?>)"
      R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
      R"(<Relationship Id="rIdS" Target="sharedStrings.xml" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/sharedStrings"/>)";
  TParts parts;
  for (size_t i = sheets.size(); i-- > 0;) {
    const std::string n = std::to_string(i + 1);
    // The last sheet's target is absolute.
    const std::string target = i + 1 == sheets.size() ? "/xl/worksheets/sheet" + n + ".xml"
                                                      : "worksheets/sheet" + n + ".xml";
    rels.append(R"(<Relationship Id="rId)")
        .append(n)
        .append(R"(" Target=")")
        .append(target)
        .append(
            R"(" Type="http://schemas.openxmlformats.org/officeDocument/2006/relationships/worksheet"/>)");
    parts.emplace_back(
        "xl/worksheets/sheet" + n + ".xml",
        R"(<worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main">)" +
            sheets[i].second + "</worksheet>");
  }
  for (size_t i = 0; i < sheets.size(); ++i)
    workbook += R"(<sheet name=")" + sheets[i].first + R"(" sheetId=")" + std::to_string(i + 1) +
                R"(" r:id="rId)" + std::to_string(i + 1) + R"("/>)";
  parts.emplace_back("xl/workbook.xml", workbook + "</sheets></workbook>");
  parts.emplace_back("xl/_rels/workbook.xml.rels", rels + "</Relationships>");
  return parts;
}

// Every sheet of the .xlsx as openpyxl reads it: [name, rows of cell texts].
inline TWorkbookData ReadWithOpenpyxl(const QString& path) {
  const QByteArray json = RunSystemPython(
      "import json, sys, openpyxl\n"
      "wb = openpyxl.load_workbook(sys.argv[1])\n"
      "print(json.dumps([[ws.title, [['' if v is None else str(v) for v in row]\n"
      "                   for row in ws.iter_rows(values_only=True)]] for ws in wb.worksheets]))\n",
      {path});
  TWorkbookData workbook;
  for (const auto& sheetValue : QJsonDocument::fromJson(json).array()) {
    TSheetData sheet;
    sheet.Name = sheetValue[0].toString();
    const QJsonArray rows = sheetValue[1].toArray();
    for (qsizetype r = 0; r < rows.size(); ++r) {
      const QJsonArray cells = rows[r].toArray();
      for (qsizetype c = 0; c < cells.size(); ++c)
        if (!cells[c].toString().isEmpty()) sheet.SetCell(int(r), int(c), cells[c].toString());
    }
    workbook.Sheets.push_back(sheet);
  }
  return workbook;
}

// The cell texts of the used range, rows joined by newlines and cells by "|".
inline QString Grid(const TSheetData& sheet) {
  QStringList rows;
  for (int r = 0; r < sheet.RowCount(); ++r) {
    QStringList cells;
    for (int c = 0; c < sheet.ColumnCount(); ++c) cells.append(sheet.Cell(r, c));
    rows.append(cells.join(u'|'));
  }
  return rows.join(u'\n');
}

}  // namespace xlsxtest
