#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QTemporaryDir>

#include "platform/spreadsheet/XlsFormat.h"

using spreadsheet::WriteXls;

namespace {

// The workbook as xlrd reads it: sheets of [name, rows of cell texts]; a cell
// that is not text reads as "<type N>".
QJsonArray ReadWithXlrd(const QByteArray& xls) {
  QTemporaryDir dir;
  const QString path = dir.filePath("book.xls");
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(xls) != xls.size()) return {};
  file.close();
  const char* script = R"(
import sys, json, xlrd
book = xlrd.open_workbook(sys.argv[1])
def text(sheet, r, c):
    cell = sheet.cell(r, c)
    if cell.ctype in (xlrd.XL_CELL_TEXT, xlrd.XL_CELL_EMPTY):
        return cell.value
    return '<type %d>' % cell.ctype
sheets = [[s.name, [[text(s, r, c) for c in range(s.ncols)] for r in range(s.nrows)]]
          for s in book.sheets()]
sys.stdout.write(json.dumps(sheets))
)";
  QProcess python;
  python.start("/usr/bin/python3", {"-c", script, path});
  if (!python.waitForFinished(60000)) return {};
  const QByteArray errors = python.readAllStandardError();
  EXPECT_EQ(python.exitCode(), 0) << errors.toStdString();
  return QJsonDocument::fromJson(python.readAllStandardOutput()).array();
}

// The sheets as xlrd would give them: the used range, empty cells as "".
QJsonArray Expected(const TWorkbookData& workbook) {
  QJsonArray sheets;
  for (const TSheetData& sheet : workbook.Sheets) {
    QJsonArray rows;
    for (int r = 0; r < sheet.RowCount(); ++r) {
      QJsonArray cells;
      for (int c = 0; c < sheet.ColumnCount(); ++c) cells.append(sheet.Cell(r, c));
      rows.append(cells);
    }
    sheets.append(QJsonArray{sheet.Name, rows});
  }
  return sheets;
}

TEST(XlsWriter, anIndependentReaderGetsTheSameTexts) {
  const QString nonBmp = QString::fromUtf8("\xF0\xA0\x80\x8B");  // U+2000B
  TWorkbookData workbook;
  TSheetData payroll;
  payroll.Name = QString::fromUtf8("工资表");
  payroll.Rows = {
      {QString::fromUtf8("姓名"), QString::fromUtf8("账号"), "", QString::fromUtf8("备注")},
      {QString::fromUtf8("王珺"), "012345678901234567890", "", "\tleading tab"},
      {QString::fromUtf8("李喆") + nonBmp, "6222020200012345678", "", "=1+2"},
      {"", "", "", ""},
      {QString::fromUtf8("café ÿ"), "", "x"},  // one byte a character, not ASCII
  };
  TSheetData notes;
  notes.Name = "Notes";
  notes.SetCell(0, 0, QString(10000, QChar(0x4E2D)));  // 20,000 bytes: two CONTINUE records
  notes.SetCell(0, 1, QString(10000, QLatin1Char('a')));
  // Surrogate pairs straddling record boundaries at both parities.
  QString pairs;
  for (int i = 0; i < 5000; ++i) pairs += nonBmp;
  notes.SetCell(1, 0, pairs);
  notes.SetCell(1, 1, "b" + pairs);
  notes.SetCell(1, 2, "cc" + pairs);
  for (int r = 2; r < 3002; ++r) {
    notes.SetCell(r, 3, QString::fromUtf8("第%1行 line %1").arg(r));
    notes.SetCell(r, 4, "same text");
  }
  notes.SetCell(3002, 255, "last column");
  workbook.Sheets = {payroll, notes};

  const QByteArray xls = WriteXls(workbook);
  EXPECT_EQ(ReadWithXlrd(xls), Expected(workbook));
}

TEST(XlsWriter, anEmptyWorkbookGetsOneEmptySheet) {
  const QJsonArray sheets = ReadWithXlrd(WriteXls(TWorkbookData{}));
  EXPECT_EQ(sheets, (QJsonArray{QJsonArray{"Sheet1", QJsonArray{}}}));
}

TEST(XlsWriter, aFullHeightSheetFitsButOneRowMoreIsRefused) {
  TWorkbookData workbook;
  workbook.Sheets.resize(1);
  workbook.Sheets[0].Name = "Big";
  workbook.Sheets[0].SetCell(65535, 0, "last row");
  EXPECT_NO_THROW(WriteXls(workbook));

  workbook.Sheets[0].SetCell(65536, 0, "one too many");
  try {
    WriteXls(workbook);
    FAIL() << "no error";
  } catch (const TSpreadsheetError& error) {
    EXPECT_EQ(error.Message(),
              QString::fromUtf8(
                  "工作表“Big”的行数超过 65536 行，无法保存为 .xls 文件，请保存为 .xlsx。"));
  }
}

TEST(XlsWriter, refusesWhatTheFormatCannotHold) {
  auto refused = [](const std::vector<TSheetData>& sheets) {
    TWorkbookData workbook;
    workbook.Sheets = sheets;
    try {
      WriteXls(workbook);
    } catch (const TSpreadsheetError& error) {
      return error.Message();
    }
    return QString("no error");
  };
  TSheetData wide{"Wide", {}};
  wide.SetCell(0, 256, "x");
  EXPECT_EQ(
      refused({wide}),
      QString::fromUtf8("工作表“Wide”的列数超过 256 列，无法保存为 .xls 文件，请保存为 .xlsx。"));
  TSheetData longCell{"Long", {}};
  longCell.SetCell(1, 2, QString(32768, QLatin1Char('x')));
  EXPECT_EQ(refused({longCell}),
            QString::fromUtf8("工作表“Long”第 2 行第 3 列的内容超过 32767 个字符，无法保存。"));
  longCell.SetCell(1, 2, QString(32767, QLatin1Char('x')));
  EXPECT_EQ(refused({longCell}), QString("no error"));

  EXPECT_EQ(refused({TSheetData{QString(32, QLatin1Char('n')), {}}}),
            QString::fromUtf8("工作表名称“%1”超过 31 个字符，无法保存为 .xls 文件。")
                .arg(QString(32, QLatin1Char('n'))));
  EXPECT_EQ(refused({TSheetData{QString(31, QChar(0x5DE5)), {}}}), QString("no error"));
  EXPECT_EQ(refused({TSheetData{"a/b", {}}}),
            QString::fromUtf8("工作表名称“a/b”含有不允许的字符（: \\ / ? * [ ]），无法保存。"));
  EXPECT_EQ(refused({TSheetData{"Sheet1", {}}, TSheetData{"SHEET1", {}}}),
            QString::fromUtf8("工作表名称“SHEET1”重复，无法保存。"));
  EXPECT_EQ(refused({TSheetData{"", {}}}), QString::fromUtf8("工作表名称不能为空，无法保存。"));
}

}  // namespace
