#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFileInfo>
#include <QTemporaryDir>

#include "platform/process/HugePageHeap.h"
#include "platform/prompts/ScriptedPrompts.h"
#include "registers/books/RegisterMerge.h"
#include "registers/books/RegisterWorkbook.h"

// A payee register of 20,000 entries: merged with an import of as many entries
// (half of them already registered), exported to .xls and .xlsx and imported
// back from those workbooks.
namespace {

constexpr int kPayees = 20000;

QTemporaryDir& WorkDir() {
  static QTemporaryDir dir;
  return dir;
}

TScriptedPrompts& Prompts() {
  static TScriptedPrompts prompts;
  return prompts;
}

QString File(const char* name) {
  return WorkDir().filePath(QString::fromLatin1(name));
}

TOwningList<TPayeeInfo> Payees(int first) {
  TOwningList<TPayeeInfo> list;
  for (int i = first; i < first + kPayees; ++i) {
    auto payee = std::make_unique<TPayeeInfo>();
    payee->RcvAccNo = QStringLiteral("6222%1").arg(i, 12, 10, QLatin1Char('0'));
    payee->RcvAccName = QStringLiteral("收款单位%1有限公司").arg(i);
    payee->CounterName = QStringLiteral("维岭银行上海徐汇支行");
    payee->IsNVX = QStringLiteral("1");
    payee->SortID = QStringLiteral("供应商");
    list.Append(std::move(payee));
  }
  return list;
}

const TOwningList<TPayeeInfo>& Registered() {
  static const TOwningList<TPayeeInfo> kList = Payees(0);
  return kList;
}

void MergePayees(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    TOwningList<TPayeeInfo> imported = Payees(kPayees / 2);
    state.ResumeTiming();
    const TPayeeMerge merge = MergeImportedPayees(Registered(), std::move(imported));
    if (merge.NotUpdated.Count() != kPayees / 2) state.SkipWithError("wrong merge");
  }
}

void Export(benchmark::State& state, const char* name) {
  for (auto _ : state) ExportPayeesWorkbook(Registered(), File(name), &TSpreadsheetApp::Start);
}

void Import(benchmark::State& state, const char* name) {
  if (!QFileInfo::exists(File(name)))
    ExportPayeesWorkbook(Registered(), File(name), &TSpreadsheetApp::Start);
  for (auto _ : state) {
    TOwningList<TPayeeInfo> read;
    if (ReadPayeesWorkbook(File(name), read, &TSpreadsheetApp::Start, Prompts()) !=
            TImportResult::Read ||
        read.Count() != kPayees)
      state.SkipWithError("wrong import");
  }
}

void ExportPayeesXls(benchmark::State& state) {
  Export(state, "payees.xls");
}
void ExportPayeesXlsx(benchmark::State& state) {
  Export(state, "payees.xlsx");
}
void ImportPayeesXls(benchmark::State& state) {
  Import(state, "payees.xls");
}
void ImportPayeesXlsx(benchmark::State& state) {
  Import(state, "payees.xlsx");
}

BENCHMARK(MergePayees)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ExportPayeesXls)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ExportPayeesXlsx)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ImportPayeesXls)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ImportPayeesXlsx)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  UseHugePagesForHeap();         // the program runs this way too
  QApplication app(argc, argv);  // the import's start-failure message needs widgets
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
