#include "UploadLines.h"

#include "core/Amount.h"
#include "platform/codec/Gbk.h"

namespace {

constexpr int kFieldCount = 16;

enum Field {
  SeqNo = 0,
  PayAccName = 1,
  PayAccNo = 2,
  RcvAccNo = 4,
  RcvAccName = 5,
  CounterName = 7,
  UbankNo = 8,
  IsNvx = 10,
  Amount = 11,
  Usage = 13,
};

// Empty and single-space fields both mean "not given".
bool Missing(const QString& field) {
  return field.trimmed().isEmpty();
}

QString Reason(const QStringList& fields, const TSimCustomer& customer, qint64& amount) {
  if (fields.size() < kFieldCount) return QStringLiteral("数据格式错误");
  if (!customer.FindAccount(fields[PayAccNo])) return QStringLiteral("付款账号不属于本客户");
  if (Missing(fields[RcvAccNo])) return QStringLiteral("收款账号为空");
  if (Missing(fields[RcvAccName])) return QStringLiteral("收款账户名称为空");
  const std::optional<qint64> read = ReadAmount(fields[Amount]);
  if (!read) return QStringLiteral("金额格式错误");
  if (*read <= 0) return QStringLiteral("金额必须大于零");
  if (fields[IsNvx] != QLatin1String("1") && Missing(fields[UbankNo])) {
    return QStringLiteral("他行收款人联行号为空");
  }
  amount = *read;
  return {};
}

}  // namespace

std::optional<qint64> ReadAmount(const QString& text) {
  const std::optional<TAmount> amount = TAmount::Parse(text);
  if (!amount) return std::nullopt;
  return amount->Units();
}

QString TCheckedLine::ErrItem() const {
  return QStringList{SeqNo, PayAccNo, PayAccName, RcvAccNo, RcvAccName, Reason}.join(
             QLatin1Char('|')) +
         QLatin1Char('|');
}

QStringList UploadedLines(const QByteArray& file) {
  QStringList lines;
  for (QString line : codec::FromGbk(file).split(QLatin1Char('\n'))) {
    if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
    if (!line.isEmpty()) lines.append(line);
  }
  return lines;
}

TCheckedLine CheckUploadLine(const QString& line, const TSimCustomer& customer) {
  const QStringList fields = line.split(QLatin1Char('|'));
  const auto field = [&](int i) { return fields.value(i); };
  TCheckedLine checked{field(SeqNo),
                       field(PayAccNo),
                       field(PayAccName),
                       field(RcvAccNo),
                       field(RcvAccName),
                       field(CounterName).trimmed(),
                       field(Usage),
                       0,
                       {}};
  checked.Reason = Reason(fields, customer, checked.Amount);
  return checked;
}

QString FenText(qint64 amount) {
  const qint64 fen = (amount + 50) / 100;
  return QStringLiteral("%1.%2").arg(fen / 100).arg(fen % 100, 2, 10, QLatin1Char('0'));
}
