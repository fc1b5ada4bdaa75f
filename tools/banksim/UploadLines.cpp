#include "UploadLines.h"

#include <QLocale>
#include <cmath>
#include <optional>

#include "platform/codec/Gbk.h"

namespace {

constexpr int kFieldCount = 16;

enum Field {
  kSeqNo = 0,
  kPayAccName = 1,
  kPayAccNo = 2,
  kRcvAccNo = 4,
  kRcvAccName = 5,
  kUbankNo = 8,
  kIsNvx = 10,
  kAmount = 11,
};

// Empty and single-space fields both mean "not given".
bool Missing(const QString& field) {
  return field.trimmed().isEmpty();
}

// The amount in 1/10000 yuan, or nothing when the text is not a number.
std::optional<qint64> ReadAmount(const QString& text) {
  bool ok = false;
  const double yuan = QLocale::c().toDouble(text.trimmed(), &ok);
  if (!ok || !std::isfinite(yuan) || std::fabs(yuan) > 1e14) return std::nullopt;
  return std::llround(yuan * 10000);
}

QString Reason(const QStringList& fields, const TSimCustomer& customer, qint64& amount) {
  if (fields.size() < kFieldCount) return QStringLiteral("数据格式错误");
  if (!customer.FindAccount(fields[kPayAccNo])) return QStringLiteral("付款账号不属于本客户");
  if (Missing(fields[kRcvAccNo])) return QStringLiteral("收款账号为空");
  if (Missing(fields[kRcvAccName])) return QStringLiteral("收款账户名称为空");
  const std::optional<qint64> read = ReadAmount(fields[kAmount]);
  if (!read) return QStringLiteral("金额格式错误");
  if (*read <= 0) return QStringLiteral("金额必须大于零");
  if (fields[kIsNvx] != QLatin1String("1") && Missing(fields[kUbankNo])) {
    return QStringLiteral("他行收款人联行号为空");
  }
  amount = *read;
  return {};
}

}  // namespace

QString TCheckedLine::ErrItem() const {
  return QStringList{SeqNo, PayAccNo, PayAccName, RcvAccNo, RcvAccName, Reason}.join(
             QLatin1Char('|')) +
         QLatin1Char('|');
}

QStringList UploadedLines(const QByteArray& file) {
  QStringList lines;
  for (QString line : codec::fromGbk(file).split(QLatin1Char('\n'))) {
    if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
    if (!line.isEmpty()) lines.append(line);
  }
  return lines;
}

TCheckedLine CheckUploadLine(const QString& line, const TSimCustomer& customer) {
  const QStringList fields = line.split(QLatin1Char('|'));
  const auto field = [&](int i) { return fields.value(i); };
  TCheckedLine checked{field(kSeqNo),
                       field(kPayAccNo),
                       field(kPayAccName),
                       field(kRcvAccNo),
                       field(kRcvAccName),
                       0,
                       {}};
  checked.Reason = Reason(fields, customer, checked.Amount);
  return checked;
}

QString FenText(qint64 amount) {
  const qint64 fen = (amount + 50) / 100;
  return QStringLiteral("%1.%2").arg(fen / 100).arg(fen % 100, 2, 10, QLatin1Char('0'));
}
