#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <array>
#include <vector>

#include "platform/prompts/ScriptedPrompts.h"
#include "widgets/grid/FormSearch.h"
#include "widgets/grid/MapleGrid.h"

// A list grid of 100,000 payees on the offscreen platform: giving it the row
// count, painting it scrolled to the middle and to the end, and a search of a
// whole column that finds nothing (both passes, then the message).
namespace {

constexpr int kRows = 100000;

QString U(const char* utf8) {
  return QString::fromUtf8(utf8);
}

struct Payee {
  QString AccNo;
  QString Name;
  QString Bank;
  QString Alias;
};

const std::vector<Payee>& Payees() {
  static const std::vector<Payee> kPayees = [] {
    const std::array<const char*, 6> cities = {"深圳市", "广州市", "上海市",
                                               "北京市", "杭州市", "成都市"};
    const std::array<const char*, 5> trades = {"贸易有限公司", "科技股份有限公司", "物流有限公司",
                                               "电子商务有限公司", "投资咨询有限公司"};
    std::vector<Payee> list;
    list.reserve(kRows);
    for (int i = 0; i < kRows; ++i)
      list.push_back(
          {QStringLiteral("6222%1").arg(qint64(i) * 7919 % 1000000000000, 12, 10, QLatin1Char('0')),
           U(cities[std::size_t(i) % cities.size()]) + U("维岭") +
               U(trades[std::size_t(i / 7) % trades.size()]),
           U("维岭银行") + U(cities[std::size_t(i / 3) % cities.size()]) + U("分行"),
           i % 10 == 0 ? U("常用") : QString()});
    return list;
  }();
  return kPayees;
}

struct GridFixture {
  GridFixture() {
    Grid.SetColumns({{U("序号"), 50, TColumnAlignment::Right},
                     {U("收款账号"), 140},
                     {U("收款账户名称"), 220},
                     {U("开户行全称"), 200},
                     {U("账户别名"), 80}});
    Grid.OnGetCellText = [](int col, int row, QString& text) {
      const Payee& payee = Payees()[std::size_t(row)];
      switch (col) {
        case 0:
          text = QString::number(row + 1);
          break;
        case 1:
          text = payee.AccNo;
          break;
        case 2:
          text = payee.Name;
          break;
        case 3:
          text = payee.Bank;
          break;
        default:
          text = payee.Alias;
          break;
      }
    };
    Grid.resize(800, 600);
    Grid.SetTotalRowCount(kRows);
    Grid.show();
  }
  TScriptedPrompts Prompts;
  TMapleGrid Grid{Prompts};
};

// The count changes every time, as after adding or deleting a row, so that
// the view really rebuilds its rows.
void SetTotalRowCount(benchmark::State& state) {
  GridFixture grid;
  int count = kRows;
  for (auto _ : state) {
    count = count == kRows ? kRows - 1 : kRows;
    grid.Grid.SetTotalRowCount(count);
  }
}

// From an empty list to the full one, as when a register screen first opens.
void SetTotalRowCountFromEmpty(benchmark::State& state) {
  GridFixture grid;
  for (auto _ : state) {
    grid.Grid.SetTotalRowCount(0);
    grid.Grid.SetTotalRowCount(kRows);
  }
}

void PaintMiddle(benchmark::State& state) {
  GridFixture grid;
  grid.Grid.Row_Safe(kRows / 2);
  for (auto _ : state) benchmark::DoNotOptimize(grid.Grid.grab());
}

void PaintEnd(benchmark::State& state) {
  GridFixture grid;
  grid.Grid.Row_Safe(kRows - 1);
  for (auto _ : state) benchmark::DoNotOptimize(grid.Grid.grab());
}

// Find from the first row for a text no cell of the name column holds.
void FindNothing(benchmark::State& state) {
  GridFixture grid;
  TScriptedPrompts& prompts = grid.Prompts;
  const int mode = int(state.range(0));
  for (auto _ : state) {
    grid.Grid.Row_Safe(0);
    prompts.AnswerModal([mode](QDialog& dialog) {
      dialog.findChild<QLineEdit*>(QStringLiteral("edtFind"))->setText(U("维岭银行"));
      dialog.findChild<QComboBox*>(QStringLiteral("cmbRange"))->setCurrentIndex(2);
      dialog.findChild<QComboBox*>(QStringLiteral("cmbMatch"))->setCurrentIndex(mode);
      return int(QDialog::Accepted);
    });
    grid.Grid.Find();
  }
  if (prompts.Messages().size() != std::size_t(state.iterations()))
    state.SkipWithError("the search found something");
}

BENCHMARK(SetTotalRowCount)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(SetTotalRowCountFromEmpty)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(PaintMiddle)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(PaintEnd)->Unit(benchmark::kMillisecond)->UseRealTime();
// 0 "起始串", 1 "包含", 2 "精确匹配"
BENCHMARK(FindNothing)->DenseRange(0, 2)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
