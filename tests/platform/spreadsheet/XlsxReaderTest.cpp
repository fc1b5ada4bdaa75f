#include <gtest/gtest.h>
#include <xlsxwriter.h>

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include "XlsxTestFiles.h"
#include "platform/spreadsheet/CompoundFile.h"
#include "platform/spreadsheet/Spreadsheet.h"
#include "platform/spreadsheet/XlsxFormat.h"
#include "platform/spreadsheet/XlsxPackage.h"

namespace {

using spreadsheet::ReadXlsx;
using xlsxtest::Grid;
using xlsxtest::Package;
using xlsxtest::TParts;
using xlsxtest::WriteZip;

const std::string kSharedStrings =
    R"(<sst xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" count="4" uniqueCount="4">)"
    R"(<si><t>plain</t></si>)"
    R"(<si><r><rPr><b/></rPr><t>王</t></r><r><t xml:space="preserve"> 珺</t></r>)"
    R"(<rPh sb="0" eb="1"><t>オウ</t></rPh><phoneticPr fontId="1"/></si>)"
    R"(<si/>)"
    R"(<si><t>a_x000D_b &amp; _x005F_x0041_</t></si></sst>)";

TEST(XlsxReader, readsCellsOfEveryKindFromHandWrittenParts) {
  QTemporaryDir dir;
  const QString path = dir.filePath("hand.xlsx");
  xlsxtest::TParts parts = Package({
      {"First",
       // No dimension; rows and cells partly without r attributes.
       R"(<sheetData><row r="1"><c r="A1" t="s"><v>0</v></c><c t="s"><v>1</v></c>)"
       R"(<c r="D1" t="s"><v>2</v></c><c t="s"><v>3</v></c></row>)"
       R"(<row><c t="inlineStr"><is><t>inline</t></is></c>)"
       R"(<c t="inlineStr"><is><r><t>run</t></r><r><t>s</t></r><rPh><t>x</t></rPh></is></c></row>)"
       R"(<row r="5"><c r="B5"><v>12345678901234</v></c><c><v>0.5</v></c><c t="n"><v>1E-3</v></c>)"
       R"(<c t="b"><v>1</v></c><c t="b"><v>0</v></c><c t="e"><v>#DIV/0!</v></c>)"
       R"(<c><f>B5+1</f><v>12345678901235</v></c><c t="str"><f>"a"&amp;"b"</f><v>ab</v></c>)"
       R"(<c r="XFD5" t="inlineStr"><is><t>last column</t></is></c></row>)"
       R"(<row><c><v>7</v></c></row></sheetData>)"},
      {"第二",
       R"(<dimension ref="A1:Z999"/><sheetData><row r="2"><c r="C2"><v>3</v></c></row></sheetData>)"},
      {"Third", "<sheetData/>"},
  });
  parts.emplace_back("xl/sharedStrings.xml", kSharedStrings);
  WriteZip(path, parts);

  const TWorkbookData workbook = ReadXlsx(path);
  ASSERT_EQ(workbook.Sheets.size(), 3u);
  EXPECT_EQ(workbook.Sheets[0].Name, QString("First"));
  EXPECT_EQ(workbook.Sheets[1].Name, QString::fromUtf8("第二"));
  EXPECT_EQ(workbook.Sheets[2].Name, QString("Third"));
  const TSheetData& first = workbook.Sheets[0];
  EXPECT_EQ(first.Cell(0, 0), QString("plain"));
  EXPECT_EQ(first.Cell(0, 1), QString::fromUtf8("王 珺"));
  EXPECT_EQ(first.Cell(0, 2), QString());
  EXPECT_EQ(first.Cell(0, 3), QString());
  EXPECT_EQ(first.Cell(0, 4), QString("a\rb & _x0041_"));
  EXPECT_EQ(first.Cell(1, 0), QString("inline"));
  EXPECT_EQ(first.Cell(1, 1), QString("runs"));
  const QStringList row5{"",        "12345678901234", "0.5", "0.001", "TRUE", "FALSE",
                         "#DIV/0!", "12345678901235", "ab"};
  for (int c = 0; c < row5.size(); ++c) EXPECT_EQ(first.Cell(4, c), row5[c]) << c;
  EXPECT_EQ(first.Cell(4, 16383), QString("last column"));
  EXPECT_EQ(first.Cell(5, 0), QString("7"));
  EXPECT_EQ(first.RowCount(), 6);
  EXPECT_EQ(Grid(workbook.Sheets[1]), QString("||\n||3"));
  EXPECT_EQ(workbook.Sheets[2].RowCount(), 0);
}

TEST(XlsxReader, findsTheWorksheetsThroughTheRelationshipsAndReadsDatesAsSerials) {
  QTemporaryDir dir;
  const QString path = dir.filePath("moved.xlsx");
  const std::string ns = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";
  const TParts parts = {
      {"_rels/.rels",
       R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
       R"(<Relationship Id="r1" Target="book/main.xml" Type=")" +
           ns +
           R"(officeDocument"/>)"
           "</Relationships>"},
      {"book/main.xml",
       R"(<workbook xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" xmlns:r=")" +
           ns +
           R"("><sheets><sheet name="Chart" sheetId="1" r:id="c"/>)"
           R"(<sheet name="Data" sheetId="2" r:id="w"/></sheets></workbook>)"},
      {"book/_rels/main.xml.rels",
       R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
       R"(<Relationship Id="c" Target="charts/c1.xml" Type=")" +
           ns +
           R"(chartsheet"/>)"
           R"(<Relationship Id="w" Target="data.xml" Type=")" +
           ns +
           R"(worksheet"/>)"
           "</Relationships>"},
      {"book/charts/c1.xml", "<chartsheet/>"},
      {"book/data.xml",
       R"(<worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><sheetData>)"
       R"(<row r="1"><c r="A1" t="d"><v>2024-01-05</v></c><c r="B1" t="d"><v>1900-01-01</v></c>)"
       R"(<c r="C1" t="d"><v>2024-01-05T12:00:00</v></c><c r="D1" t="d"><v>soon</v></c></row>)"
       "</sheetData></worksheet>"},
  };
  WriteZip(path, parts);

  const TWorkbookData workbook = ReadXlsx(path);
  ASSERT_EQ(workbook.Sheets.size(), 1u);  // the chart sheet is no worksheet
  EXPECT_EQ(workbook.Sheets[0].Name, QString("Data"));
  EXPECT_EQ(Grid(workbook.Sheets[0]), QString("45296|1|45296.5|soon"));
}

TEST(XlsxReader, anEncryptedPackageIsReportedAsEncrypted) {
  QTemporaryDir dir;
  const QString path = dir.filePath("locked.xlsx");
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(
      spreadsheet::WriteCompoundFile(QStringLiteral("EncryptedPackage"), QByteArray(64, 'x')));
  file.close();
  try {
    ReadWorkbookFile(path);
    ADD_FAILURE() << "read an encrypted package";
  } catch (const TSpreadsheetError& e) {
    EXPECT_EQ(e.Message(), QString::fromUtf8("文件已加密，无法读取"));
  }
}

TEST(XlsxReader, readsWhatOpenpyxlWrote) {
  QTemporaryDir dir;
  const QString path = dir.filePath("peer.xlsx");
  RunSystemPython(
      "import sys, openpyxl\n"
      "wb = openpyxl.Workbook()\n"
      "ws = wb.active\n"
      "ws.title = '名单'\n"
      "ws.append(['王珺', 12345678901234, 0.5, True, False])\n"
      "ws.append([None, '012345678901234567890', None, '\\t李喆'])\n"
      "ws['A4'] = 'line\\r\\nbreak'\n"
      "wb.create_sheet('Second')['B2'] = -1234.5\n"
      "wb.save(sys.argv[1])\n",
      {path});
  const TWorkbookData workbook = ReadXlsx(path);
  ASSERT_EQ(workbook.Sheets.size(), 2u);
  EXPECT_EQ(workbook.Sheets[0].Name, QString::fromUtf8("名单"));
  EXPECT_EQ(Grid(workbook.Sheets[0]), QString::fromUtf8("王珺|12345678901234|0.5|TRUE|FALSE\n"
                                                        "|012345678901234567890||\t李喆|\n"
                                                        "||||\n"
                                                        "line\r\nbreak||||"));
  EXPECT_EQ(workbook.Sheets[1].Name, QString("Second"));
  EXPECT_EQ(Grid(workbook.Sheets[1]), QString("|\n|-1234.5"));
}

TEST(XlsxReader, formulasWithoutResultsAreWorkedOutAndPlaceholdersIgnored) {
  QTemporaryDir dir;
  // libxlsxwriter stores 0 for every formula and asks for a calculation on load.
  const QString written = dir.filePath("writer.xlsx");
  lxw_workbook* book = workbook_new(written.toUtf8().constData());
  lxw_worksheet* sheet = workbook_add_worksheet(book, "工资");
  worksheet_write_number(sheet, 0, 3, 1000.5, nullptr);
  worksheet_write_number(sheet, 0, 4, 200.25, nullptr);
  worksheet_write_formula(sheet, 0, 2, "=D1+E1", nullptr);
  worksheet_write_formula(sheet, 0, 5, "=\"No.\"&ROUND(C1,0)", nullptr);
  worksheet_write_formula(sheet, 0, 6, "=D1-D1", nullptr);
  ASSERT_EQ(workbook_close(book), LXW_NO_ERROR);
  EXPECT_EQ(Grid(ReadXlsx(written).Sheets[0]), QString("||1200.75|1000.5|200.25|No.1201|0"));

  // A shared formula written in C1 and used down to C3; a chain of formulas
  // each reading the one below, longer than formulas are worked out inside
  // each other; a circle of formulas.
  std::string cells =
      R"(<sheetData><row r="1"><c r="A1"><v>1</v></c><c r="B1"><v>2</v></c>)"
      R"(<c r="C1"><f t="shared" ref="C1:C3" si="0">A1*$B$1</f></c></row>)"
      R"(<row r="2"><c r="A2"><v>3</v></c><c r="C2"><f t="shared" si="0"/></c></row>)"
      R"(<row r="3"><c r="A3"><v>5</v></c><c r="C3"><f t="shared" si="0"/><v/></c></row>)";
  for (int row = 10; row < 1010; ++row)
    cells += "<row r=\"" + std::to_string(row) + "\"><c r=\"D" + std::to_string(row) + "\"><f>D" +
             std::to_string(row + 1) + "+1</f></c><c r=\"E" + std::to_string(row) + "\"><f>E" +
             std::to_string(row == 1009 ? 10 : row + 1) + "</f></c></row>";
  std::string longSum = "1";
  for (int i = 0; i < 300; ++i) longSum += "+1";
  cells += "<row r=\"1200\"><c r=\"A1200\"><f>" + longSum + "</f></c></row>";
  const QString shared = dir.filePath("shared.xlsx");
  WriteZip(shared, Package({{"S", cells + "</sheetData>"}}));
  const TSheetData read = ReadXlsx(shared).Sheets[0];
  EXPECT_EQ(read.Cell(0, 2) + ' ' + read.Cell(1, 2) + ' ' + read.Cell(2, 2), QString("2 6 10"));
  EXPECT_EQ(read.Cell(9, 3), QString("1000"));
  EXPECT_EQ(read.Cell(9, 4) + ' ' + read.Cell(500, 4), QString("#REF! #REF!"));
  ASSERT_NE(read.UnreadableReason(1199, 0), nullptr);
  EXPECT_TRUE(read.UnreadableReason(1199, 0)->contains(QString::fromUtf8("单元格 A1200 中的公式")));
}

TEST(XlsxReader, openpyxlDatesAChartSheetFirstAndARenamedWorkbookPart) {
  QTemporaryDir dir;
  const QString path = dir.filePath("dated.xlsx");
  const QString renamed = dir.filePath("renamed.xlsx");
  RunSystemPython(
      "import sys, datetime, zipfile, openpyxl\n"
      "wb = openpyxl.Workbook()\n"
      "wb.iso_dates = True\n"
      "ws = wb.active\n"
      "ws.title = '数据'\n"
      "ws.append([datetime.date(2026, 12, 9), datetime.datetime(1900, 2, 28, 12, 0)])\n"
      "wb.create_chartsheet('图表', 0)\n"
      "wb.save(sys.argv[1])\n"
      "src = zipfile.ZipFile(sys.argv[1])\n"
      "out = zipfile.ZipFile(sys.argv[2], 'w')\n"
      "names = {'xl/workbook.xml': 'xl/book/main.xml',\n"
      "         'xl/_rels/workbook.xml.rels': 'xl/book/_rels/main.xml.rels'}\n"
      "for n in src.namelist():\n"
      "    data = src.read(n)\n"
      "    if n in ('_rels/.rels', '[Content_Types].xml'):\n"
      "        data = data.replace(b'xl/workbook.xml', b'xl/book/main.xml')\n"
      "    if n == 'xl/_rels/workbook.xml.rels':  # targets relative to the new folder\n"
      "        data = data.replace(b'Target=\"/xl/', b'Target=\"../')\n"
      "    out.writestr(names.get(n, n), data)\n"
      "out.close()\n",
      {path, renamed});
  for (const QString& file : {path, renamed}) {
    const TWorkbookData workbook = ReadXlsx(file);
    ASSERT_EQ(workbook.Sheets.size(), 1u) << file.toStdString();
    EXPECT_EQ(workbook.Sheets[0].Name, QString::fromUtf8("数据"));
    EXPECT_EQ(Grid(workbook.Sheets[0]), QString("46365|59.5"));
  }
}

void ExpectRefused(const QString& path, const char* reason,
                   const spreadsheet::TXlsxLimits& limits = {}) {
  try {
    spreadsheet::ReadXlsxWithLimits(path, limits);
    ADD_FAILURE() << "read " << path.toStdString();
  } catch (const TSpreadsheetError& error) {
    EXPECT_TRUE(error.Message().startsWith(QString::fromUtf8("无法读取工作簿 ") + path +
                                           QString::fromUtf8("：")) &&
                error.Message().contains(QString::fromUtf8(reason)))
        << error.Message().toStdString();
  }
}

TEST(XlsxReader, refusesDamagedAndHostileFiles) {
  QTemporaryDir dir;
  const auto file = [&](const char* name, const QByteArray& bytes) {
    QFile out(dir.filePath(name));
    EXPECT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(bytes);
    return out.fileName();
  };
  ExpectRefused(dir.filePath("missing.xlsx"), "文件不存在");
  ExpectRefused(file("empty.xlsx", {}), "不是有效的 .xlsx 工作簿");
  QByteArray noise(4096, 0);
  for (char& byte : noise) byte = char(QRandomGenerator::global()->generate());
  ExpectRefused(file("noise.xlsx", noise), "不是有效的 .xlsx 工作簿");
  ExpectRefused(file("truncated.xlsx", "PK\x03\x04" + noise), "不是有效的 .xlsx 工作簿");

  const QString noWorkbook = dir.filePath("noworkbook.xlsx");
  WriteZip(noWorkbook,
           {{"[Content_Types].xml", "<Types/>"}, {"xl/worksheets/sheet1.xml", "<worksheet/>"}});
  ExpectRefused(noWorkbook, "不是有效的 .xlsx 工作簿");

  const QString noSharedStrings = dir.filePath("nosst.xlsx");
  WriteZip(noSharedStrings,
           Package({{"S", R"(<sheetData><row><c t="s"><v>0</v></c></row></sheetData>)"}}));
  ExpectRefused(noSharedStrings, "共享字符串表不存在");

  const QString badIndex = dir.filePath("badindex.xlsx");
  xlsxtest::TParts parts =
      Package({{"S", R"(<sheetData><row><c t="s"><v>4</v></c></row></sheetData>)"}});
  parts.emplace_back("xl/sharedStrings.xml", kSharedStrings);
  WriteZip(badIndex, parts);
  ExpectRefused(badIndex, "共享字符串不存在");

  for (const char* sheet : {R"(<sheetData><row r="1048577"><c><v>1</v></c></row></sheetData>)",
                            R"(<sheetData><row><c r="XFE1"><v>1</v></c></row></sheetData>)"}) {
    const QString outside = dir.filePath("outside.xlsx");
    WriteZip(outside, Package({{"S", sheet}}));
    ExpectRefused(outside, "超出 1,048,576 行");
  }

  // A cell in the last column of each row would take thousands of times its
  // size in memory.
  std::string thin = "<sheetData>";
  for (int r = 1; r <= 300; ++r)
    thin += "<row><c r=\"XFD" + std::to_string(r) + "\"><v>1</v></c></row>";
  const QString thinFile = dir.filePath("thin.xlsx");
  WriteZip(thinFile, Package({{"S", thin + "</sheetData>"}}));
  ExpectRefused(thinFile, "过于稀疏");

  const QString malformed = dir.filePath("malformed.xlsx");
  WriteZip(malformed, Package({{"S", R"(<sheetData><row><c t="s)"}}));
  ExpectRefused(malformed, "不是格式正确的 XML");

  // A few kilobytes that inflate to 8 MB, past lowered limits.
  const QString bomb = dir.filePath("bomb.xlsx");
  WriteZip(bomb, Package({{"S", "<sheetData>" + std::string(8 << 20, ' ') + "</sheetData>"}}));
  EXPECT_LT(QFileInfo(bomb).size(), 40 * 1024);
  spreadsheet::TXlsxLimits limits;
  limits.BytesPerPart = 2 << 20;
  ExpectRefused(bomb, "超出工作簿的合理大小", limits);
  limits = {};
  limits.BytesInTotal = 4 << 20;
  ExpectRefused(bomb, "超出工作簿的合理大小", limits);
  limits = {};
  limits.BytesPerTreePart = 100;
  ExpectRefused(bomb, "超出工作簿的合理大小", limits);
  limits = {};
  limits.Entries = 2;
  ExpectRefused(bomb, "部件过多", limits);
  EXPECT_EQ(ReadXlsx(bomb).Sheets.size(), 1u);

  // Tiny strings and cells take many times their inflated bytes in memory:
  // what they hold is counted, not only the bytes.
  std::string strings = "<sst>", row = "<row>", cells = "<sheetData>";
  for (int i = 0; i < 100000; ++i) strings += "<si><t>a</t></si>";
  for (int i = 0; i < 16000; ++i) row += "<c><v>1</v></c>";
  for (int i = 0; i < 6; ++i) cells += row + "</row>";
  cells += "</sheetData>";
  parts = Package({{"S", R"(<sheetData><row><c t="s"><v>0</v></c></row></sheetData>)"}});
  parts.emplace_back("xl/sharedStrings.xml", strings + "</sst>");
  const QString manyStrings = dir.filePath("strings.xlsx");
  WriteZip(manyStrings, parts);
  const QString manyCells = dir.filePath("cells.xlsx");
  WriteZip(manyCells, Package({{"S", cells}}));
  limits = {};
  limits.HeldBytes = 3 << 20;
  ExpectRefused(manyStrings, "需要超过 3 MB 内存", limits);
  ExpectRefused(manyCells, "需要超过 3 MB 内存", limits);
  EXPECT_EQ(ReadXlsx(manyStrings).Sheets[0].Cell(0, 0), "a");
  EXPECT_EQ(ReadXlsx(manyCells).Sheets[0].ColumnCount(), 16000);
}

}  // namespace
