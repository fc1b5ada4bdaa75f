#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QtEndian>
#include <algorithm>

#include "platform/codec/Gbk.h"
#include "platform/spreadsheet/CompoundFile.h"
#include "platform/spreadsheet/Spreadsheet.h"
#include "platform/spreadsheet/XlsFormat.h"
#include "support/LibreOffice.h"
#include "support/TempAppDir.h"

// Workbooks saved by a real spreadsheet program, and ours opened by one.
namespace {

QString U(const char* utf8) {
  return QString::fromUtf8(utf8);
}

TEST(LibreOfficeInterop, workbooksItSavesReadAsItShowsThem) {
  TempAppDir dir;
  const QString script = QStringLiteral(R"py(
import openpyxl, sys
wb = openpyxl.Workbook()
ws = wb.active
ws.title = "工资"
ws["A1"] = "二〇二六年十二月工资表"
ws.merge_cells("A1:E1")
ws.append(["工号", "姓名", "基本工资", "津贴", "合计"])
ws.append(["001", "张珺", 5000, 1234.5, "=C3+D3"])
ws.append(["002", "李喆", 4800.25, 0.5, "=C4+D4"])
ws["E5"] = "=SUM(E3:E4)"
ws["A6"] = '=CONCATENATE(B3,"、",B4)'
ws2 = wb.create_sheet("说明")
ws2["A1"] = "第二个工作表"
ws2["B2"] = 12345678901234
wb.save(sys.argv[1])
)py");
  QString output;
  ASSERT_TRUE(RunProgram(QStringLiteral("/usr/bin/python3"),
                         {QStringLiteral("-c"), script, dir.File("source.xlsx")}, &output))
      << output.toStdString();
  QDir().mkpath(dir.File("saved"));
  ConvertWithLibreOffice(dir, {dir.File("source.xlsx")}, QStringLiteral("xls"), dir.File("saved"));
  ConvertWithLibreOffice(dir, {dir.File("source.xlsx")}, QStringLiteral("xlsx"), dir.File("saved"));

  for (const char* name : {"saved/source.xls", "saved/source.xlsx"}) {
    SCOPED_TRACE(name);
    const TWorkbookData book = ReadWorkbookFile(dir.File(name));
    ASSERT_EQ(book.Sheets.size(), 2u);
    const TSheetData& pay = book.Sheets[0];
    EXPECT_EQ(pay.Name, U("工资"));
    EXPECT_EQ(pay.Cell(0, 0), U("二〇二六年十二月工资表"));
    EXPECT_EQ(pay.Cell(0, 1), QString());  // inside the merged title
    EXPECT_EQ(pay.Cell(2, 1), U("张珺"));
    EXPECT_EQ(pay.Cell(2, 3), U("1234.5"));
    EXPECT_EQ(pay.Cell(2, 4), U("6234.5"));
    EXPECT_EQ(pay.Cell(3, 4), U("4800.75"));
    EXPECT_EQ(pay.Cell(4, 4), U("11035.25"));
    EXPECT_EQ(pay.Cell(5, 0), U("张珺、李喆"));
    EXPECT_EQ(book.Sheets[1].Name, U("说明"));
    EXPECT_EQ(book.Sheets[1].Cell(1, 1), U("12345678901234"));
  }
}

// The .xls LibreOffice saves, with every formula result emptied and the mark
// of a calculating writer taken out: what is left to work out from the
// formula tokens as it writes them (shared formulas, other sheets).
QByteArray WithoutResults(const QByteArray& file) {
  QByteArray stream = spreadsheet::ReadCompoundStream(file, QStringLiteral("Workbook"));
  for (qsizetype at = 0; at + 4 <= stream.size();) {
    auto* record = reinterpret_cast<uchar*>(stream.data() + at);
    const quint16 id = qFromLittleEndian<quint16>(record);
    if (id == 0x0006) {  // an empty text as the result
      const QByteArray empty = QByteArray::fromHex("030000000000FFFF");
      std::copy(empty.begin(), empty.end(), record + 4 + 6);
    }
    if (id == 0x01C1) qToLittleEndian<quint16>(0x0161, record);  // RECALCID made a record read past
    at += 4 + qFromLittleEndian<quint16>(record + 2);
  }
  return spreadsheet::WriteCompoundFile(QStringLiteral("Workbook"), stream);
}

// Formulas without stored results, written by openpyxl (.xlsx, with a chart
// sheet first) and by xlwt (.xls): what we work out is what LibreOffice
// calculates and saves, except where it knowingly differs (below).
TEST(LibreOfficeInterop, formulasWithoutResultsWorkOutAsItCalculatesThem) {
  TempAppDir dir;
  const QString script = QStringLiteral(R"py(
import sys
FORMULAS = [
  ("{P}!D2+{P}!E2", 1),
  ("ROUND(SUM({R}!B1:B3)*{P}!D2,2)", 1),
  ('{P}!A3&"-"&{P}!B3', 1),
  ("{P}!D3/0", 1),
  ('IF(AND({P}!D2>1000,OR({P}!E2>500,TRUE)),"high","low")', 1),
  ('TEXT({P}!D2*1000,"#,##0.00")', 1),
  ('TEXT(-2.5,"0")&"|"&TEXT(0.125,"0.00")', 1),
  ('LEFT({P}!B2,4)&MID({P}!B2,5,3)&RIGHT({P}!B2,2)&LEFT("xy")', 1),
  ('LEN(TRIM("  a   b  "))', 1),
  ('VALUE("1,234.5")+ROUNDUP(1.21,1)+ROUNDDOWN(-1.29,1)+INT(-1.5)+ABS(-2)', 1),
  ('CONCATENATE("a",1,TRUE,{P}!D3)', 1),
  ("50%*{P}!D3", 1),
  ("-2^2+2^-1", 1),
  ("SUM({P}!D:D)", 0),
  ("SUM({P}!G2,1)+{P}!G2", 1),
  ("1/3", 1),
  ('("abc"<"ABD")&({P}!D2>=1000.5)&({P}!A2="张三")', 1),
  ("IF({P}!D3>5,1)", 0),
  ("ROUND(2.675,2)+ROUND(-2.5,0)+ROUND(1234.5,-2)", 1),
  ("IF(FALSE,1,7)", 1),
  ("{P}!Z99", 1),
  ('{R}!B1*"2"', 1),
  ("C23*2", 1),
  ("C24+1", 1),
  ("5", 1),
  ("1E+20*10", 0),
]
kind, path = sys.argv[1], sys.argv[2]
pay = [["姓名","账号","金额","基本","奖金","","备注"],
       ["张三","6222020000000001234",None,1000.5,200.25,None,"100"],
       ["李四","00123",None,1,2]]
if kind == "xlsx":
    import openpyxl
    wb = openpyxl.Workbook(); p = wb.active; p.title = "工资"
    r = wb.create_sheet("参数"); c = wb.create_sheet("算式")
    wb.create_chartsheet("图表", 0)
    for row in pay: p.append(row)
    p["C2"] = "=D2+E2"; p["C3"] = "=D3+E3"
    for i, v in enumerate([0.5, 1.25, 2]): r.cell(i + 1, 2, v)
    for i, (f, _) in enumerate(FORMULAS):
        c.cell(i + 1, 3, "=" + f.format(P="工资", R="参数"))
    c["C30"] = "=C31"; c["C31"] = "=C30+1"
    c["C32"] = "=IF(FALSE,VLOOKUP(1,A1:A2,1),7)"
    c["C33"] = "=VLOOKUP(1,A1:A2,1)"; c["C34"] = "=C33+1"
    wb.save(path)
else:
    import xlwt
    wb = xlwt.Workbook(encoding="utf-8"); p = wb.add_sheet("Pay"); r = wb.add_sheet("Rates")
    c = wb.add_sheet("Calc")
    for y, row in enumerate(pay):
        for x, v in enumerate(row):
            if v is not None: p.write(y, x, v)
    p.write(1, 2, xlwt.Formula("D2+E2")); p.write(2, 2, xlwt.Formula("D3+E3"))
    for i, v in enumerate([0.5, 1.25, 2]): r.write(i, 1, v)
    for i, (f, inXls) in enumerate(FORMULAS):
        if inXls: c.write(i, 2, xlwt.Formula(f.format(P="Pay", R="Rates")))
    c.write(29, 2, xlwt.Formula("C31")); c.write(30, 2, xlwt.Formula("C30+1"))
    wb.save(path)

)py");
  for (const char* kind : {"xlsx", "xls"}) {
    QString output;
    ASSERT_TRUE(RunProgram(QStringLiteral("/usr/bin/python3"),
                           {QStringLiteral("-c"), script, QString::fromLatin1(kind),
                            dir.File(QStringLiteral("peer-%1.%1").arg(kind))},
                           &output))
        << output.toStdString();
  }
  QDir().mkpath(dir.File("calculated"));
  ConvertWithLibreOffice(dir, {dir.File("peer-xlsx.xlsx"), dir.File("peer-xls.xls")},
                         QStringLiteral("xlsx"), dir.File("calculated"));

  for (const char* kind : {"xlsx", "xls"}) {
    SCOPED_TRACE(kind);
    TWorkbook ours(ReadWorkbookFile(dir.File(QStringLiteral("peer-%1.%1").arg(kind))));
    TWorkbook calculated(
        ReadWorkbookFile(dir.File(QStringLiteral("calculated/peer-%1.xlsx").arg(kind))));
    ASSERT_EQ(ours.WorksheetCount(), 3);                 // the chart sheet is none
    const int offset = calculated.WorksheetCount() - 3;  // LibreOffice keeps it as a worksheet
    EXPECT_EQ(ours.Worksheet(1).ReadCell(2, 3), U("1200.75"));
    EXPECT_EQ(ours.Worksheet(1).ReadCell(3, 3), U("3"));
    TWorksheet formulas = ours.Worksheet(3);
    TWorksheet expected = calculated.Worksheet(3 + offset);
    for (int row = 1; row <= 32; ++row) {
      const QString cell = formulas.ReadCell(row, 3);
      if (row == 11 || row == 17)  // LibreOffice joins TRUE as 1
        EXPECT_EQ(cell, row == 11 ? U("a1TRUE1") : U("TRUETRUETRUE"));
      else if (row == 23 || row == 24 || row == 30 || row == 31)  // a circle
        EXPECT_EQ(cell, U("#REF!"));
      else
        EXPECT_EQ(cell, expected.ReadCell(row, 3)) << row;
    }
  }
  ConvertWithLibreOffice(dir, {dir.File("peer-xlsx.xlsx")}, QStringLiteral("xls"),
                         dir.File("calculated"));
  QFile saved(dir.File("calculated/peer-xlsx.xls"));
  ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
  const QByteArray savedBytes = saved.readAll();
  TWorkbook savedBook(spreadsheet::ReadXls(savedBytes));
  TWorkbook workedOut(spreadsheet::ReadXls(WithoutResults(savedBytes)));
  for (int sheet : {2, 4}) {
    TWorksheet ours = workedOut.Worksheet(sheet);
    TWorksheet expected = savedBook.Worksheet(sheet);
    for (int row = 1; row <= 32; ++row) {
      if (row == 11 || row == 17 || row == 23 || row == 24 || row == 30 || row == 31) continue;
      EXPECT_EQ(ours.ReadCell(row, 3), expected.ReadCell(row, 3)) << sheet << ' ' << row;
    }
  }

  TWorkbook book(ReadWorkbookFile(dir.File("peer-xlsx.xlsx")));
  for (int row : {33, 34}) {
    try {
      book.Worksheet(3).ReadCell(row, 3);
      ADD_FAILURE() << row;
    } catch (const TSpreadsheetCellError& error) {
      EXPECT_TRUE(
          error.Message().startsWith(U("工作表“算式”的单元格 C33 中的公式用到了函数 VLOOKUP")))
          << error.Message().toStdString();
    }
  }
}

TEST(LibreOfficeInterop, itOpensWorkbooksWeWrite) {
  TempAppDir dir;
  TWorkbookData book;
  book.Sheets.push_back(TSheetData{U("名册"), {}});
  book.Sheets[0].SetCell(0, 0, U("6222021234567890123"));
  book.Sheets[0].SetCell(0, 1, U("深圳珺喆贸易有限公司"));
  book.Sheets[0].SetCell(1, 2, U("1234.50"));
  WriteWorkbookFile(book, dir.File("ours.xls"));
  WriteWorkbookFile(book, dir.File("ours.xlsx"));
  QDir().mkpath(dir.File("csv"));
  // Text CSV in UTF-8 (filter options: separator, quote, character set 76 = UTF-8).
  const QString csv = QStringLiteral("csv:Text - txt - csv (StarCalc):44,34,76");
  ConvertWithLibreOffice(dir, {dir.File("ours.xls")}, csv, dir.File("csv"));
  const QByteArray fromXls = dir.Read("csv/ours.csv");
  QFile::remove(dir.File("csv/ours.csv"));
  ConvertWithLibreOffice(dir, {dir.File("ours.xlsx")}, csv, dir.File("csv"));
  const QByteArray fromXlsx = dir.Read("csv/ours.csv");
  const QByteArray expected = U("6222021234567890123,深圳珺喆贸易有限公司,\n,,1234.50\n").toUtf8();
  EXPECT_EQ(fromXls, expected);
  EXPECT_EQ(fromXlsx, expected);
}

}  // namespace
