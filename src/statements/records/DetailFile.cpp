#include "statements/records/DetailFile.h"

#include <array>
#include <utility>
#include <vector>

#include "core/TextHelpers.h"
#include "platform/codec/Gbk.h"
#include "statements/records/LineSplit.h"

namespace {

constexpr qsizetype kMinFields = 18;
constexpr qsizetype kFlagPosition = 5;

QString U(const char* utf8) {
  return QString::fromUtf8(utf8);
}

QString NoDetailMessage() {
  return U("导入文件出错，该文件中不包含历史明细数据！");
}

QString FormatMessage() {
  return U("导入文件出错，请检查数据格式是否正确");
}

// The fields taken from the line as they stand, trimmed, by 1-based position.
constexpr std::array<std::pair<int, const char*>, 10> kPlainFields = {{
    {1, "日期"},
    {4, "凭证号"},
    {9, "对方账户名称"},
    {10, "对方帐号"},
    {11, "摘要"},
    {12, "用途"},
    {15, "本方帐号"},
    {16, "本方帐户名称"},
    {17, "本方帐户开户行名称"},
    {18, "本方帐户状态"},
}};

}  // namespace

TStatementFileRead ReadDetailBytes(QByteArrayView bytes, StatementTable& table) {
  table.Empty();
  std::array<int, kPlainFields.size()> plain{};
  for (size_t i = 0; i < kPlainFields.size(); ++i)
    plain[i] = table.FieldIndex(U(kPlainFields[i].second));
  const int flagField = table.FieldIndex(U("借贷标志"));
  const int amountField = table.FieldIndex(U("借(贷)方发生额"));
  const int balanceField = table.FieldIndex(U("余额"));
  const QString debit = U("借方");
  const QString credit = U("贷方");

  const QString text = codec::FromGbk(bytes);
  TStatementFileRead read;
  bool header = true;
  std::vector<QStringView> values(size_t(table.Kind().Fields.size()));
  ForEachLine(text, [&](QStringView line, int lineNo) {
    if (std::exchange(header, false)) return true;
    const QList<QStringView> fields = SplitQuotedLine(line);
    if (fields.size() >= kFlagPosition) {
      const QStringView flag = TrimField(fields[kFlagPosition - 1]);
      if (flag == u"0" || flag == debit) {
        values[size_t(flagField)] = debit;
      } else if (flag == u"1" || flag == credit) {
        values[size_t(flagField)] = credit;
      } else {
        read = LineFailure(NoDetailMessage(), lineNo);
        return false;
      }
    }
    if (fields.size() < kMinFields) {
      read = LineFailure(FormatMessage(), lineNo);
      return false;
    }
    for (size_t i = 0; i < kPlainFields.size(); ++i)
      values[size_t(plain[i])] = TrimField(fields[kPlainFields[i].first - 1]);
    const QString amount = FixTwoDecimals(TrimField(fields[5]));
    const QString balance = FixTwoDecimals(TrimField(fields[6]));
    values[size_t(amountField)] = amount;
    values[size_t(balanceField)] = balance;
    table.AppendRow(values);
    return true;
  });
  if (read.Ok() && table.RowCount() > 0) {
    read.AccNo = table.Text(table.RowCount(), U("本方帐号"));
    read.AccName = table.Text(table.RowCount(), U("本方帐户名称"));
  }
  return read;
}

TStatementFileRead ReadDetailFile(const QString& path, StatementTable& table) {
  const std::optional<QByteArray> bytes = FileBytes(path);
  if (!bytes) {
    table.Empty();
    return FileFailure(FormatMessage());
  }
  return ReadDetailBytes(*bytes, table);
}
