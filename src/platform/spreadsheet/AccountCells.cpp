#include "platform/spreadsheet/AccountCells.h"

#include <QStringList>

namespace {

// The message names this many rows at most, then counts them all: a whole
// column of such accounts can be hundreds of rows.
constexpr qsizetype kRowsNamed = 10;

QString RowsText(const QList<int>& rows) {
  QStringList named;
  for (qsizetype i = 0; i < rows.size() && i < kRowsNamed; ++i)
    named.append(QString::number(rows[i]));
  QString text = QStringLiteral("第%1行").arg(named.join(QStringLiteral("、")));
  if (rows.size() > kRowsNamed) text += QStringLiteral("等共%1行").arg(rows.size());
  return text;
}

}  // namespace

bool AccountLostDigits(const TWorksheet& sheet, int row, int column) {
  return sheet.IsInexactNumber(row, column);
}

QString LostDigitsRowsMessage(const QList<int>& rows) {
  // Formatting the column as text afterwards does not bring the digits back.
  return QStringLiteral(
             "%1未导入：账号是数字格式，文件中已丢失位数。"
             "请把账号列设为文本格式，重新输入完整的账号后再导入。")
      .arg(RowsText(rows));
}
