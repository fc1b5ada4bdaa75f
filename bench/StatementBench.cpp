#include <benchmark/benchmark.h>

#include <malloc.h>
#include <QApplication>
#include <QByteArray>
#include <QHeaderView>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <array>

#include "platform/codec/Gbk.h"
#include "platform/files/AtomicFile.h"
#include "platform/process/HugePageHeap.h"
#include "platform/prompts/ScriptedPrompts.h"
#include "statements/records/DetailFile.h"
#include "statements/records/FlowFile.h"
#include "statements/records/StatementTotals.h"
#include "statements/screens/StatementGrid.h"
#include "statements/screens/fmDealBrowserFile.h"
#include "statements/screens/fmDetailBrowserFile.h"

// Statement files of 100,000 lines as the bank's site writes them (GBK, CR LF),
// read into the table and totalled, each read with its decoding; then the
// table of each sorted by an amount column and by a name column, the sort
// keys made within the measure.
namespace {

constexpr int kLines = 100000;

QString U(const char* utf8) {
  return QString::fromUtf8(utf8);
}

// Some 7,000 distinct counterparts, as a busy account has.
QString CompanyName(int i) {
  static const std::array<const char*, 12> kPlaces = {"上海", "杭州", "深圳", "北京",
                                                      "成都", "武汉", "南京", "西安",
                                                      "苏州", "天津", "重庆", "厦门"};
  static const std::array<const char*, 10> kFirst = {"浦", "恒", "新", "长", "华",
                                                     "东", "远", "金", "瑞", "中"};
  static const std::array<const char*, 10> kSecond = {"江", "通", "达", "城", "夏",
                                                      "方", "航", "桥", "丰", "联"};
  static const std::array<const char*, 6> kKinds = {"贸易有限公司", "科技股份有限公司",
                                                    "物流有限公司", "建设集团有限公司",
                                                    "食品有限公司", "电子有限公司"};
  const auto pick = [i](const auto& words, int divisor) {
    return U(words[size_t(i / divisor) % words.size()]);
  };
  return pick(kPlaces, 1) + pick(kFirst, 7) + pick(kSecond, 71) + pick(kKinds, 701);
}

QString Amount(int i) {
  return QStringLiteral("%1.%2")
      .arg(qint64(i) * 7919 % 5000000)
      .arg(i % 100, 2, 10, QLatin1Char('0'));
}

QString Account(int i) {
  return QStringLiteral("6222%1").arg(qint64(i) * 104729 % 1000000000000000, 15, 10,
                                      QLatin1Char('0'));
}

QByteArray DetailFileBytes() {
  QString text = U(
      "\"交易日期\",\"交易时间\",\"凭证种类\",\"凭证号\",\"借贷标志\",\"发生额\",\"余额\",\"币种\","
      "\"对方户名\",\"对方账号\",\"摘要\",\"用途\",\"备注\",\"流水号\",\"本方账号\",\"本方户名\","
      "\"开户行\",\"状态\",\r\n");
  const QString quote = QStringLiteral("\",\"");
  for (int i = 0; i < kLines; ++i) {
    const QStringList fields = {QStringLiteral("202401%1").arg(i % 28 + 1, 2, 10, QLatin1Char('0')),
                                QStringLiteral("%1").arg(80000 + i % 90000),
                                U("转账"),
                                QString::number(10000000 + i),
                                i % 3 ? U("借方") : QStringLiteral("1"),
                                Amount(i),
                                Amount(i * 13 + 7),
                                QStringLiteral("01"),
                                CompanyName(i),
                                Account(i),
                                i % 2 ? U("货款") : U("服务费"),
                                i % 5 ? U("支付货款") : U("代发工资"),
                                QString(),
                                QString::number(900000 + i),
                                QStringLiteral("31001234567890123"),
                                U("维岭科技有限公司"),
                                U("维岭银行上海分行营业部"),
                                U("正常")};
    text += u'"' + fields.join(quote) + QStringLiteral("\",\r\n");
  }
  return codec::ToGbk(text);
}

QByteArray FlowFileBytes() {
  QString text;
  for (int i = 0; i < kLines; ++i) {
    const QStringList fields = {QStringLiteral("T%1").arg(i, 8, 10, QLatin1Char('0')),
                                QStringLiteral("B2024%1").arg(i / 500, 4, 10, QLatin1Char('0')),
                                U("维岭科技有限公司"),
                                QStringLiteral("31001234567890123"),
                                U("维岭银行上海分行营业部"),
                                Amount(i),
                                U("人民币"),
                                QString::number(10000000 + i),
                                U("李明"),
                                U("王芳"),
                                U("赵磊"),
                                QString(),
                                QString(),
                                U("同行转账"),
                                CompanyName(i),
                                Account(i),
                                U("维岭银行浦东支行"),
                                U("货款"),
                                U("交易成功"),
                                QStringLiteral("2024-01-05 10:15:00"),
                                QStringLiteral("2024-01-05 10:20:00"),
                                QStringLiteral("2024-01-05 11:00:00")};
    text += fields.join(u'|') + QStringLiteral("|\r\n");
  }
  return codec::ToGbk(text);
}

// Heap bytes in use, to tell what a loaded table holds.
double HeapMegabytes() {
  const struct mallinfo2 info = mallinfo2();
  return double(info.uordblks + info.hblkhd) / 1e6;
}

// The heap a table of the file holds once read, beyond the file's bytes.
template <class Read>
double TableMegabytes(const TRowKind& kind, const QByteArray& bytes, Read read) {
  const double before = HeapMegabytes();
  StatementTable table(kind);
  read(bytes, table);
  return HeapMegabytes() - before;
}

const QByteArray& DetailBytes() {
  static const QByteArray kBytes = DetailFileBytes();
  return kBytes;
}

const QByteArray& FlowBytes() {
  static const QByteArray kBytes = FlowFileBytes();
  return kBytes;
}

void ReadDetailAndTotal(benchmark::State& state) {
  const QByteArray& bytes = DetailBytes();
  StatementTable table(DetailFileRow());
  for (auto _ : state) {
    const TStatementFileRead read = ReadDetailBytes(bytes, table);
    const std::optional<TStatementTotals> totals = DetailFileTotals(table);
    if (!read.Ok() || !totals || totals->Count != kLines) state.SkipWithError("wrong read");
    benchmark::DoNotOptimize(totals);
  }
  state.counters["file MB"] = double(bytes.size()) / 1e6;
  state.counters["table MB"] = TableMegabytes(DetailFileRow(), bytes, ReadDetailBytes);
}

void ReadFlowAndTotal(benchmark::State& state) {
  const QByteArray& bytes = FlowBytes();
  StatementTable table(FlowFileRow());
  for (auto _ : state) {
    const TStatementFileRead read = ReadFlowBytes(bytes, table);
    const std::optional<TStatementTotals> totals = FlowFileTotals(table);
    if (!read.Ok() || !totals || totals->Count != kLines) state.SkipWithError("wrong read");
    benchmark::DoNotOptimize(totals);
  }
  state.counters["file MB"] = double(bytes.size()) / 1e6;
  state.counters["table MB"] = TableMegabytes(FlowFileRow(), bytes, ReadFlowBytes);
}

// Two clicks on the column (ascending, then descending), each sort measured
// with the first grid page read in its order.
void SortByColumn(benchmark::State& state, const TRowKind& kind, const QByteArray& bytes,
                  bool detail, int column) {
  StatementTable table(kind);
  if (!(detail ? ReadDetailBytes(bytes, table) : ReadFlowBytes(bytes, table)).Ok())
    state.SkipWithError("wrong read");
  for (auto _ : state) {
    table.SortByColumn(column);
    for (int row = 0; row < 40; ++row) benchmark::DoNotOptimize(table.CellText(row, column));
  }
}

void SortDetailByAmount(benchmark::State& state) {
  SortByColumn(state, DetailFileRow(), DetailBytes(), true, 4);  // 借(贷)方发生额
}

void SortDetailByName(benchmark::State& state) {
  SortByColumn(state, DetailFileRow(), DetailBytes(), true, 7);  // 对方账户名称
}

void SortFlowByAmount(benchmark::State& state) {
  SortByColumn(state, FlowFileRow(), FlowBytes(), false, 3);  // 金额
}

void SortFlowByName(benchmark::State& state) {
  SortByColumn(state, FlowFileRow(), FlowBytes(), false, 1);  // 收款人帐户名称
}

// The worst case for texts: every value differs.
void SortFlowByAccount(benchmark::State& state) {
  SortByColumn(state, FlowFileRow(), FlowBytes(), false, 2);  // 收款人账号
}

// A file screen opening the file as the clerk does (read, totals, the grid
// shown with its first row as the voucher and painted), then a click on a
// column caption sorting the grid and painting it again.
template <class Screen>
void OnScreen(benchmark::State& state, const QByteArray& bytes, void (Screen::*open)(),
              const char* grid, int column) {
  QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("statement.txt"));
  WriteFileAtomically(path, bytes);
  TScriptedPrompts prompts;
  Screen screen(TStatementContext{TScreenServices{prompts, {}}, dir.path()});
  screen.resize(1200, 800);
  screen.show();
  auto* view = screen.template findChild<TStatementGrid*>(QString::fromLatin1(grid));
  for (auto _ : state) {
    prompts.AnswerFile(path);
    (screen.*open)();
    screen.grab();
    if (column >= 0) {
      Q_EMIT view->horizontalHeader()->sectionClicked(column);
      screen.grab();
    }
  }
  if (screen.Table().RowCount() != kLines) state.SkipWithError("wrong read");
}

void DetailFileOnScreen(benchmark::State& state) {
  OnScreen(state, DetailBytes(), &TfmDetailBrowserFile::FlatButton1Click, "DBGrid1", -1);
}

void FlowFileOnScreen(benchmark::State& state) {
  OnScreen(state, FlowBytes(), &TfmDealBrowserFile::SpeedButton1Click, "DBGrid2", -1);
}

// Opened, then sorted by 对方账户名称 on the screen.
void DetailFileSortedOnScreen(benchmark::State& state) {
  OnScreen(state, DetailBytes(), &TfmDetailBrowserFile::FlatButton1Click, "DBGrid1", 7);
}

}  // namespace

BENCHMARK(DetailFileOnScreen)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(FlowFileOnScreen)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(DetailFileSortedOnScreen)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(ReadDetailAndTotal)->Unit(benchmark::kMillisecond);
BENCHMARK(ReadFlowAndTotal)->Unit(benchmark::kMillisecond);
BENCHMARK(SortDetailByAmount)->Unit(benchmark::kMillisecond);
BENCHMARK(SortDetailByName)->Unit(benchmark::kMillisecond);
BENCHMARK(SortFlowByAmount)->Unit(benchmark::kMillisecond);
BENCHMARK(SortFlowByName)->Unit(benchmark::kMillisecond);
BENCHMARK(SortFlowByAccount)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
  UseHugePagesForHeap();  // the program runs this way too
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
