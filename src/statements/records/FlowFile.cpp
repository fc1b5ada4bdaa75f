#include "statements/records/FlowFile.h"

#include <array>
#include <vector>

#include "core/TextHelpers.h"
#include "platform/codec/Gbk.h"
#include "statements/records/LineSplit.h"

namespace {

constexpr qsizetype kMinFields = 23;

QString U(const char* utf8) {
  return QString::fromUtf8(utf8);
}

// The field of each position of a line, from 1.
constexpr std::array<const char*, 22> kPositions = {
    "交易流水号",
    "批次号",
    "付款人名称",
    "付款人账号",
    "付款账户开户行全称",
    "金额",
    "币种",
    "凭证号",
    "制单员",
    "复核员",
    "主管",
    "备注1",
    "备注2",
    "交易类型",
    "收款人帐户名称",
    "收款人账号",
    "收款账户开户行全称",
    "用途",
    "交易状态",
    "制单时间",
    "复核时间",
    "审批时间",
};
constexpr size_t kAmountPosition = 6;

}  // namespace

TStatementFileRead ReadFlowBytes(QByteArrayView bytes, StatementTable& table) {
  table.Empty();
  std::array<int, kPositions.size()> fieldOf{};
  for (size_t i = 0; i < kPositions.size(); ++i) fieldOf[i] = table.FieldIndex(U(kPositions[i]));

  const QString text = codec::FromGbk(bytes);
  TStatementFileRead read;
  std::vector<QStringView> values(size_t(table.Kind().Fields.size()));
  ForEachLine(text, [&](QStringView line, int lineNo) {
    const QList<QStringView> fields = SplitBarLine(line);
    if (fields.size() < kMinFields) {
      read = LineFailure(U("导入的文件有误,请检查是否是网银流水数据！"), lineNo);
      return false;
    }
    for (size_t i = 0; i < kPositions.size(); ++i)
      values[size_t(fieldOf[i])] = TrimField(fields[qsizetype(i)]);
    const QString amount = FixTwoDecimals(values[size_t(fieldOf[kAmountPosition - 1])]);
    values[size_t(fieldOf[kAmountPosition - 1])] = amount;
    table.AppendRow(values);
    return true;
  });
  return read;
}

TStatementFileRead ReadFlowFile(const QString& path, StatementTable& table) {
  const std::optional<QByteArray> bytes = FileBytes(path);
  if (!bytes) {
    table.Empty();
    return FileFailure(U("导入的文件数据格式有误！"));
  }
  return ReadFlowBytes(*bytes, table);
}
