#include "agentpay/records/PayResultText.h"

#include <QDir>
#include <QFileInfo>

QList<QStringList> SplitResultLines(const QStringList& lines, const QString& separator) {
  QList<QStringList> rows;
  rows.reserve(lines.size());
  for (const QString& line : lines) rows.append(SplitRecordLine(line, separator));
  return rows;
}

QString ConvertedWorkbookPath(const QString& textPath) {
  const QFileInfo file(textPath);
  const QString name = file.fileName();
  const qsizetype dot = name.lastIndexOf(u'.');
  if (dot < 0) return {};
  return file.dir().filePath(name.left(dot) + QStringLiteral(".xls"));
}

QString MissingSeparatorQuestion(const QString& separator) {
  return QStringLiteral("没有找到文件分隔符\"") + separator +
         QStringLiteral(
             "\"，是否重新设置文件分隔符？\r\n"
             "\"确定\"，则重新设置文件分隔符再转换。\r\n"
             "\"取消\"，则继续按照原分隔符进行转换。");
}

void TPayOutcomes::SetTemplate(const TPayTemplate& payTemplate) {
  template_ = payTemplate;
  Clear();
}

bool TPayOutcomes::HasTemplate() const {
  return template_.IsOpen();
}

QStringList TPayOutcomes::Captions() const {
  return template_.Captions() << QStringLiteral("处理结果") << QStringLiteral("失败原因");
}

void TPayOutcomes::SetLines(const QStringList& lines) {
  rows_ = SplitResultLines(lines, template_.Separator());
  if (rows_.isEmpty()) rows_.append(QStringList());
}

void TPayOutcomes::Clear() {
  rows_ = {QStringList()};
}

TPayTotals TPayOutcomes::Totals() const {
  QStringList amounts;
  amounts.reserve(rows_.size());
  const std::optional<int> money = template_.MoneyIndex();
  for (const QStringList& row : rows_) amounts.append(money ? row.value(*money) : QString());
  return TotalsOf(amounts);
}
