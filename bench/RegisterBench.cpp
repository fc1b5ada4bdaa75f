#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <QTemporaryDir>
#include <array>

#include "platform/process/HugePageHeap.h"
#include "registers/store/RegisterStore.h"

// Loading and saving a payee register of 100,000 entries with the kind of
// Chinese names, branches and areas a real register holds.
namespace {

constexpr int kPayees = 100000;

QString U(const char* utf8) {
  return QString::fromUtf8(utf8);
}

template <std::size_t N>
const char* Pick(const std::array<const char*, N>& from, int i) {
  return from[std::size_t(i) % N];
}

const std::array<const char*, 12> kCities = {"深圳市", "广州市", "上海市", "北京市",
                                             "杭州市", "成都市", "武汉市", "南京市",
                                             "西安市", "重庆市", "苏州市", "天津市"};
const std::array<const char*, 10> kWords = {"维岭", "华兴", "鑫源", "恒通", "瑞丰",
                                            "嘉禾", "宏达", "永盛", "金桥", "镕堃"};
const std::array<const char*, 8> kTrades = {
    "贸易有限公司",     "科技股份有限公司", "建筑工程有限公司", "物流有限公司",
    "餐饮管理有限公司", "电子商务有限公司", "医疗器械有限公司", "投资咨询有限公司"};
const std::array<const char*, 6> kBanks = {"中国工商银行", "中国农业银行", "中国银行",
                                           "中国建设银行", "交通银行",     "招商银行"};
const std::array<const char*, 7> kProvinces = {"广东省", "上海市", "北京市", "浙江省",
                                               "四川省", "湖北省", "江苏省"};
const std::array<const char*, 5> kPeople = {"张伟", "王芳", "李娜", "刘洋", "陈静"};

std::unique_ptr<TPayeeInfo> MakePayee(int i) {
  auto payee = std::make_unique<TPayeeInfo>();
  const bool ownBank = i % 3 == 0;
  payee->RcvAccNo =
      QStringLiteral("6222%1").arg(qint64(i) * 7919 % 1000000000000, 12, 10, QLatin1Char('0'));
  payee->RcvAccName = i % 4 == 0
                          ? U(Pick(kPeople, i / 4))
                          : U(Pick(kCities, i)) + U(Pick(kWords, i / 12)) + U(Pick(kTrades, i / 7));
  payee->CounterName =
      (ownBank ? U("维岭银行") : U(Pick(kBanks, i))) + U(Pick(kCities, i / 3)) + U("分行营业部");
  payee->UbankNo = QStringLiteral("1025%1").arg(i % 100000000, 8, 10, QLatin1Char('0'));
  payee->IsNVX = ownBank ? QStringLiteral("1") : QStringLiteral("0");
  payee->SortID = i % 5 == 0 ? U("供应商") : U("客户");
  payee->RightType = QStringLiteral("0");
  payee->CurType = QStringLiteral("01");
  payee->AccAlias = i % 10 == 0 ? U("常用") : QString();
  if (ownBank) {
    payee->BranchName = U(Pick(kProvinces, i)) + U("分行");
    payee->BranchCode = QString::number(44 + i % 30);
    payee->CounterNo = QString::number(440100 + i % 900);
  } else {
    payee->BankCode = QStringLiteral("10%1").arg(2 + i % 6);
    payee->AreaCode = QString::number(5810 + i % 50);
    payee->AreaProv = U(Pick(kProvinces, i));
  }
  return payee;
}

// The register file lives in REGISTER_BENCH_DIR when that is set, so that it can
// be written by a process of its own and the peak memory of a run is that of the
// measured operation alone; otherwise in a temporary directory. The data module
// works on an empty program directory, so that it does not load the register
// itself when it starts.
QString BenchDir() {
  static QTemporaryDir temporary;
  const QString given = qEnvironmentVariable("REGISTER_BENCH_DIR");
  return given.isEmpty() ? temporary.path() : given;
}

TRegisterStore& Data() {
  static QTemporaryDir programDir;
  static TRegisterStore data{TAppPaths(programDir.path())};
  return data;
}

TInfoConfig RegisterConfig() {
  return info_configs::Payees().At(BenchDir() + QStringLiteral("/Payee.xml"));
}

void WriteRegisterIfMissing() {
  if (QFileInfo::exists(RegisterConfig().FileName)) return;
  TOwningList<TPayeeInfo> payees;
  for (int i = 0; i < kPayees; ++i) payees.Append(MakePayee(i));
  Data().SaveList(payees, RegisterConfig());
}

void ReportSize(benchmark::State& state) {
  state.counters["file_MB"] = double(QFileInfo(RegisterConfig().FileName).size()) / 1e6;
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  state.counters["peak_rss_MB"] = double(usage.ru_maxrss) / 1024;
}

void LoadPayeeRegister(benchmark::State& state) {
  WriteRegisterIfMissing();
  TOwningList<TPayeeInfo> loaded;
  for (auto _ : state) {
    if (!Data().LoadList(loaded, RegisterConfig()) || loaded.Count() != kPayees)
      state.SkipWithError("register did not load");
  }
  ReportSize(state);
}

void SavePayeeRegister(benchmark::State& state) {
  WriteRegisterIfMissing();
  TOwningList<TPayeeInfo> payees;
  Data().LoadList(payees, RegisterConfig());
  for (auto _ : state) Data().SaveList(payees, RegisterConfig());
  ReportSize(state);
}

// The first run in a fresh process, as at start-up, pays for fresh memory; later
// runs reuse the memory the earlier ones freed.
BENCHMARK(LoadPayeeRegister)
    ->Name("LoadList_first")
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(SavePayeeRegister)
    ->Name("SaveList_first")
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();
BENCHMARK(LoadPayeeRegister)->Name("LoadList")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(SavePayeeRegister)->Name("SaveList")->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  UseHugePagesForHeap();  // the program runs this way too
  QCoreApplication app(argc, argv);
  if (app.arguments().contains(QStringLiteral("--write-register"))) {
    WriteRegisterIfMissing();
    return 0;
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
