#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>

#include "SampleBatch.h"
#include "batch/documents/BatchWorkbook.h"
#include "support/TempAppDir.h"

namespace {

using sample::U;

// The first worksheet's cells as another program reads them: xlrd for .xls,
// openpyxl for .xlsx.
std::vector<QStringList> ReadWithPython(const QString& path) {
  const char* script = R"(
import json, sys
path = sys.argv[1]
if path.endswith('.xlsx'):
    import openpyxl
    ws = openpyxl.load_workbook(path).worksheets[0]
    rows = [['' if v is None else v for v in row] for row in ws.iter_rows(values_only=True)]
else:
    import xlrd
    s = xlrd.open_workbook(path).sheet_by_index(0)
    rows = [s.row_values(r) for r in range(s.nrows)]
print(json.dumps(rows))
)";
  QProcess python;
  python.start(U("/usr/bin/python3"), {U("-c"), U(script), path});
  EXPECT_TRUE(python.waitForFinished(60000));
  EXPECT_EQ(python.exitCode(), 0) << python.readAllStandardError().toStdString();
  std::vector<QStringList> cells;
  for (const auto& row : QJsonDocument::fromJson(python.readAllStandardOutput()).array()) {
    cells.emplace_back();
    for (const auto& cell : row.toArray()) cells.back().append(cell.toString(U("?")));
  }
  return cells;
}

// Writes a one-sheet workbook filled by write and reads it back as the import does.
template <class Write>
QList<TBatchSheetRow> WriteAndRead(const QString& path, Write write) {
  TWorkbookData book;
  book.Sheets.push_back(TSheetData{U("Sheet1"), {}});
  TWorksheet sheet(book.Sheets[0]);
  write(sheet);
  WriteWorkbookFile(book, path);
  TWorkbookData back = ReadWorkbookFile(path);
  return ReadBatchSheet(TWorksheet(back.Sheets.at(0)));
}

void ExpectSameDocument(const TPayMoneyInfo& read, const TPayMoneyInfo& written) {
  EXPECT_EQ(read.Payer.PayAccNo, written.Payer.PayAccNo);
  EXPECT_EQ(read.Payer.PayAccName, written.Payer.PayAccName);
  EXPECT_EQ(read.Payee.RcvAccNo, written.Payee.RcvAccNo);
  EXPECT_EQ(read.Payee.RcvAccName, written.Payee.RcvAccName);
  EXPECT_EQ(read.Payee.CounterName, written.Payee.CounterName);
  EXPECT_EQ(read.Payee.UbankNo, written.Payee.UbankNo);
  EXPECT_EQ(read.Payee.IsNVX, written.Payee.IsNVX);
  EXPECT_EQ(read.Money, written.Money);
  EXPECT_EQ(read.Usage, written.Usage);
}

class BatchWorkbookTest : public testing::TestWithParam<const char*> {
 protected:
  QString Path(const char* name) const {
    return dir.File(U(name) + u'.' + QString::fromLatin1(GetParam()));
  }
  TempAppDir dir;
};

TEST_P(BatchWorkbookTest, twelveColumnLayoutHasCaptionsAndReadsBackWithSerialAndRemark) {
  const QString path = Path("twelve");
  const TBatch batch = sample::TwoDocuments();
  const QList<TBatchSheetRow> rows =
      WriteAndRead(path, [&](TWorksheet& sheet) { WriteBatchSheet12(batch, sheet); });

  const std::vector<QStringList> cells = ReadWithPython(path);
  ASSERT_EQ(cells.size(), 3u);
  EXPECT_EQ(cells[0][0], U("序号"));
  EXPECT_EQ(cells[0][3], U("收款方行别代码（01-本行 02-国内他行）"));
  EXPECT_EQ(cells[0][11], U("备注"));
  EXPECT_EQ(cells[1],
            (QStringList{U("\t1"), U("\t0012345678901234567 "), U("\t甲公司 "), U("\t01 "),
                         U("\t6222000011112222 "), U("\t乙公司 "), U("\t福田支行 "), U("\t "),
                         U("\tS-1 "), U("\t1500.5 "), U("\t货款 "), U("\t备注一 ")}));
  EXPECT_EQ(cells[2][0], U("\t2"));
  EXPECT_EQ(cells[2][3], U("\t02 "));
  EXPECT_EQ(cells[2][9], U("\t100 "));

  ASSERT_EQ(rows.size(), 2);
  EXPECT_EQ(rows[0].Row, 2);
  EXPECT_EQ(rows[1].Row, 3);
  for (int i = 0; i < 2; ++i) ExpectSameDocument(rows[i].Doc, batch[i]);
  EXPECT_EQ(rows[0].Doc.SerialNo, U("S-1"));
  EXPECT_EQ(rows[0].Doc.Remark, U("备注一"));
  EXPECT_TRUE(rows[0].Doc.Payer.BranchCode.isEmpty());  // not in the layout
}

TEST_P(BatchWorkbookTest, sixteenColumnLayoutWritesTheLineFieldsUnchanged) {
  const QString path = Path("sixteen");
  const TBatch batch = sample::TwoDocuments();
  const QList<TBatchSheetRow> rows =
      WriteAndRead(path, [&](TWorksheet& sheet) { WriteBatchSheet16(batch, sheet); });

  const std::vector<QStringList> cells = ReadWithPython(path);
  ASSERT_EQ(cells.size(), 2u);
  EXPECT_EQ(cells[0], (QStringList{U("\t001"), U("\t甲公司 "), U("\t0012345678901234567 "),
                                   U("\t44 "), U("\t6222000011112222 "), U("\t乙公司 "), U("\t44 "),
                                   U("\t福田支行 "), U("\t "), U("\t4402 "), U("\t1 "),
                                   U("\t1500.5 "), U("\t01 "), U("\t货款 "), U("\t "), U("\t ")}));
  EXPECT_EQ(cells[1][0], U("\t002"));
  EXPECT_EQ(cells[1][6], U("\t "));  // no single space of the line
  EXPECT_EQ(cells[1][14], U("\t102 "));
  EXPECT_EQ(cells[1][15], U("\t1000 "));

  ASSERT_EQ(rows.size(), 2);
  EXPECT_EQ(rows[0].Row, 1);
  for (int i = 0; i < 2; ++i) ExpectSameDocument(rows[i].Doc, batch[i]);
  EXPECT_EQ(rows[0].Doc.Payer.BranchCode, U("44"));
  EXPECT_EQ(rows[0].Doc.Payee.BranchCode, U("44"));
  EXPECT_EQ(rows[0].Doc.Payee.CounterNo, U("4402"));
  EXPECT_TRUE(rows[1].Doc.Payee.BankCode.isEmpty());  // columns 15 and 16 are not read
  EXPECT_TRUE(rows[1].Doc.Payee.AreaCode.isEmpty());
  EXPECT_TRUE(rows[0].Doc.SerialNo.isEmpty());
}

INSTANTIATE_TEST_SUITE_P(BothFormats, BatchWorkbookTest, testing::Values("xls", "xlsx"));

TEST(BatchWorkbook, sixteenColumnReadingSkipsEmptyRowsUntilFiftyInARowOrTheUsedRangeEnds) {
  TSheetData data;
  TWorksheet sheet(data);
  const auto fill = [&](int row, const QString& first, const QString& amount) {
    sheet.WriteCell(row, 1, first);
    sheet.WriteCell(row, 3, U("acc%1").arg(row));
    sheet.WriteCell(row, 12, amount);
  };
  fill(1, U("\t001"), U("5"));
  fill(2, U(" \t"), U("6"));         // blank first cell: skipped
  fill(52, U("x"), U("-1"));         // after 50 empty rows: read, amount and all
  fill(104, U("y"), U("7"));         // after 51 empty rows: not read
  sheet.WriteCell(105, 17, U("z"));  // 17 columns wide: still the sixteen layout

  const QList<TBatchSheetRow> rows = ReadBatchSheet(sheet);
  ASSERT_EQ(rows.size(), 2);
  EXPECT_EQ(rows[0].Row, 1);
  EXPECT_EQ(rows[0].Doc.Payer.PayAccNo, U("acc1"));
  EXPECT_EQ(rows[0].Doc.Money, TAmount::FromYuan(5));
  EXPECT_FALSE(rows[0].BadAmount);
  EXPECT_EQ(rows[1].Row, 52);
  EXPECT_TRUE(rows[1].Doc.Money.IsZero());  // "-1" is no payment amount
  EXPECT_TRUE(rows[1].BadAmount);

  TSheetData empty;
  EXPECT_TRUE(ReadBatchSheet(TWorksheet(empty)).isEmpty());
}

TEST(BatchWorkbook, twelveColumnReadingTrimsCellsAndMapsTheBankCategory) {
  TSheetData data;
  TWorksheet sheet(data);
  const auto fill = [&](int row, const QStringList& cells) {
    for (int column = 1; column <= cells.size(); ++column)
      sheet.WriteCell(row, column, cells[column - 1]);
  };
  fill(1, {U("序号")});
  fill(2, {U("1"), U(" 001\t"), U("甲"), U("02"), U("622"), U("乙"), U("行"), U("3055"), U("s"),
           U("\t1500.5 "), U("货款"), U("r")});
  fill(3, {U("\t "), U("skipped")});
  fill(4, {U("3"), U("002"), U("甲"), U("9"), U(""), U(""), U(""), U(""), U(""), U("abc")});
  fill(5, {U("4"), U("003"), U("甲"), U("\t01 ")});

  const QList<TBatchSheetRow> rows = ReadBatchSheet(sheet);
  ASSERT_EQ(rows.size(), 3);
  EXPECT_EQ(rows[0].Row, 2);
  EXPECT_EQ(rows[0].Doc.Payer.PayAccNo, U("001"));
  EXPECT_EQ(rows[0].Doc.Payee.IsNVX, U("0"));
  EXPECT_EQ(rows[0].Doc.Payee.UbankNo, U("3055"));
  EXPECT_EQ(rows[0].Doc.Money, *TAmount::Parse(u"1500.5"));
  EXPECT_EQ(rows[0].Doc.Remark, U("r"));
  EXPECT_EQ(rows[1].Row, 4);
  EXPECT_EQ(rows[1].Doc.Payee.IsNVX, U("9"));  // other text is kept
  EXPECT_EQ(rows[1].Doc.Money, TAmount());     // unreadable: left to the caller to refuse
  EXPECT_EQ(rows[2].Doc.Payee.IsNVX, U("1"));
}

TEST(BatchWorkbook, sequenceNumbersInBothLayouts) {
  TBatch batch;
  for (int i = 0; i < 1000; ++i) batch.Append(sample::OtherBank());
  TSheetData sixteen;
  TWorksheet sheet16(sixteen);
  WriteBatchSheet16(batch, sheet16);
  EXPECT_EQ(sheet16.ReadCell(10, 1), U("\t010"));
  EXPECT_EQ(sheet16.ReadCell(1000, 1), U("\t1000"));

  TSheetData twelve;
  TWorksheet sheet12(twelve);
  WriteBatchSheet12(batch, sheet12);
  EXPECT_EQ(sheet12.ReadCell(11, 1), U("\t10"));
  EXPECT_EQ(ReadBatchSheet(sheet12).size(), 1000);
}

}  // namespace
