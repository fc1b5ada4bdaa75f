#include "agentpay/records/PayImport.h"

#include "core/Amount.h"
#include "core/TextHelpers.h"
#include "platform/spreadsheet/AccountCells.h"
#include "platform/spreadsheet/Worksheet.h"

namespace {

QString AmountProblem(int row) {
  return QStringLiteral("第%1记录的金额列数据有误！").arg(row);
}

// A value holding the separator would shift every later field of the record
// the bank reads.
QString SeparatorProblem(int row, const QString& caption, const QString& separator) {
  return QStringLiteral("第%1行“%2”列的内容含有分隔符“%3”，导入后记录会错位。请修改后重新导入。")
      .arg(row)
      .arg(caption, separator);
}

bool IsAmount(const QString& value) {
  return TAmount::ParsePayment(value).has_value();
}

// Checks the values of the lines imported through a template and adds them to
// the lines, the separator and the amount column worked out once.
class TLineValues {
 public:
  explicit TLineValues(const TPayTemplate& payTemplate)
      : template_(payTemplate),
        separator_(payTemplate.Separator()),
        money_(payTemplate.MoneyIndex().value_or(-1)) {}

  const QString& Separator() const { return separator_; }

  // Checks the value of template column `column` in row `row` and adds it to
  // the line; the problem, if any.
  QString Add(QStringList& line, const QString& value, qsizetype column, int row,
              bool emptyAmountAllowed) const {
    if (value.contains(separator_))
      return SeparatorProblem(row, template_.Columns[column].Name, separator_);
    if (column == money_ && !(emptyAmountAllowed && value.isEmpty()) && !IsAmount(value))
      return AmountProblem(row);
    line.append(value);
    return {};
  }

 private:
  const TPayTemplate& template_;
  QString separator_;
  qsizetype money_;
};

}  // namespace

TPayImport ImportTextLines(const QStringList& fileLines, int begin, int end,
                           const QString& separator, const TPayTemplate& payTemplate) {
  TPayImport result;
  const TLineValues values(payTemplate);
  const QString cut = separator.trimmed();
  end = std::min<int>(end, int(fileLines.size()));
  for (int i = std::max(begin, 1); i <= end; ++i) {
    const QString text = fileLines[i - 1].trimmed();
    if (cut.isEmpty() || !text.contains(cut)) return {{}, QStringLiteral("请检查文件格式")};
    const QStringList fields = SplitFields(text, cut);
    QStringList line;
    line.reserve(payTemplate.Columns.size());
    for (qsizetype j = 0; j < payTemplate.Columns.size(); ++j) {
      const int position = payTemplate.Columns[j].Position;
      if (position < 1 || position > fields.size())
        return {{},
                QStringLiteral("第%1行只有%2个字段，没有“%3”列所要的第%4个字段。")
                    .arg(i)
                    .arg(fields.size())
                    .arg(payTemplate.Columns[j].Name)
                    .arg(position)};
      const QString problem = values.Add(line, fields[position - 1], j, i, false);
      if (!problem.isEmpty()) return {{}, problem};
    }
    result.Lines.append(line.join(values.Separator()));
  }
  return result;
}

TPayImport ImportWorksheetRows(const TWorksheet& sheet, int begin, int end,
                               const TPayTemplate& payTemplate) {
  TPayImport result;
  const TLineValues values(payTemplate);
  QList<int> lostDigits;
  end = std::min(end, sheet.UsedRows());
  for (int i = std::max(begin, 1); i <= end; ++i) {
    QStringList line;
    line.reserve(payTemplate.Columns.size());
    bool complete = true;
    for (qsizetype j = 0; j < payTemplate.Columns.size(); ++j) {
      const int column = payTemplate.Columns[j].Position;
      if (column < 1) return {{}, QStringLiteral("转换文件失败，请检查文件格式")};
      if (AccountLostDigits(sheet, i, column) && (lostDigits.isEmpty() || lostDigits.last() != i))
        lostDigits.append(i);
      const QString value = sheet.ReadCell(i, column).trimmed();
      const QString problem = values.Add(line, value, j, i, true);
      if (!problem.isEmpty()) return {{}, problem};
      complete = complete && !value.isEmpty();
    }
    if (complete && !line.isEmpty()) result.Lines.append(line.join(values.Separator()));
  }
  if (!lostDigits.isEmpty())
    return {{}, LostDigitsRowsMessage(lostDigits) + QStringLiteral("本次没有导入任何记录。")};
  return result;
}
