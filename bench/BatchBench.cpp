#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "batch/documents/BatchLine.h"
#include "batch/documents/BatchWorkbook.h"
#include "platform/codec/Gbk.h"
#include "platform/files/AtomicFile.h"
#include "platform/process/HugePageHeap.h"

// A full batch of 800 documents written as a text file of batch lines, as .xls
// and as .xlsx (sixteen-column layout), and each read back into documents. The
// files stay in BATCH_BENCH_DIR.
namespace {

constexpr int kDocuments = 800;

QString File(const char* name) {
  const QString dir = qEnvironmentVariable("BATCH_BENCH_DIR", QDir::tempPath());
  QDir().mkpath(dir);
  return dir + u'/' + QString::fromLatin1(name);
}

const TBatch& Batch() {
  static const TBatch kBatch = [] {
    static const char* const kNames[] = {"维岭", "华兴", "鑫源", "恒通", "瑞丰", "珺喆"};
    TBatch b;
    for (int i = 0; i < kDocuments; ++i) {
      auto doc = std::make_unique<TPayMoneyInfo>();
      doc->Payer.PayAccNo = QStringLiteral("00123456789%1").arg(i % 7, 8, 10, QLatin1Char('0'));
      doc->Payer.PayAccName = QString::fromUtf8(kNames[i % 6]) + QStringLiteral("贸易有限公司");
      doc->Payer.BranchCode = QStringLiteral("44");
      doc->Payee.RcvAccNo =
          QStringLiteral("6222%1").arg(qint64(i) * 7919, 12, 10, QLatin1Char('0'));
      doc->Payee.RcvAccName =
          QString::fromUtf8(kNames[(i + 3) % 6]) + QStringLiteral("商行%1").arg(i);
      doc->Payee.CounterName = QStringLiteral("某银行深圳分行营业部");
      doc->Payee.UbankNo = QStringLiteral("102584000011");
      doc->Payee.IsNVX = i % 2 ? QStringLiteral("1") : QStringLiteral("0");
      doc->Payee.BankCode = QStringLiteral("102");
      doc->Payee.AreaCode = QStringLiteral("5840");
      doc->Money = TAmount::FromUnits(qint64(i + 1) * 12345);
      doc->Usage = QStringLiteral("货款");
      b.Append(std::move(doc));
    }
    return b;
  }();
  return kBatch;
}

void WriteText(const QString& path) {
  QByteArray bytes;
  for (int i = 0; i < Batch().Count(); ++i)
    bytes += codec::ToGbk(BatchLine(Batch()[i], i + 1)) + "\r\n";
  WriteFileAtomically(path, bytes);
}

void WriteBook(const QString& path) {
  TWorkbookData book;
  book.Sheets.push_back(TSheetData{QStringLiteral("Sheet1"), {}});
  TWorksheet sheet(book.Sheets[0]);
  WriteBatchSheet16(Batch(), sheet);
  WriteWorkbookFile(book, path);
}

void WriteLines(benchmark::State& state) {
  for (auto _ : state) WriteText(File("batch.txt"));
}

void WriteXls(benchmark::State& state) {
  for (auto _ : state) WriteBook(File("batch.xls"));
}

void WriteXlsx(benchmark::State& state) {
  for (auto _ : state) WriteBook(File("batch.xlsx"));
}

void ReadLines(benchmark::State& state) {
  if (!QFileInfo::exists(File("batch.txt"))) WriteText(File("batch.txt"));
  for (auto _ : state) {
    const QString text = codec::FromGbk(ReadWholeFile(File("batch.txt")).value_or(QByteArray()));
    TBatch batch;
    for (QStringView line : QStringView(text).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts))
      if (std::optional<TPayMoneyInfo> doc = ReadBatchLine(line.toString()))
        batch.Append(std::make_unique<TPayMoneyInfo>(std::move(*doc)));
    if (batch.Count() != kDocuments) state.SkipWithError("wrong document count");
  }
}

void ReadBook(benchmark::State& state, const char* name) {
  if (!QFileInfo::exists(File(name))) WriteBook(File(name));
  for (auto _ : state) {
    TWorkbookData book = ReadWorkbookFile(File(name));
    if (ReadBatchSheet(TWorksheet(book.Sheets.at(0))).size() != kDocuments)
      state.SkipWithError("wrong document count");
  }
}

void ReadXls(benchmark::State& state) {
  ReadBook(state, "batch.xls");
}
void ReadXlsx(benchmark::State& state) {
  ReadBook(state, "batch.xlsx");
}

BENCHMARK(WriteLines)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(WriteXls)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(WriteXlsx)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ReadLines)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ReadXls)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ReadXlsx)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  UseHugePagesForHeap();  // the program runs this way too
  QCoreApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
