#include <gtest/gtest.h>

#include "platform/prompts/ScriptedPrompts.h"
#include "platform/spreadsheet/Spreadsheet.h"
#include "registers/books/RegisterWorkbook.h"
#include "support/TempAppDir.h"

namespace {

QString U(const char* utf8) {
  return QString::fromUtf8(utf8);
}

class PayeeWorkbookImportTest : public testing::TestWithParam<const char*> {
 protected:
  // A workbook with the given rows (from row 1), in this test's format.
  QString Workbook(const std::vector<QStringList>& rows) {
    TWorkbookData book;
    book.Sheets.push_back(TSheetData{QStringLiteral("Sheet1"), rows});
    QString path = dir.File(QStringLiteral("payees.") + QString::fromLatin1(GetParam()));
    WriteWorkbookFile(book, path);
    return path;
  }

  void Import(TOwningList<TPayeeInfo>& list, const QString& path) {
    ImportPayeesFromExcel(list, path, &TSpreadsheetApp::Start, prompts);
  }

  static QStringList Payee(const char* accNo, const char* name) { return {U(accNo), U(name)}; }

  TScriptedPrompts prompts;
  TempAppDir dir;
};

TEST_P(PayeeWorkbookImportTest, readsTheEighteenColumnsOfEveryRowWithAnAccount) {
  QStringList full;
  for (int c = 1; c <= 18; ++c) full.append(QStringLiteral("\t v%1 ").arg(c));
  full[1] = U("\t深圳珺喆贸易有限公司 ");
  const QString path = Workbook({{U("账号"), U("户名")}, full});
  TOwningList<TPayeeInfo> list;
  Import(list, path);
  ASSERT_EQ(list.Count(), 2);  // the heading row is read like any other
  EXPECT_EQ(list[0].RcvAccNo, U("账号"));
  const TPayeeInfo& p = list[1];
  EXPECT_EQ(p.RcvAccNo, U("v1"));
  EXPECT_EQ(p.RcvAccName, U("深圳珺喆贸易有限公司"));
  EXPECT_EQ(p.BranchName, U("v3"));
  EXPECT_EQ(p.ExchangeNo, U("v8"));
  EXPECT_EQ(p.IsNVX, U("v10"));
  EXPECT_EQ(p.AccAlias, U("v15"));
  EXPECT_EQ(p.BankCode, U("v16"));
  EXPECT_EQ(p.AreaProv, U("v18"));
  EXPECT_TRUE(prompts.Messages().empty());
}

TEST_P(PayeeWorkbookImportTest, stopsAfterFiftyBlankRowsAndSkipsRepeats) {
  std::vector<QStringList> rows{Payee("1", "A")};
  rows.resize(1 + 50);
  rows.push_back(Payee("2", "B"));   // after 50 blank rows: read
  rows.push_back(Payee("1", "A"));   // a repeat: skipped
  rows.push_back(Payee("1", "A2"));  // same account, other name: kept
  rows.resize(rows.size() + 51);
  rows.push_back(Payee("3", "C"));  // after 51 blank rows: not read
  TOwningList<TPayeeInfo> list;
  list.Append(std::make_unique<TPayeeInfo>());
  Import(list, Workbook(rows));
  ASSERT_EQ(list.Count(), 3);
  EXPECT_EQ(list[0].RcvAccNo, U("1"));
  EXPECT_EQ(list[1].RcvAccNo, U("2"));
  EXPECT_EQ(list[2].RcvAccName, U("A2"));
}

INSTANTIATE_TEST_SUITE_P(BothFormats, PayeeWorkbookImportTest, testing::Values("xls", "xlsx"));

TEST(PayeeWorkbookImport, aComponentThatCannotStartSaysSoAndImportsNothing) {
  TScriptedPrompts prompts;
  TempAppDir dir;
  const TSpreadsheetStarter failing = []() -> std::unique_ptr<TSpreadsheetApp> {
    throw TSpreadsheetStartError(QStringLiteral("no"));
  };
  TOwningList<TPayeeInfo> list;
  list.Append(std::make_unique<TPayeeInfo>());
  ImportPayeesFromExcel(list, dir.File("param/Payee.xml"), failing, prompts);
  EXPECT_TRUE(list.IsEmpty());
  ASSERT_EQ(prompts.Messages().size(), 1u);
  EXPECT_EQ(prompts.Messages()[0].Text, QStringLiteral("Excel may not be installed"));
  EXPECT_EQ(prompts.Messages()[0].Icon, QMessageBox::Critical);
}

TEST(PayeeWorkbookImport, aFileThatIsNotAWorkbookEndsQuietly) {
  TScriptedPrompts prompts;
  TempAppDir dir;
  dir.Write("param/Payee.xml", "not a workbook at all");
  TOwningList<TPayeeInfo> list;
  ImportPayeesFromExcel(list, dir.File("param/Payee.xml"), &TSpreadsheetApp::Start, prompts);
  EXPECT_TRUE(list.IsEmpty());
  EXPECT_TRUE(prompts.Messages().empty());
}

}  // namespace
