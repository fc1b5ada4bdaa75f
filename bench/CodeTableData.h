#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <array>

#include "platform/codec/Gbk.h"

// A branch code file "UBANKCODE.TXT" of the size the bank ships: 300 banks in
// up to 400 cities, 200,000 branches, GBK names, CR LF line ends. Every bank has
// one branch in a third of the cities and two in the others.
namespace codetablebench {

constexpr int kBanks = 300;
constexpr int kCities = 400;
constexpr int kBranchLines = 200000;

inline QString BankCode(int bank) {
  return QString::number(100 + bank);
}

inline QString AreaCode(int city) {
  return QString::number(1000 + city * 20);
}

inline int BranchesOf(int bank, int city) {
  return (bank + city) % 3 == 0 ? 1 : 2;
}

inline QString BranchName(int bank, int city, int branch) {
  static const std::array<const char*, 10> kPlaces = {
      "东城", "西湖", "高新区", "开发区", "滨江", "人民路", "中山路", "解放路", "新区", "港口"};
  static const std::array<const char*, 3> kKinds = {"分行营业部", "支行", "分理处"};
  return QString::fromUtf8(kPlaces[std::size_t(bank + city * 7) % kPlaces.size()]) +
         QString::number(city) + QString::fromUtf8(kKinds[std::size_t(branch) % kKinds.size()]);
}

// The interbank number: bank code, area code, branch number and a check digit.
inline QString InterbankNumber(int bank, int city, int branch) {
  const QString body = BankCode(bank) + AreaCode(city) +
                       QStringLiteral("%1").arg(branch + 1, 4, 10, QLatin1Char('0'));
  int sum = 0;
  for (qsizetype i = 0; i < body.size(); ++i) sum += body[i].digitValue() * (i % 2 ? 3 : 1);
  return body + QString::number(sum % 10);
}

inline QByteArray UBankCodeText() {
  QString text;
  text.reserve(kBranchLines * 40);
  const QChar bar = QLatin1Char('|');
  for (int bank = 0; bank < kBanks; ++bank) {
    for (int city = 0; city < kCities; ++city) {
      for (int branch = 0; branch < BranchesOf(bank, city); ++branch) {
        text += BankCode(bank) + bar + AreaCode(city) + bar + BranchName(bank, city, branch) + bar +
                InterbankNumber(bank, city, branch) + bar + QLatin1String("\r\n");
      }
    }
  }
  return codec::ToGbk(text);
}

// Writes the file as dir/UBANKCODE.TXT and returns its path; empty on failure.
inline QString WriteUBankCodeFile(const QString& dir) {
  QString path = QDir(dir).filePath(QStringLiteral("UBANKCODE.TXT"));
  QFile file(path);
  const QByteArray bytes = UBankCodeText();
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) return {};
  return path;
}

}  // namespace codetablebench
