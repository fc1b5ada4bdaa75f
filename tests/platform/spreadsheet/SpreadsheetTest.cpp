#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>

#include "platform/prompts/ScriptedPrompts.h"
#include "platform/spreadsheet/Spreadsheet.h"
#include "support/TempAppDir.h"

namespace {

QString U(const char* utf8) {
  return QString::fromUtf8(utf8);
}

class SpreadsheetRoundTrip : public testing::TestWithParam<const char*> {};

TEST_P(SpreadsheetRoundTrip, aWorkbookWeWriteReadsBackWithTheSameTexts) {
  TempAppDir dir;
  auto app = TSpreadsheetApp::Start();
  auto book = app->NewWorkbook();
  TWorksheet sheet = book->Worksheet(1);
  sheet.WriteCell(1, 1, U("\t6222021234567890123"));
  sheet.WriteCell(1, 2, U("珺喆维岭 \U0001F600"));
  sheet.WriteCell(1, 4, U("012345678901234567890"));  // column 3 stays empty
  sheet.WriteCell(3, 1, U("1234.50"));
  sheet.SetColumnWidth(2, 24);
  const QString path = dir.File(QStringLiteral("book.") + QString::fromLatin1(GetParam()));
  book->SaveAs(path);

  auto back = app->OpenWorkbook(path);
  TWorksheet read = back->Worksheet(1);
  EXPECT_EQ(read.UsedRows(), 3);
  EXPECT_EQ(read.UsedColumns(), 4);
  EXPECT_EQ(read.ReadCell(1, 1), U("\t6222021234567890123"));
  EXPECT_EQ(read.ReadCell(1, 2), U("珺喆维岭 \U0001F600"));
  EXPECT_EQ(read.ReadCell(1, 3), QString());
  EXPECT_EQ(read.ReadCell(1, 4), U("012345678901234567890"));
  EXPECT_EQ(read.ReadCell(2, 1), QString());
  EXPECT_EQ(read.ReadCell(3, 1), U("1234.50"));
  EXPECT_NEAR(read.ColumnWidth(2), 24, 1);  // .xlsx adds the cell padding
  EXPECT_EQ(read.ColumnWidth(1), 0);
  EXPECT_THROW(back->Worksheet(2), TSpreadsheetError);
}

INSTANTIATE_TEST_SUITE_P(BothFormats, SpreadsheetRoundTrip, testing::Values("xls", "xlsx"));

TEST(Spreadsheet, theFormatWrittenFollowsTheNameAndReadingFollowsTheContent) {
  TempAppDir dir;
  auto app = TSpreadsheetApp::Start();
  auto book = app->NewWorkbook();
  book->Worksheet(1).WriteCell(1, 1, U("x"));
  book->SaveAs(dir.File("a.xlsx"));
  book->SaveAs(dir.File("b.xls"));
  book->SaveAs(dir.File("c.dat"));
  EXPECT_TRUE(dir.Read("a.xlsx").startsWith("PK"));
  EXPECT_TRUE(dir.Read("b.xls").startsWith("\xD0\xCF\x11\xE0"));
  EXPECT_EQ(dir.Read("c.dat"), dir.Read("b.xls"));
  QFile::rename(dir.File("a.xlsx"), dir.File("a.xls"));  // a misnamed file still opens
  EXPECT_EQ(app->OpenWorkbook(dir.File("a.xls"))->Worksheet(1).ReadCell(1, 1), U("x"));
  EXPECT_GT(app->Version().toDouble(), 11.0);
}

TEST(Spreadsheet, whatIsNotAWorkbookIsAFailureNotACrash) {
  TempAppDir dir;
  auto app = TSpreadsheetApp::Start();
  dir.Write("empty.xls", "");
  dir.Write("text.xls", "hello, this is not a workbook");
  dir.Write("cut.xlsx", "PK\x03\x04\x14\x00");
  dir.Write("cut.xls", QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) + QByteArray(100, '\0'));
  for (const char* name : {"empty.xls", "text.xls", "cut.xlsx", "cut.xls", "missing.xls"})
    EXPECT_THROW(app->OpenWorkbook(dir.File(name)), TSpreadsheetError) << name;
}

TEST(Spreadsheet, fileFailuresAreToldInChinese) {
  TempAppDir dir;
  QDir(dir.Path()).mkdir(QStringLiteral("folder.xlsx"));
  const auto messageOf = [](const auto& action) {
    try {
      action();
    } catch (const TSpreadsheetError& e) {
      return e.Message();
    }
    return QString();
  };
  const auto read = [&](const char* name) {
    return messageOf([&] { ReadWorkbookFile(dir.File(name)); });
  };
  EXPECT_TRUE(read("missing.xlsx").endsWith(U("文件不存在。")))
      << read("missing.xlsx").toStdString();
  EXPECT_TRUE(read("folder.xlsx").endsWith(U("这是一个文件夹，不是文件。")));
  TWorkbookData book;
  book.Sheets.push_back(TSheetData{U("Sheet1"), {{U("a")}}});
  for (const char* name : {"nowhere/a.xlsx", "nowhere/a.xls"}) {
    const QString message = messageOf([&] { WriteWorkbookFile(book, dir.File(name)); });
    EXPECT_TRUE(message.contains(U("文件夹不存在"))) << message.toStdString();
  }
}

TEST(Spreadsheet, showOpensATemporaryCopyInTheDesktopProgram) {
  TScriptedPrompts prompts;
  auto app = TSpreadsheetApp::Start();
  auto book = app->NewWorkbook();
  book->Worksheet(1).WriteCell(1, 1, U("明细"));
  book->Show(prompts);
  ASSERT_EQ(prompts.OpenedUrls().size(), 1);
  const QString shown = prompts.OpenedUrls()[0].toLocalFile();
  EXPECT_TRUE(shown.endsWith(QStringLiteral(".xlsx")));
  EXPECT_EQ(app->OpenWorkbook(shown)->Worksheet(1).ReadCell(1, 1), U("明细"));
  QFile::remove(shown);
}

}  // namespace
