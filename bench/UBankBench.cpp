#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "CodeTableData.h"
#include "registers/codetables/CodeFileConversion.h"
#include "registers/codetables/OtherBankTables.h"
#include "registers/codetables/UBankCascade.h"

// Reading the other-bank code tables and the cascading choice of a branch, on
// tables of the size the bank ships: 200,000 branches of 300 banks in 400 cities.
namespace {

using codetables::TCodeFile;

constexpr int kCitiesPerProvince = 10;

QByteArray AreaCodeText() {
  QString text;
  for (int city = 0; city < codetablebench::kCities; ++city) {
    text += QStringLiteral("省份%1|城市%2|").arg(city / kCitiesPerProvince).arg(city) +
            codetablebench::AreaCode(city) + QStringLiteral("|\r\n");
  }
  return codec::ToGbk(text);
}

QByteArray BankCodeText() {
  QString text;
  for (int bank = 0; bank < codetablebench::kBanks; ++bank)
    text += QStringLiteral("银行%1|").arg(bank) + codetablebench::BankCode(bank) +
            QStringLiteral("|\r\n");
  return codec::ToGbk(text);
}

bool WriteTable(const QString& paramDir, TCodeFile kind, const QByteArray& text) {
  const std::optional<QByteArray> table = codetables::ConvertCodeFile(kind, text);
  QFile file(QDir(paramDir).filePath(codetables::TableFileName(kind)));
  return table && file.open(QIODevice::WriteOnly) && file.write(*table) == table->size();
}

// The param directory with the three tables, written once per process.
const QString& ParamDir() {
  static QTemporaryDir dir;
  static const QString kParam = [] {
    const QString path = dir.filePath(QStringLiteral("param"));
    QDir().mkpath(path);
    const bool written = WriteTable(path, TCodeFile::Area, AreaCodeText()) &&
                         WriteTable(path, TCodeFile::Bank, BankCodeText()) &&
                         WriteTable(path, TCodeFile::Branch, codetablebench::UBankCodeText());
    return written ? path : QString();
  }();
  return kParam;
}

const TOtherBankTables& Tables() {
  static const TOtherBankTables kTables = TOtherBankTables::Load(ParamDir());
  return kTables;
}

void LoadTables(benchmark::State& state) {
  const QString& param = ParamDir();
  qsizetype branches = 0;
  for (auto _ : state) {
    const TOtherBankTables tables = TOtherBankTables::Load(param);
    branches = tables.BranchCount();
    benchmark::DoNotOptimize(branches);
  }
  if (branches != codetablebench::kBranchLines) state.SkipWithError("branches missing");
  state.counters["branches"] = double(branches);
  state.counters["ubank_MB"] =
      double(QFileInfo(QDir(param).filePath(QStringLiteral("UBank.xml"))).size()) / 1e6;
}

void BranchList(benchmark::State& state) {
  const TOtherBankTables& tables = Tables();
  int pair = 0;
  for (auto _ : state) {
    const int bank = pair % codetablebench::kBanks;
    const int city = (pair / codetablebench::kBanks) % codetablebench::kCities;
    const QList<TUBank> branches =
        tables.Branches(codetablebench::BankCode(bank), codetablebench::AreaCode(city));
    if (branches.isEmpty()) state.SkipWithError("no branches");
    benchmark::DoNotOptimize(branches.constData());
    pair = (pair + 7919) % (codetablebench::kBanks * codetablebench::kCities);
  }
}

// A clerk's whole choice: the lists as first shown, then province, city and
// bank, and the branch texts for the list.
void CascadeChoice(benchmark::State& state) {
  const TOtherBankTables& tables = Tables();
  TUBankCascade cascade(tables);
  int pair = 0;
  for (auto _ : state) {
    const int bank = pair % codetablebench::kBanks;
    const int city = (pair / codetablebench::kBanks) % codetablebench::kCities;
    cascade.Reset();
    benchmark::DoNotOptimize(cascade.BankItems().size() + cascade.ProvinceItems().size());
    cascade.ChooseProvince(city / kCitiesPerProvince + 1);
    benchmark::DoNotOptimize(cascade.CityItems().size());
    cascade.ChooseCity(city % kCitiesPerProvince + 1);
    cascade.ChooseBank(bank + 1);
    const QStringList items = cascade.BranchItems();
    if (items.isEmpty()) state.SkipWithError("no branches");
    benchmark::DoNotOptimize(items.constData());
    pair = (pair + 7919) % (codetablebench::kBanks * codetablebench::kCities);
  }
}

BENCHMARK(LoadTables)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BranchList)->Unit(benchmark::kMicrosecond);
BENCHMARK(CascadeChoice)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
