#include <gtest/gtest.h>

#include <QDir>

#include "agentpay/records/PayImport.h"
#include "platform/spreadsheet/Spreadsheet.h"
#include "support/LibreOffice.h"
#include "support/SystemPython.h"
#include "support/TempAppDir.h"

// Salary workbooks saved by other programs, imported through a template.
namespace {

// Worksheet 2 "工资": a title merged over A1:E1, the captions, then blocks of
// records with blank rows between them; account numbers typed as numbers. With
// "formulas" the amounts are formulas (MAX is one the component cannot work
// out itself, so only a stored result gives it). Worksheet 1 holds a decoy.
const char* const kSalaryScript = R"py(
import sys
kind, path = sys.argv[1], sys.argv[2]
ROWS = [
  [1, "张珺", 622202123456789, ("1000+234.5", 1234.5), "十二月工资"],
  [2, "李喆", 6228480012345, ("MAX(4000,4800.25)", 4800.25), "十二月工资"],
  None, None,
  [3, "王五", 622848001000000, ("100.1+0.2", 100.3), "奖金"],
  [4, "赵六", 12345678, ("0.5", 0.5), None],
  None,
  [5, "钱七", 100000000000001, ("SUM(2,3)", 5), "补发"],
]
if kind == "xls":
    import xlwt
    wb = xlwt.Workbook(encoding="utf-8")
    decoy, pay = wb.add_sheet("说明"), wb.add_sheet("工资")
    put = lambda ws, r, c, v: ws.write(r - 1, c - 1, v)
    pay.write_merge(0, 0, 0, 4, "二〇二六年十二月工资发放表")
else:
    import openpyxl
    wb = openpyxl.Workbook()
    decoy, pay = wb.active, wb.create_sheet("工资")
    decoy.title = "说明"
    put = lambda ws, r, c, v: ws.cell(r, c, v)
    pay["A1"] = "二〇二六年十二月工资发放表"
    pay.merge_cells("A1:E1")
for c, v in enumerate([9, "不是这一页", 111, 1, "x"], start=1): put(decoy, 3, c, v)
for c, v in enumerate(["序号", "姓名", "账号", "金额", "用途"], start=1): put(pay, 2, c, v)
for r, row in enumerate(ROWS, start=3):
    for c, v in enumerate(row or [], start=1):
        if isinstance(v, tuple): v = "=" + v[0] if kind == "formulas" else v[1]
        if v is not None: put(pay, r, c, v)
wb.save(path)
)py";

QString U(const char* utf8) {
  return QString::fromUtf8(utf8);
}

void MakeSalaryWorkbook(const char* kind, const QString& path) {
  RunSystemPython(QString::fromUtf8(kSalaryScript), {QString::fromLatin1(kind), path});
}

// Account from sheet column 3, name from 2, amount from 4, purpose from 5.
TPayTemplate Salary() {
  TPayTemplate salary;
  salary.Money = 3;
  salary.WorkAround = 2;
  salary.Columns = {{U("账号"), 3}, {U("户名"), 2}, {U("金额"), 4}, {U("用途"), 5}};
  return salary;
}

void ExpectSalaryLines(const QString& path) {
  SCOPED_TRACE(path.toStdString());
  TWorkbook book(ReadWorkbookFile(path));
  const TWorksheet sheet = book.Worksheet(Salary().WorkAround);
  // The title row has nothing in the template's columns; the captions are no amount.
  EXPECT_EQ(ImportWorksheetRows(sheet, 1, 100, Salary()).Problem, U("第2记录的金额列数据有误！"));
  const TPayImport imported = ImportWorksheetRows(sheet, 3, 100, Salary());
  EXPECT_EQ(imported.Problem, QString());
  // 赵六 has no purpose: his row is left out.
  EXPECT_EQ(imported.Lines,
            QStringList({U("622202123456789|张珺|1234.5|十二月工资"),
                         U("6228480012345|李喆|4800.25|十二月工资"),
                         U("622848001000000|王五|100.3|奖金"), U("100000000000001|钱七|5|补发")}));
}

TEST(PayWorkbookInterop, libreOfficeWorkbooksGiveTheRecordLinesOfTheirStoredResults) {
  TempAppDir dir;
  MakeSalaryWorkbook("formulas", dir.File("salary.xlsx"));
  QDir().mkpath(dir.File("saved"));
  for (const char* filter : {"xls", "xlsx"}) {
    ConvertWithLibreOffice(dir, {dir.File("salary.xlsx")}, QString::fromLatin1(filter),
                           dir.File("saved"));
    ExpectSalaryLines(dir.File(QStringLiteral("saved/salary.%1").arg(QLatin1String(filter))));
  }
}

// Neither writes the results of formulas: their amounts are numbers.
TEST(PayWorkbookInterop, openpyxlAndXlwtWorkbooksGiveTheSameRecordLines) {
  TempAppDir dir;
  for (const char* kind : {"xlsx", "xls"}) {
    const QString path = dir.File(QStringLiteral("salary.%1").arg(QLatin1String(kind)));
    MakeSalaryWorkbook(kind, path);
    ExpectSalaryLines(path);
  }
}

}  // namespace
