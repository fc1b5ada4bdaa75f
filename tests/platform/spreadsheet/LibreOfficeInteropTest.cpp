#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>

#include "platform/codec/Gbk.h"
#include "platform/spreadsheet/Spreadsheet.h"
#include "support/TempAppDir.h"

// Workbooks saved by a real spreadsheet program, and ours opened by one.
namespace {

QString U(const char* utf8) {
  return QString::fromUtf8(utf8);
}

bool RunProgram(const QString& program, const QStringList& arguments, QString* output = nullptr) {
  QProcess process;
  process.setProcessChannelMode(QProcess::MergedChannels);
  process.start(program, arguments);
  if (!process.waitForFinished(180000)) return false;
  if (output) *output = QString::fromUtf8(process.readAll());
  return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

// Converts the files into outDir with LibreOffice, each to the given filter.
void Convert(const TempAppDir& dir, const QStringList& files, const QString& filter,
             const QString& outDir) {
  QString output;
  const QStringList arguments =
      QStringList{QStringLiteral("-env:UserInstallation=file://") + dir.File("lo-profile"),
                  QStringLiteral("--headless"),
                  QStringLiteral("--convert-to"),
                  filter,
                  QStringLiteral("--outdir"),
                  outDir} +
      files;
  ASSERT_TRUE(RunProgram(QStringLiteral("soffice"), arguments, &output)) << output.toStdString();
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
  Convert(dir, {dir.File("source.xlsx")}, QStringLiteral("xls"), dir.File("saved"));
  Convert(dir, {dir.File("source.xlsx")}, QStringLiteral("xlsx"), dir.File("saved"));

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
  Convert(dir, {dir.File("ours.xls")}, csv, dir.File("csv"));
  const QByteArray fromXls = dir.Read("csv/ours.csv");
  QFile::remove(dir.File("csv/ours.csv"));
  Convert(dir, {dir.File("ours.xlsx")}, csv, dir.File("csv"));
  const QByteArray fromXlsx = dir.Read("csv/ours.csv");
  const QByteArray expected = U("6222021234567890123,深圳珺喆贸易有限公司,\n,,1234.50\n").toUtf8();
  EXPECT_EQ(fromXls, expected);
  EXPECT_EQ(fromXlsx, expected);
}

}  // namespace
