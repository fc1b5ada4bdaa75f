#include <benchmark/benchmark.h>

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>

#include "platform/printing/Report.h"
#include "platform/process/HugePageHeap.h"
#include "statements/printing/FileVoucherLayout.h"

// 1,000 transfer vouchers of file rows written as one PDF (334 pages), as the
// clerk saves them from the preview.
namespace {

constexpr int kVouchers = 1000;

TFormHisDetailRep Vouchers() {
  TFormHisDetailRep vouchers;
  for (int row = 0; row < kVouchers; ++row) {
    vouchers.Vouchers.append(
        {QStringLiteral("2026-11-26"),
         QStringLiteral("%1").arg(317000 + row, 10, 10, QLatin1Char('0')),
         {QStringLiteral("维岭示范贸易有限公司"), QStringLiteral("3100012345001"),
          QStringLiteral("维岭银行上海陆家嘴支行")},
         {QStringLiteral("上海恒远物流有限公司第%1分公司").arg(row % 97),
          QStringLiteral("31000567%1").arg(row, 5, 10, QLatin1Char('0')),
          QStringLiteral("维岭银行上海徐汇支行")},
         QStringLiteral("人民币壹万贰仟捌佰陆拾元伍角"),
         QStringLiteral("￥12860.50"),
         QStringLiteral("运输服务费"),
         QStringLiteral("合同号 HT-2026-118"),
         QStringLiteral("十一月结算"),
         QStringLiteral("凭证状态[银行受理成功]"),
         QStringLiteral("陈志远"),
         QStringLiteral("王建国"),
         QStringLiteral("李晓梅")});
  }
  return vouchers;
}

void WriteVoucherPdf(benchmark::State& state) {
  const TFormHisDetailRep vouchers = Vouchers();
  const TFileVoucherLayout layout(vouchers);
  TReport report(layout);
  report.SetTitle(QStringLiteral("电子转账凭证打印"));
  const QString path = QDir::temp().filePath(QStringLiteral("bench-vouchers.pdf"));
  int pages = 0;
  for (auto _ : state) pages = report.WritePdf(path);
  state.counters["pages"] = pages;
  state.counters["MB"] = double(QFileInfo(path).size()) / 1e6;
  QFile::remove(path);
}

BENCHMARK(WriteVoucherPdf)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

}  // namespace

int main(int argc, char** argv) {
  UseHugePagesForHeap();  // the program runs this way too
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
