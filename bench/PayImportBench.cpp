#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScrollBar>
#include <QTableView>
#include <QTemporaryDir>
#include <array>

#include "agentpay/records/PayImport.h"
#include "agentpay/records/PayRecords.h"
#include "agentpay/screens/PayRowsModel.h"
#include "platform/codec/Gbk.h"
#include "platform/process/HugePageHeap.h"
#include "platform/spreadsheet/Spreadsheet.h"

// A salary list of 50,000 records by 12 columns imported through a template
// whose positions are out of order: from .xlsx, from .xls (as many rows as the
// format holds) and from a "|"-delimited GBK text file, each file read within
// the measure. Then "保存" of the records (amount checks, record lines, totals)
// and a grid over the screen's model scrolled to the end and back. The files
// are written once, into PAY_BENCH_DIR when set.
namespace {

constexpr int kRecords = 50000;
constexpr int kXlsRecords = 65536 - 2;  // below a title and the captions
constexpr int kColumns = 12;
constexpr int kFirstRecordRow = 3;

QString U(const char* utf8) {
  return QString::fromUtf8(utf8);
}

QString Dir() {
  static QTemporaryDir fallback;
  QString dir = qEnvironmentVariable("PAY_BENCH_DIR", fallback.path());
  QDir().mkpath(dir);
  return dir;
}

QString File(const char* name) {
  return Dir() + u'/' + QString::fromLatin1(name);
}

// 序号, 姓名, 账号, 金额, 身份证号, 部门, 开户行, 手机, 用途, 备注, 月份, 工号.
QStringList Record(int i) {
  static const std::array<const char*, 6> kNames = {"张珺", "李喆", "王芳", "赵磊", "钱敏", "孙悦"};
  static const std::array<const char*, 4> kUnits = {"财务部", "市场部", "研发中心", "行政部"};
  return {
      QString::number(i + 1),
      U(kNames[size_t(i) % kNames.size()]) + QString::number(i % 97),
      QStringLiteral("6222%1").arg(qint64(i) * 7919 % 1000000000000000, 15, 10, QLatin1Char('0')),
      QStringLiteral("%1.%2").arg(1000 + i % 90000).arg(i % 100, 2, 10, QLatin1Char('0')),
      QStringLiteral("4403%1").arg(qint64(i) * 104729 % 100000000000000, 14, 10, QLatin1Char('0')),
      U(kUnits[size_t(i / 7) % kUnits.size()]),
      U("维岭银行深圳分行"),
      QStringLiteral("139%1").arg(i, 8, 10, QLatin1Char('0')),
      U("工资"),
      i % 10 == 0 ? U("含年终奖") : U("十二月"),
      QStringLiteral("202612"),
      QStringLiteral("E%1").arg(i, 6, 10, QLatin1Char('0'))};
}

// Each template column takes the record column its position names.
TPayTemplate Salary() {
  static const std::array<int, kColumns> kPositions = {3, 2, 4, 1, 5, 8, 6, 7, 12, 9, 10, 11};
  TPayTemplate salary;
  salary.Money = 3;  // position 4
  for (int position : kPositions)
    salary.Columns.append({QStringLiteral("列%1").arg(position), position});
  return salary;
}

void WriteSalaryWorkbook(const QString& path, int records) {
  TWorkbookData book;
  book.Sheets.push_back(TSheetData{U("工资"), {}});
  std::vector<QStringList>& rows = book.Sheets[0].Rows;
  rows.reserve(size_t(records) + 2);
  rows.push_back({U("二〇二六年十二月工资发放表")});
  QStringList captions;
  for (int c = 1; c <= kColumns; ++c) captions.append(QStringLiteral("列%1").arg(c));
  rows.push_back(captions);
  for (int i = 0; i < records; ++i) rows.push_back(Record(i));
  WriteWorkbookFile(book, path);
}

void WriteSalaryText(const QString& path) {
  QByteArray bytes;
  for (int i = 0; i < kRecords; ++i)
    bytes += codec::ToGbk(Record(i).join(u'|') + QStringLiteral("|\r\n"));
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
    qFatal("cannot write %s", qPrintable(path));
}

QString Input(const char* name) {
  QString path = File(name);
  if (QFileInfo::exists(path)) return path;
  const QString suffix = QFileInfo(path).suffix();
  if (suffix == u"txt")
    WriteSalaryText(path);
  else
    WriteSalaryWorkbook(path, suffix == u"xls" ? kXlsRecords : kRecords);
  return path;
}

void ImportWorkbook(benchmark::State& state, const char* name, int records) {
  const QString path = Input(name);
  for (auto _ : state) {
    TWorkbook book(ReadWorkbookFile(path));
    const TPayImport imported =
        ImportWorksheetRows(book.Worksheet(1), kFirstRecordRow, 1 << 20, Salary());
    if (!imported.Problem.isEmpty() || imported.Lines.size() != records)
      state.SkipWithError("wrong import");
  }
}

void ImportXlsx(benchmark::State& state) {
  ImportWorkbook(state, "salary.xlsx", kRecords);
}

void ImportXls(benchmark::State& state) {
  ImportWorkbook(state, "salary.xls", kXlsRecords);
}

void ImportText(benchmark::State& state) {
  const QString path = Input("salary.txt");
  for (auto _ : state) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) state.SkipWithError("cannot read");
    const QStringList lines = codec::FromGbk(file.readAll()).split(u'\n', Qt::SkipEmptyParts);
    const TPayImport imported = ImportTextLines(lines, 1, int(lines.size()), U("|"), Salary());
    if (!imported.Problem.isEmpty() || imported.Lines.size() != kRecords)
      state.SkipWithError("wrong import");
  }
}

// The records as an import through the template gives them.
TPayRecords& Records() {
  static TPayRecords records = [] {
    TPayRecords imported;
    imported.SetTemplate(Salary());
    QStringList fileLines;
    for (int i = 0; i < kRecords; ++i) fileLines.append(Record(i).join(u'|') + u'|');
    imported.AppendLines(ImportTextLines(fileLines, 1, kRecords, U("|"), Salary()).Lines);
    return imported;
  }();
  return records;
}

void SaveRecords(benchmark::State& state) {
  TPayRecords& records = Records();
  for (auto _ : state) {
    if (records.Save().Row != -1) state.SkipWithError("refused");
    benchmark::DoNotOptimize(records.Totals());
  }
}

// A fresh model and view each time, as when the imported records first show.
void ShowAndScrollGrid(benchmark::State& state) {
  for (auto _ : state) {
    TPayRowsModel model(Records());
    QTableView view;
    view.setModel(&model);
    view.resize(1000, 700);
    view.show();
    view.scrollToBottom();
    benchmark::DoNotOptimize(view.grab());
    view.scrollToTop();
    benchmark::DoNotOptimize(view.grab());
    if (view.verticalScrollBar()->maximum() < kRecords - 100) state.SkipWithError("not all rows");
  }
}

BENCHMARK(ImportXlsx)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ImportXls)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ImportText)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(SaveRecords)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ShowAndScrollGrid)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  UseHugePagesForHeap();  // the program runs this way too
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
