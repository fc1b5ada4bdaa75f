#include <benchmark/benchmark.h>
#include <xlsxwriter.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "platform/process/HugePageHeap.h"
#include "platform/spreadsheet/Spreadsheet.h"
#include "platform/spreadsheet/XlsFormat.h"
#include "platform/spreadsheet/XlsxFormat.h"

// Reading and writing a worksheet of 100,000 rows by 10 text columns as .xlsx,
// and of 65,536 rows (the most the format holds) as .xls, and libxlsxwriter
// writing the same cells on its own (the floor for our .xlsx writer). The files
// stay in SPREADSHEET_BENCH_DIR for the peers.
namespace {

constexpr int kRows = 100000;
constexpr int kXlsRows = 65536;
constexpr int kColumns = 10;

QString Dir() {
  QString dir = qEnvironmentVariable("SPREADSHEET_BENCH_DIR", QDir::tempPath());
  QDir().mkpath(dir);
  return dir;
}

QString CellText(int row, int column) {
  static const char* const kWords[] = {"维岭", "华兴", "鑫源", "恒通", "瑞丰", "珺喆"};
  if (column == 0)
    return QStringLiteral("\t6222%1")
        .arg(qint64(row) * 7919 % 1000000000000, 12, 10, QLatin1Char('0'));
  if (column % 3 == 1)
    return QString::fromUtf8(kWords[(row + column) % 6]) + QStringLiteral("公司%1").arg(row % 977);
  return QString::number((row * 31 + column * 17) % 100000) + QStringLiteral(".25");
}

TWorkbookData MakeSheet(int rows) {
  TWorkbookData b;
  b.Sheets.push_back(TSheetData{QStringLiteral("Sheet1"), {}});
  b.Sheets[0].Rows.resize(size_t(rows));
  for (int r = 0; r < rows; ++r)
    for (int c = 0; c < kColumns; ++c) b.Sheets[0].Rows[size_t(r)].append(CellText(r, c));
  return b;
}

const TWorkbookData& Sheet() {
  static const TWorkbookData kBook = MakeSheet(kRows);
  return kBook;
}

const TWorkbookData& XlsSheet() {
  static const TWorkbookData kBook = MakeSheet(kXlsRows);
  return kBook;
}

QString File(const char* name) {
  return Dir() + u'/' + QString::fromLatin1(name);
}

void WriteXls(benchmark::State& state) {
  for (auto _ : state) WriteWorkbookFile(XlsSheet(), File("bench.xls"));
}

void WriteXlsx(benchmark::State& state) {
  for (auto _ : state) WriteWorkbookFile(Sheet(), File("bench.xlsx"));
}

// libxlsxwriter alone, constant memory, the same UTF-8 texts prepared beforehand.
void WriteXlsxLibraryAlone(benchmark::State& state) {
  std::vector<QByteArray> utf8;
  utf8.reserve(size_t(kRows) * kColumns);
  for (const QStringList& row : Sheet().Sheets[0].Rows)
    for (const QString& cell : row) utf8.push_back(cell.toUtf8());
  const QByteArray path = File("bench-library.xlsx").toUtf8();
  for (auto _ : state) {
    lxw_workbook_options options = {};
    options.constant_memory = LXW_TRUE;
    lxw_workbook* workbook = workbook_new_opt(path.constData(), &options);
    lxw_worksheet* worksheet = workbook_add_worksheet(workbook, nullptr);
    for (int r = 0; r < kRows; ++r)
      for (int c = 0; c < kColumns; ++c)
        worksheet_write_string(worksheet, lxw_row_t(r), lxw_col_t(c),
                               utf8[size_t(r) * kColumns + size_t(c)].constData(), nullptr);
    if (workbook_close(workbook) != LXW_NO_ERROR) state.SkipWithError("libxlsxwriter failed");
  }
}

void ReadXls(benchmark::State& state) {
  if (!QFileInfo::exists(File("bench.xls"))) WriteWorkbookFile(XlsSheet(), File("bench.xls"));
  for (auto _ : state) {
    const TWorkbookData book = ReadWorkbookFile(File("bench.xls"));
    if (book.Sheets.at(0).RowCount() != kXlsRows) state.SkipWithError("wrong row count");
  }
}

void ReadXlsx(benchmark::State& state) {
  if (!QFileInfo::exists(File("bench.xlsx"))) WriteWorkbookFile(Sheet(), File("bench.xlsx"));
  for (auto _ : state) {
    const TWorkbookData book = ReadWorkbookFile(File("bench.xlsx"));
    if (book.Sheets.at(0).RowCount() != kRows) state.SkipWithError("wrong row count");
  }
}

// A salary sheet of kRows rows whose amount column is "=D2+E2" and so on, as
// libxlsxwriter writes it: with the results stored, or with the 0 it puts in
// place of results it leaves to be calculated.
void WriteFormulaSheet(const QString& path, bool storeResults) {
  lxw_workbook_options options = {};
  options.constant_memory = LXW_TRUE;
  lxw_workbook* workbook = workbook_new_opt(path.toUtf8().constData(), &options);
  lxw_worksheet* worksheet = workbook_add_worksheet(workbook, nullptr);
  for (int r = 0; r < kRows; ++r) {
    const QByteArray name = CellText(r, 1).toUtf8(), account = CellText(r, 0).toUtf8();
    const double base = (r * 31) % 100000 + 0.25, bonus = (r * 17) % 1000 + 0.5;
    const QByteArray formula = QStringLiteral("=D%1+E%1").arg(r + 1).toUtf8();
    worksheet_write_string(worksheet, lxw_row_t(r), 0, name.constData(), nullptr);
    worksheet_write_string(worksheet, lxw_row_t(r), 1, account.constData(), nullptr);
    if (storeResults)
      worksheet_write_formula_num(worksheet, lxw_row_t(r), 2, formula.constData(), nullptr,
                                  base + bonus);
    else
      worksheet_write_formula(worksheet, lxw_row_t(r), 2, formula.constData(), nullptr);
    worksheet_write_number(worksheet, lxw_row_t(r), 3, base, nullptr);
    worksheet_write_number(worksheet, lxw_row_t(r), 4, bonus, nullptr);
  }
  workbook_close(workbook);
}

void ReadFormulaSheet(benchmark::State& state, bool storeResults) {
  const QString path = File(storeResults ? "bench-formulas-stored.xlsx" : "bench-formulas.xlsx");
  if (!QFileInfo::exists(path)) WriteFormulaSheet(path, storeResults);
  for (auto _ : state) {
    const TWorkbookData book = ReadWorkbookFile(path);
    if (book.Sheets.at(0).Cell(1, 2) != QStringLiteral("48.75"))
      state.SkipWithError("wrong amount");
  }
}

void ReadXlsxFormulasStored(benchmark::State& state) {
  ReadFormulaSheet(state, true);
}

void ReadXlsxFormulasUnstored(benchmark::State& state) {
  ReadFormulaSheet(state, false);
}

BENCHMARK(WriteXls)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(WriteXlsx)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(WriteXlsxLibraryAlone)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ReadXls)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ReadXlsx)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ReadXlsxFormulasStored)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ReadXlsxFormulasUnstored)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  UseHugePagesForHeap();  // the program runs this way too
  QCoreApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
