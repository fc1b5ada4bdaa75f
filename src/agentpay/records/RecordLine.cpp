#include "agentpay/records/RecordLine.h"

QString JoinRecord(const QStringList& cells, const QString& separator) {
  qsizetype length = 0;
  for (const QString& cell : cells) length += cell.size() + separator.size() + 1;
  QString line;
  line.reserve(length);
  for (qsizetype i = 0; i < cells.size(); ++i) {
    if (i > 0) {
      line += separator;
      if (QStringView(cells[i]).trimmed().isEmpty())
        line += u' ';
      else
        line += cells[i];
    } else {
      line += cells[i];
    }
  }
  return line;
}

QStringList SplitRecordLine(const QString& line, const QString& separator) {
  const QString cut = separator.isEmpty() ? QStringLiteral("|") : separator;
  QStringList cells = line.split(cut);
  for (qsizetype i = 0; i + 1 < cells.size(); ++i)
    if (cells[i].isEmpty()) cells[i] = QStringLiteral(" ");
  return cells;
}

QString LineWithEndSign(const QString& line, const QString& separator, bool endSign) {
  return endSign ? line + separator : line;
}

QString RecordAmountProblem(const QString& amount, const QString& caption) {
  // The decimals are the characters after the point, blanks included: a
  // blank there would travel in the record line, so it never passes.
  const qsizetype point = amount.indexOf(u'.');
  const QStringView decimals = point >= 0 ? QStringView(amount).mid(point + 1) : QStringView();
  if (decimals.size() > 2 || decimals.contains(u' '))
    return QStringLiteral("金额不能超过两位小数！");
  const QString trimmed = amount.trimmed();
  if (trimmed.startsWith(u'-')) return QStringLiteral("金额不能为负数！");
  const std::optional<TAmount> value = TAmount::ParsePayment(trimmed);
  if (!value) return caption + QStringLiteral("列是金额列,请输入正确的数值");
  if (value->IsZero()) return QStringLiteral("金额不能为零！");
  return {};
}

QString TPayTotals::SumText() const {
  return QStringLiteral("￥") + Sum.ToDisplay();
}

QString TPayTotals::CountText() const {
  return QString::number(Count);
}

TPayTotals TotalsOf(const QStringList& amounts) {
  TPayTotals totals;
  totals.Count = int(amounts.size());
  for (const QString& amount : amounts)
    if (const std::optional<TAmount> value = TAmount::ParsePayment(amount.trimmed()))
      totals.Sum += *value;
  return totals;
}
