#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>

#include "platform/prompts/ScriptedPrompts.h"
#include "registers/books/RegisterWorkbook.h"
#include "support/TempAppDir.h"

namespace {

QString U(const char* utf8) {
  return QString::fromUtf8(utf8);
}

// Another program's view of a workbook: "read" prints the first worksheet's
// cells as xlrd (.xls) or openpyxl (.xlsx) give them; "write" makes a workbook
// with xlwt or openpyxl from rows given as JSON (strings, numbers, null).
std::vector<QStringList> Python(const char* mode, const QString& path,
                                const QByteArray& rows = {}) {
  const char* script = R"(
import json, sys
mode, path = sys.argv[1:]
xlsx = path.endswith('.xlsx')
if mode == 'read' and xlsx:
    import openpyxl
    ws = openpyxl.load_workbook(path).worksheets[0]
    print(json.dumps([['' if v is None else v for v in row] for row in ws.iter_rows(values_only=True)]))
elif mode == 'read':
    import xlrd
    s = xlrd.open_workbook(path).sheet_by_index(0)
    print(json.dumps([s.row_values(r) for r in range(s.nrows)]))
else:
    import openpyxl, xlwt
    wb = openpyxl.Workbook() if xlsx else xlwt.Workbook()
    ws = wb.active if xlsx else wb.add_sheet('Sheet1')
    for r, row in enumerate(json.load(sys.stdin)):
        for c, v in enumerate(row or []):
            if v is None: continue
            if xlsx: ws.cell(row=r + 1, column=c + 1, value=v)
            else: ws.write(r, c, v)
    wb.save(path)
)";
  QProcess python;
  python.start(QStringLiteral("/usr/bin/python3"),
               {QStringLiteral("-c"), U(script), U(mode), path});
  python.write(rows);
  python.closeWriteChannel();
  EXPECT_TRUE(python.waitForFinished(60000));
  EXPECT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();
  std::vector<QStringList> cells;
  for (const auto& row : QJsonDocument::fromJson(python.readAllStandardOutput()).array()) {
    cells.emplace_back();
    for (const auto& cell : row.toArray()) cells.back().append(cell.toString(U("?")));
  }
  return cells;
}

TOwningList<TPayerInfo> SamplePayers() {
  TOwningList<TPayerInfo> payers;
  auto a = std::make_unique<TPayerInfo>();
  a->PayAccNo = U("0012345678901234567");
  a->PayAccName = U("深圳珺喆贸易有限公司");
  a->CounterName = U("深圳分行营业部");
  a->SortId = U("工资");
  a->AccAlias = U("基本户");
  a->RightType = U("1");
  a->BranchName = U("not in the layout");
  a->Balance = TAmount::FromYuan(12);
  payers.Append(std::move(a));
  auto b = std::make_unique<TPayerInfo>();
  b->PayAccNo = U("622");
  b->RightType = U("0");
  payers.Append(std::move(b));
  return payers;
}

TOwningList<TPayeeInfo> SamplePayees() {
  TOwningList<TPayeeInfo> payees;
  for (int n = 1; n <= 2; ++n) {
    auto payee = std::make_unique<TPayeeInfo>();
    for (const TRecordField<TPayeeInfo>* field : WorkbookFields(TPayeeInfo::Fields()))
      field->SetText(*payee, QStringLiteral("%1值%2").arg(n).arg(field->Column));
    payees.Append(std::move(payee));
  }
  payees[1].IsNVX.clear();  // an empty cell in the middle of a row
  return payees;
}

class RegisterWorkbookTest : public testing::TestWithParam<const char*> {
 protected:
  QString Path(const char* name) const {
    return dir.File(U(name) + u'.' + QString::fromLatin1(GetParam()));
  }

  TScriptedPrompts prompts;
  TempAppDir dir;
  TSpreadsheetStarter start = &TSpreadsheetApp::Start;
};

TEST_P(RegisterWorkbookTest, exportedPayersAreTabValueSpaceCellsAndReadBackTheSame) {
  const QString path = Path("payers");
  ExportPayersWorkbook(SamplePayers(), path, start);

  const std::vector<QStringList> cells = Python("read", path);
  ASSERT_EQ(cells.size(), 2u);
  EXPECT_EQ(cells[0],
            (QStringList{U("\t0012345678901234567 "), U("\t深圳珺喆贸易有限公司 "),
                         U("\t深圳分行营业部 "), U("\t工资 "), U("\t基本户 "), U("\t1 ")}));
  EXPECT_EQ(cells[1],
            (QStringList{U("\t622 "), U("\t "), U("\t "), U("\t "), U("\t "), U("\t0 ")}));

  TOwningList<TPayerInfo> back;
  ASSERT_EQ(ReadPayersWorkbook(path, back, start, prompts), TImportResult::Read);
  ASSERT_EQ(back.Count(), 2);
  const TOwningList<TPayerInfo> sample = SamplePayers();
  for (qsizetype i = 0; i < 2; ++i)
    for (auto field : {&TPayerInfo::PayAccNo, &TPayerInfo::PayAccName, &TPayerInfo::CounterName,
                       &TPayerInfo::SortId, &TPayerInfo::AccAlias, &TPayerInfo::RightType})
      EXPECT_EQ(back[i].*field, sample[i].*field);
  EXPECT_TRUE(back[0].BranchName.isEmpty());
  EXPECT_TRUE(back[0].Balance.IsZero());
  EXPECT_TRUE(prompts.Messages().empty());
}

TEST_P(RegisterWorkbookTest, exportedPayeesHaveEighteenColumnsAndReadBackTheSame) {
  const QString path = Path("payees");
  const TOwningList<TPayeeInfo> sample = SamplePayees();
  ExportPayeesWorkbook(sample, path, start);

  const std::vector<QStringList> cells = Python("read", path);
  ASSERT_EQ(cells.size(), 2u);
  ASSERT_EQ(cells[0].size(), 18);
  EXPECT_EQ(cells[0][0], U("\t1值1 "));
  EXPECT_EQ(cells[0][7], U("\t1值8 "));  // ExchangeNo
  EXPECT_EQ(cells[0][17], U("\t1值18 "));
  EXPECT_EQ(cells[1][9], U("\t "));

  TOwningList<TPayeeInfo> back;
  ASSERT_EQ(ReadPayeesWorkbook(path, back, start, prompts), TImportResult::Read);
  ASSERT_EQ(back.Count(), 2);
  for (qsizetype i = 0; i < 2; ++i)
    for (const TRecordField<TPayeeInfo>& field : TPayeeInfo::Fields())
      EXPECT_EQ(field.Text(back[i]), field.Text(sample[i])) << field.Name;
}

// Row 2 is empty and row 3 has only blanks in column 1: both are skipped. After
// payer C follow 50 empty rows (D is read), then 51 (E is not).
QByteArray RowsWithGaps(const QByteArray& firstRows) {
  QByteArray json = "[" + firstRows + ", null, [\" \\t\", \"blank account\"], ";
  json += "[\"  C \\t\", \" 丙公司\\u3000\", null, \"g\", null, 0]";
  for (int i = 0; i < 50; ++i) json += ", null";
  json += ", [\"D\"]";
  for (int i = 0; i < 51; ++i) json += ", null";
  return json + ", [\"E\"]]";
}

TEST_P(RegisterWorkbookTest, readsAnotherProgramsWorkbookSkippingEmptyRowsUntilFiftyInARow) {
  const QString path = Path("other");
  Python("write", path, RowsWithGaps("[622202123456789, \"甲\"]"));

  TOwningList<TPayerInfo> payers;
  payers.Append(std::make_unique<TPayerInfo>());
  ASSERT_EQ(ReadPayersWorkbook(path, payers, start, prompts), TImportResult::Read);
  ASSERT_EQ(payers.Count(), 3);
  EXPECT_EQ(payers[0].PayAccNo, U("622202123456789"));  // a number cell of 15 digits, as its digits
  EXPECT_EQ(payers[1].PayAccNo, U("C"));
  EXPECT_EQ(payers[1].PayAccName, U("丙公司\u3000"));  // only white space below U+0021 goes
  EXPECT_EQ(payers[1].SortId, U("g"));
  EXPECT_EQ(payers[1].RightType, U("0"));
  EXPECT_EQ(payers[2].PayAccNo, U("D"));
}

TEST_P(RegisterWorkbookTest, payeesRepeatingAnEarlierAccountAndNameAreLeftOutAndTakeNoRow) {
  const QString path = Path("payees");
  Python("write", path,
         RowsWithGaps("[\"C\", \"丙公司\\u3000\"], [\"A\", \"甲\"], [\"A\", \"甲\"], "
                      "[\"A\", \"乙\"]"));
  TOwningList<TPayeeInfo> payees;
  ASSERT_EQ(ReadPayeesWorkbook(path, payees, start, prompts), TImportResult::Read);
  QStringList read;
  for (const TPayeeInfo& payee : payees) read.append(payee.RcvAccNo + u'/' + payee.RcvAccName);
  // The repeated C takes no row, so its 50 empty rows add to the two before it
  // and D is not read.
  EXPECT_EQ(read, (QStringList{U("C/丙公司\u3000"), U("A/甲"), U("A/乙")}));
}

INSTANTIATE_TEST_SUITE_P(BothFormats, RegisterWorkbookTest, testing::Values("xls", "xlsx"));

TEST(RegisterWorkbook, aWorkbookThatCannotBeOpenedFailsWithNothingRead) {
  TScriptedPrompts prompts;
  TempAppDir dir;
  TSpreadsheetStarter start = &TSpreadsheetApp::Start;
  dir.Write("broken.xls", QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8) + QByteArray(600, 'x'));
  for (const char* name : {"broken.xls", "missing.xls"}) {
    TOwningList<TPayerInfo> payers = SamplePayers();
    EXPECT_EQ(ReadPayersWorkbook(dir.File(name), payers, start, prompts), TImportResult::Failed)
        << name;
    EXPECT_TRUE(payers.IsEmpty()) << name;
    TOwningList<TPayeeInfo> payees = SamplePayees();
    EXPECT_EQ(ReadPayeesWorkbook(dir.File(name), payees, start, prompts), TImportResult::Failed)
        << name;
    EXPECT_TRUE(payees.IsEmpty()) << name;
  }
  EXPECT_TRUE(prompts.Messages().empty());

  // Exporting where no file can be written throws, as it does for an unwritable path.
  EXPECT_THROW(ExportPayersWorkbook(SamplePayers(), dir.File("no/such/dir/a.xls"), start),
               TSpreadsheetError);
}

TEST(RegisterWorkbook, aComponentThatCannotStartIsNotStartedWithItsMessage) {
  TScriptedPrompts prompts;
  TempAppDir dir;
  TSpreadsheetStarter start = &TSpreadsheetApp::Start;
  ExportPayersWorkbook(SamplePayers(), dir.File("a.xls"), start);
  start = []() -> std::unique_ptr<TSpreadsheetApp> {
    throw TSpreadsheetStartError(QStringLiteral("no component"));
  };

  TOwningList<TPayerInfo> payers = SamplePayers();
  EXPECT_EQ(ReadPayersWorkbook(dir.File("a.xls"), payers, start, prompts),
            TImportResult::NotStarted);
  EXPECT_TRUE(payers.IsEmpty());
  TOwningList<TPayeeInfo> payees = SamplePayees();
  EXPECT_EQ(ReadPayeesWorkbook(dir.File("a.xls"), payees, start, prompts),
            TImportResult::NotStarted);
  EXPECT_TRUE(payees.IsEmpty());
  ASSERT_EQ(prompts.Messages().size(), 2u);
  EXPECT_EQ(prompts.Messages()[1].Text, U("Excel may not be installed"));
  EXPECT_EQ(prompts.Messages()[1].Icon, QMessageBox::Critical);

  EXPECT_THROW(ExportPayeesWorkbook(SamplePayees(), dir.File("b.xls"), start),
               TSpreadsheetStartError);
  EXPECT_FALSE(QFile::exists(dir.File("b.xls")));
  EXPECT_EQ(prompts.Messages().size(), 2u);  // exporting leaves the message to the caller
}

}  // namespace
