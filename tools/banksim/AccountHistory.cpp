#include "AccountHistory.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace {

// SplitMix64: its numbers are the same with every compiler and library, which
// those of the standard distributions are not.
class TSeededRandom {
 public:
  explicit TSeededRandom(quint64 seed) : state_(seed) {}

  quint64 Next() {
    quint64 z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
  }
  // 0 to n - 1.
  int Below(qsizetype n) { return int(Next() % quint64(n)); }
  // low to high, both included.
  qint64 Between(qint64 low, qint64 high) { return low + qint64(Next() % quint64(high - low + 1)); }
  bool Chance(int percent) { return Below(100) < percent; }
  QString Digits(int count) {
    QString digits;
    for (int i = 0; i < count; ++i) digits += QLatin1Char(char('0' + Below(10)));
    return digits;
  }
  const QString& Pick(const QStringList& list) { return list[Below(list.size())]; }

 private:
  quint64 state_;
};

const QStringList kCities{QStringLiteral("上海"), QStringLiteral("杭州"), QStringLiteral("苏州"),
                          QStringLiteral("宁波"), QStringLiteral("南京"), QStringLiteral("无锡"),
                          QStringLiteral("嘉兴"), QStringLiteral("绍兴"), QStringLiteral("合肥"),
                          QStringLiteral("常州"), QStringLiteral("温州"), QStringLiteral("台州")};
const QStringList kBrandWords{
    QStringLiteral("鼎丰"), QStringLiteral("瑞祥"), QStringLiteral("嘉禾"), QStringLiteral("明辉"),
    QStringLiteral("永盛"), QStringLiteral("澄远"), QStringLiteral("岚峰"), QStringLiteral("益和"),
    QStringLiteral("联丰"), QStringLiteral("晟达"), QStringLiteral("德润"), QStringLiteral("景和"),
    QStringLiteral("谷川"), QStringLiteral("泓泰"), QStringLiteral("森茂"), QStringLiteral("佳源"),
    QStringLiteral("禾信"), QStringLiteral("弘毅"), QStringLiteral("启航"), QStringLiteral("丰汇")};
const QStringList kTrades{QStringLiteral("贸易有限公司"),     QStringLiteral("物流有限公司"),
                          QStringLiteral("电子科技有限公司"), QStringLiteral("机械制造有限公司"),
                          QStringLiteral("包装材料有限公司"), QStringLiteral("信息技术有限公司"),
                          QStringLiteral("化工有限公司"),     QStringLiteral("纺织品有限公司"),
                          QStringLiteral("建材有限公司"),     QStringLiteral("食品有限公司")};
const QStringList kSurnames{
    QStringLiteral("陈"), QStringLiteral("林"), QStringLiteral("王"), QStringLiteral("赵"),
    QStringLiteral("孙"), QStringLiteral("周"), QStringLiteral("吴"), QStringLiteral("郑"),
    QStringLiteral("黄"), QStringLiteral("刘"), QStringLiteral("张"), QStringLiteral("李"),
    QStringLiteral("杨"), QStringLiteral("徐"), QStringLiteral("朱"), QStringLiteral("胡")};
const QStringList kGivenNames{
    QStringLiteral("晓明"), QStringLiteral("雅婷"), QStringLiteral("志强"), QStringLiteral("丽华"),
    QStringLiteral("建国"), QStringLiteral("俊杰"), QStringLiteral("海燕"), QStringLiteral("文静"),
    QStringLiteral("国平"), QStringLiteral("子涵"), QStringLiteral("浩然"), QStringLiteral("秀英"),
    QStringLiteral("立新"), QStringLiteral("春梅"), QStringLiteral("伟"),   QStringLiteral("敏")};
// Account numbers of other companies begin like those of these banks.
const QStringList kCompanyAccountPrefixes{QStringLiteral("3100"), QStringLiteral("1001"),
                                          QStringLiteral("4400"), QStringLiteral("3301"),
                                          QStringLiteral("6212")};

constexpr int kCompanies = 24;
constexpr int kPersons = 10;

struct TCounterpart {
  QString Name;
  QString AccNo;
};

enum class TCounterKind { Company, Person, Bank, Tax, Utility, Landlord };

// Whom an account deals with; the same counterparts come back again and again.
struct TCounterparts {
  QList<TCounterpart> Companies;
  QList<TCounterpart> Persons;
  TCounterpart Bank;  // fees and interest: the account's own branch, no account number
  TCounterpart Tax;
  QList<TCounterpart> Utilities;
  TCounterpart Landlord;
};

TCounterparts MakeCounterparts(TSeededRandom& random, const TSimAccount& account) {
  TCounterparts counterparts;
  QStringList names;
  while (names.size() < kCompanies) {
    const QString name = random.Pick(kCities) + random.Pick(kBrandWords) + random.Pick(kTrades);
    if (names.contains(name)) continue;
    names.append(name);
    const QString prefix = random.Pick(kCompanyAccountPrefixes);
    counterparts.Companies.append({name, prefix + random.Digits(int(random.Between(9, 15)))});
  }
  names.clear();
  while (names.size() < kPersons) {
    const QString name = random.Pick(kSurnames) + random.Pick(kGivenNames);
    if (names.contains(name)) continue;
    names.append(name);
    counterparts.Persons.append({name, QStringLiteral("62319000") + random.Digits(8)});
  }
  const QString city = random.Pick(kCities);
  counterparts.Bank = {account.BankName, {}};
  counterparts.Tax = {city + QStringLiteral("税务局税款专户"),
                      QStringLiteral("9900") + random.Digits(10)};
  for (const QString& utility : {QStringLiteral("供电有限公司"), QStringLiteral("自来水有限公司"),
                                 QStringLiteral("燃气有限公司")}) {
    counterparts.Utilities.append({city + utility, QStringLiteral("3100") + random.Digits(11)});
  }
  counterparts.Landlord = {city + random.Pick(kBrandWords) + QStringLiteral("物业管理有限公司"),
                           QStringLiteral("3100") + random.Digits(11)};
  return counterparts;
}

// A kind of transaction: its direction, summary, amount range in fen, whom it
// is with, its voucher kind, how often it happens and what its note says.
struct TKind {
  bool Credit;
  QString Summary;
  qint64 LowFen, HighFen;
  TCounterKind Counter;
  QString VoucherKind;
  int Weight;
  QString NotePrefix;  // followed by digits in half of the notes; empty: no note
};

const QList<TKind> kKinds{
    {true, QStringLiteral("货款"), 500000, 28000000, TCounterKind::Company,
     QStringLiteral("电汇凭证"), 22, QStringLiteral("合同号HT")},
    {true, QStringLiteral("销售回款"), 100000, 12000000, TCounterKind::Company,
     QStringLiteral("进账单"), 10, QStringLiteral("发票号")},
    {true, QStringLiteral("服务费"), 80000, 3000000, TCounterKind::Company,
     QStringLiteral("网上银行"), 6, QString()},
    {true, QStringLiteral("退款"), 10000, 800000, TCounterKind::Company,
     QStringLiteral("特种转账凭证"), 3, QString()},
    {true, QStringLiteral("利息"), 5000, 250000, TCounterKind::Bank, QStringLiteral("利息清单"), 1,
     QString()},
    {false, QStringLiteral("货款"), 200000, 15000000, TCounterKind::Company,
     QStringLiteral("网上银行"), 20, QStringLiteral("发票号")},
    {false, QStringLiteral("采购款"), 100000, 6000000, TCounterKind::Company,
     QStringLiteral("转账支票"), 8, QStringLiteral("合同号CG")},
    {false, QStringLiteral("工资"), 400000, 2500000, TCounterKind::Person,
     QStringLiteral("网上银行"), 9, QString()},
    {false, QStringLiteral("报销款"), 5000, 600000, TCounterKind::Person,
     QStringLiteral("网上银行"), 7, QString()},
    {false, QStringLiteral("房租"), 1200000, 4500000, TCounterKind::Landlord,
     QStringLiteral("转账支票"), 2, QString()},
    {false, QStringLiteral("水电费"), 30000, 900000, TCounterKind::Utility,
     QStringLiteral("特种转账凭证"), 3, QString()},
    {false, QStringLiteral("税款"), 100000, 6000000, TCounterKind::Tax,
     QStringLiteral("电子缴税凭证"), 3, QString()},
    {false, QStringLiteral("手续费"), 50, 5000, TCounterKind::Bank, QStringLiteral("收费凭证"), 6,
     QString()},
};

// The kinds that move money in the given direction, or of any direction.
const TKind& PickKind(TSeededRandom& random, std::optional<bool> credit) {
  int total = 0;
  for (const TKind& kind : kKinds) {
    if (!credit || kind.Credit == *credit) total += kind.Weight;
  }
  int chosen = random.Below(total);
  for (const TKind& kind : kKinds) {
    if (credit && kind.Credit != *credit) continue;
    if (chosen < kind.Weight) return kind;
    chosen -= kind.Weight;
  }
  return kKinds.front();
}

// 1/10000 yuan; large amounts are often whole yuan.
qint64 PickAmount(TSeededRandom& random, const TKind& kind) {
  qint64 fen = random.Between(kind.LowFen, kind.HighFen);
  if (fen >= 100000 && random.Chance(40)) fen -= fen % 100;
  return fen * 100;
}

const TCounterpart& PickCounterpart(TSeededRandom& random, const TCounterparts& counterparts,
                                    TCounterKind kind) {
  switch (kind) {
    case TCounterKind::Company:
      return counterparts.Companies[random.Below(counterparts.Companies.size())];
    case TCounterKind::Person:
      return counterparts.Persons[random.Below(counterparts.Persons.size())];
    case TCounterKind::Bank:
      return counterparts.Bank;
    case TCounterKind::Tax:
      return counterparts.Tax;
    case TCounterKind::Utility:
      return counterparts.Utilities[random.Below(counterparts.Utilities.size())];
    case TCounterKind::Landlord:
      return counterparts.Landlord;
  }
  return counterparts.Bank;
}

// Times of one day's transactions, in order, within banking hours.
QList<QTime> DayTimes(TSeededRandom& random, int count) {
  QList<QTime> times;
  for (int i = 0; i < count; ++i) {
    times.append(QTime(8, 30).addSecs(int(random.Between(0, 9 * 3600))));
  }
  std::sort(times.begin(), times.end());
  return times;
}

}  // namespace

QList<TSimDetail> MakeHistory(const TSimAccount& account) {
  const TSimHistorySettings& settings = account.HistorySettings;
  if (settings.Count <= 0 || settings.Days <= 0) return {};
  TSeededRandom random(settings.Seed);
  const TCounterparts counterparts = MakeCounterparts(random, account);
  std::vector<int> perDay(size_t(settings.Days), settings.Count / settings.Days);
  for (int i = 0; i < settings.Count % settings.Days; ++i)
    ++perDay[size_t(random.Below(settings.Days))];

  const qint64 lowest = settings.OpeningBalance / 10;
  const qint64 highest = settings.OpeningBalance * 3;
  const bool foreign = account.CurCode != QLatin1String("1");
  qint64 balance = settings.OpeningBalance;
  QList<TSimDetail> history;
  history.reserve(settings.Count);
  for (int daysAgo = settings.Days - 1; daysAgo >= 0; --daysAgo) {
    for (const QTime& time : DayTimes(random, perDay[size_t(daysAgo)])) {
      // Keep the balance between a tenth and three times the opening balance.
      std::optional<bool> credit;
      if (balance > highest) credit = false;
      const TKind* kind = &PickKind(random, credit);
      qint64 amount = PickAmount(random, *kind);
      if (!kind->Credit && balance - amount < lowest) {
        kind = &PickKind(random, true);
        amount = PickAmount(random, *kind);
      }
      balance += kind->Credit ? amount : -amount;
      const TCounterpart& counterpart = PickCounterpart(random, counterparts, kind->Counter);
      const bool byBank = kind->Counter == TCounterKind::Bank;

      TSimDetail detail;
      detail.DaysAgo = daysAgo;
      detail.Time = time;
      detail.VoucherKind = kind->VoucherKind;
      detail.VoucherNo = byBank ? QString() : random.Digits(8);
      detail.Credit = kind->Credit;
      detail.Amount = amount;
      detail.Balance = balance;
      detail.CounterName = counterpart.Name;
      detail.CounterAccNo = counterpart.AccNo;
      detail.Summary = kind->Summary;
      if (!kind->NotePrefix.isEmpty() && random.Chance(50)) {
        detail.Note = kind->NotePrefix + random.Digits(8);
      }
      if (!kind->Credit && kind->VoucherKind == QStringLiteral("网上银行")) {
        detail.CompanySerial = QStringLiteral("QY") + random.Digits(10);
      }
      detail.DetailNo = account.AccNo.right(4) +
                        QStringLiteral("%1").arg(history.size() + 1, 8, 10, QLatin1Char('0'));
      detail.SerialNo = random.Digits(16);
      detail.CashFlag = foreign && random.Chance(70) ? QStringLiteral("1") : QStringLiteral("0");
      history.append(detail);
    }
  }
  return history;
}
