#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include "CodeTableData.h"
#include "registers/codetables/CodeFileConversion.h"

// Converting the other-bank code files the clerk downloads into the tables.
namespace {

using codetables::TCodeFile;

QTemporaryDir& WorkDir() {
  static QTemporaryDir dir;
  return dir;
}

// The branch code file, written once per process.
const QString& UBankCodePath() {
  static const QString kPath = codetablebench::WriteUBankCodeFile(WorkDir().path());
  return kPath;
}

QString ParamDir() {
  QString dir = WorkDir().filePath(QStringLiteral("param"));
  QDir().mkpath(dir);
  return dir;
}

void UpdateBranchTable(benchmark::State& state) {
  const QString& source = UBankCodePath();
  const QString param = ParamDir();
  for (auto _ : state) {
    if (!codetables::UpdateCodeTable(TCodeFile::Branch, source, param))
      state.SkipWithError("the branch table was not written");
  }
  state.counters["lines"] = codetablebench::kBranchLines;
  state.counters["in_MB"] = double(QFileInfo(source).size()) / 1e6;
  state.counters["out_MB"] =
      double(QFileInfo(QDir(param).filePath(codetables::TableFileName(TCodeFile::Branch))).size()) /
      1e6;
}

BENCHMARK(UpdateBranchTable)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
