#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QTemporaryDir>

#include "XlsxTestFiles.h"
#include "platform/spreadsheet/XlsxFormat.h"
#include "support/SmallDisk.h"

namespace {

using spreadsheet::ReadXlsx;
using spreadsheet::WriteXlsx;
using xlsxtest::Grid;

TWorkbookData SampleWorkbook() {
  TWorkbookData workbook;
  TSheetData payees;
  payees.Name = QString::fromUtf8("收款人");
  payees.SetCell(0, 0, QString::fromUtf8("王珺"));
  payees.SetCell(0, 1, QString::fromUtf8("李喆"));
  payees.SetCell(0, 3, QString::fromUtf8("𠀀 non-BMP"));
  payees.SetCell(1, 0, "\tleading tab");
  payees.SetCell(1, 2, "012345678901234567890");
  payees.SetCell(3, 1, "<&>\"'");
  TSheetData totals;
  totals.Name = "Totals";
  totals.SetCell(2, 2, "1234.50");
  workbook.Sheets = {payees, totals};
  return workbook;
}

TEST(XlsxWriter, textsReadBackUnchangedByOurReaderAndOpenpyxl) {
  QTemporaryDir dir;
  const QString path = dir.filePath("out.xlsx");
  const TWorkbookData written = SampleWorkbook();
  WriteXlsx(written, path);

  const TWorkbookData ours = ReadXlsx(path);
  const TWorkbookData theirs = xlsxtest::ReadWithOpenpyxl(path);
  ASSERT_EQ(ours.Sheets.size(), 2u);
  ASSERT_EQ(theirs.Sheets.size(), 2u);
  for (size_t i = 0; i < 2; ++i) {
    EXPECT_EQ(ours.Sheets[i].Name, written.Sheets[i].Name);
    EXPECT_EQ(Grid(ours.Sheets[i]), Grid(written.Sheets[i]));
    EXPECT_EQ(theirs.Sheets[i].Name, written.Sheets[i].Name);
    EXPECT_EQ(Grid(theirs.Sheets[i]), Grid(written.Sheets[i]));
  }
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"out.xlsx"});
}

// Control characters and texts that look like _xHHHH_ escapes survive a round
// trip (openpyxl shows both escaped, so it is left out here).
TEST(XlsxWriter, textsThatNeedEscapesReadBackUnchanged) {
  QTemporaryDir dir;
  const QString path = dir.filePath("escapes.xlsx");
  TWorkbookData written;
  written.Sheets.resize(1);
  written.Sheets[0].SetCell(0, 0, "line\r\nbreak");
  written.Sheets[0].SetCell(0, 1, "_x000D_ and _x005F_ as text, _x12_");
  written.Sheets[0].SetCell(1, 0, QString(QChar(0x01)) + "\x1F");
  WriteXlsx(written, path);
  EXPECT_EQ(Grid(ReadXlsx(path).Sheets[0]), Grid(written.Sheets[0]));
}

TEST(XlsxWriter, sheetNamesAreMadeAcceptable) {
  QTemporaryDir dir;
  const QString path = dir.filePath("names.xlsx");
  TWorkbookData workbook;
  for (const char* name : {"a/b*c?[d]:e\\f", "", "'quoted'", "Data", "DATA",
                           "A name that is far longer than thirty-one characters"}) {
    TSheetData sheet;
    sheet.Name = QString::fromUtf8(name);
    sheet.SetCell(0, 0, "x");
    workbook.Sheets.push_back(sheet);
  }
  WriteXlsx(workbook, path);
  QStringList names;
  for (const TSheetData& sheet : xlsxtest::ReadWithOpenpyxl(path).Sheets) names.append(sheet.Name);
  EXPECT_EQ(names, (QStringList{"a_b_c__d__e_f", "Sheet2", "quoted", "Data", "DATA (2)",
                                "A name that is far longer than "}));
}

TEST(XlsxWriter, aNewFileAllowsNoMoreThanTheUmaskAndAnOldOneKeepsItsPermissions) {
  QTemporaryDir dir;
  const mode_t before = umask(077);
  WriteXlsx(SampleWorkbook(), dir.filePath("private.xlsx"));
  umask(022);
  WriteXlsx(SampleWorkbook(), dir.filePath("shared.xlsx"));
  umask(before);
  const auto owner = QFile::ReadOwner | QFile::WriteOwner;
  EXPECT_EQ(QFile::permissions(dir.filePath("private.xlsx")) & ~QFile::Permissions(0xF00), owner);
  EXPECT_EQ(QFile::permissions(dir.filePath("shared.xlsx")) & ~QFile::Permissions(0xF00),
            owner | QFile::ReadGroup | QFile::ReadOther);
  WriteXlsx(SampleWorkbook(), dir.filePath("private.xlsx"));  // kept on replacing
  EXPECT_EQ(QFile::permissions(dir.filePath("private.xlsx")) & ~QFile::Permissions(0xF00), owner);
}

TEST(XlsxWriter, failedWriteLeavesTheOldFileAndNoTemporary) {
  QTemporaryDir dir;
  const QString path = dir.filePath("old.xlsx");
  WriteXlsx(SampleWorkbook(), path);
  QFile file(path);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray before = file.readAll();
  file.close();

  TWorkbookData tooLong = SampleWorkbook();
  tooLong.Sheets[1].SetCell(5, 0, QString(32768, u'x'));
  EXPECT_THROW(WriteXlsx(tooLong, path), TSpreadsheetError);
  TWorkbookData tooWide;
  tooWide.Sheets.resize(1);
  tooWide.Sheets[0].SetCell(0, 16384, "x");
  EXPECT_THROW(WriteXlsx(tooWide, path), TSpreadsheetError);

  // The disk of the scratch folder fills up, that of the workbook does not.
  TWorkbookData large;
  large.Sheets.resize(1);
  for (int row = 0; row < 2000; ++row) large.Sheets[0].SetCell(row, 0, "compressible text");
  const TSmallDisk scratch;
  const QByteArray tmpdir = qgetenv("TMPDIR");
  qputenv("TMPDIR", QFile::encodeName(scratch.Path()));
  try {
    const std::optional<FileSizeLimit> full = scratch.Full();
    WriteXlsx(large, path);
    ADD_FAILURE() << "wrote past a full scratch disk";
  } catch (const TSpreadsheetError& error) {
    EXPECT_TRUE(error.Message().contains(path) && error.Message().contains("磁盘已满"))
        << error.Message().toStdString();
  }
  tmpdir.isNull() ? qunsetenv("TMPDIR") : qputenv("TMPDIR", tmpdir);

  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  EXPECT_EQ(file.readAll(), before);
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"old.xlsx"});

  try {
    WriteXlsx(SampleWorkbook(), dir.filePath("missing/folder.xlsx"));
    ADD_FAILURE() << "wrote into a missing folder";
  } catch (const TSpreadsheetError& error) {
    EXPECT_TRUE(error.Message().contains("folder.xlsx")) << error.Message().toStdString();
  }
}

}  // namespace
