#include "statements/records/RowKind.h"

#include <initializer_list>
#include <utility>

namespace {

constexpr TFieldType kText = TFieldType::Text;
constexpr TFieldType kAmount = TFieldType::Amount;
constexpr TFieldType kAmountText = TFieldType::AmountText;

QString U(const char* utf8) {
  return QString::fromUtf8(utf8);
}

// The fields in table order, then the grid columns, each captioned with its
// field's name unless a caption is given.
TRowKind Kind(std::initializer_list<std::pair<const char*, TFieldType>> fields,
              std::initializer_list<std::pair<const char*, const char*>> columns) {
  TRowKind kind;
  for (const auto& [name, type] : fields) kind.Fields.append({U(name), type});
  for (const auto& [field, caption] : columns)
    kind.Columns.append({U(field), U(caption ? caption : field)});
  return kind;
}

}  // namespace

int TRowKind::FieldIndex(const QString& name) const {
  for (int i = 0; i < Fields.size(); ++i)
    if (Fields[i].Name == name) return i;
  return -1;
}

const TRowKind& DetailRow() {
  static const TRowKind kKind = Kind({{"交易日期", kText},     {"交易时间", kText},
                                      {"凭证种类", kText},     {"凭证号", kText},
                                      {"借贷标志", kText},     {"发生额", kAmount},
                                      {"余额", kAmount},       {"对方户名", kText},
                                      {"对方账号", kText},     {"摘要", kText},
                                      {"备注", kText},         {"企业流水号", kText},
                                      {"账户明细编号", kText}, {"账户明细编号-交易流水号", kText},
                                      {"交易流水号", kText},   {"钞汇标志", kText},
                                      {"付款单位", kText},     {"付款账号", kText},
                                      {"付款开户行", kText},   {"币种代码", kText},
                                      {"币种", kText}},
                                     {{"交易日期", nullptr},
                                      {"交易时间", nullptr},
                                      {"凭证种类", nullptr},
                                      {"凭证号", nullptr},
                                      {"借贷标志", nullptr},
                                      {"发生额", nullptr},
                                      {"余额", nullptr},
                                      {"钞汇标志", nullptr},
                                      {"对方户名", nullptr},
                                      {"对方账号", nullptr},
                                      {"摘要", nullptr},
                                      {"备注", nullptr},
                                      {"账户明细编号-交易流水号", nullptr},
                                      {"企业流水号", nullptr}});
  return kKind;
}

const TRowKind& FlowRow() {
  static const TRowKind kKind = Kind({{"凭证号", kText},
                                      {"付款账户", kText},
                                      {"付款单位", kText},
                                      {"付款单位开户行", kText},
                                      {"金额", kAmount},
                                      {"币种", kText},
                                      {"制单时间", kText},
                                      {"收款账户", kText},
                                      {"收款单位", kText},
                                      {"用途", kText},
                                      {"状态代码", kText},
                                      {"状态", kText},
                                      {"验证码", kText},
                                      {"流程业务标识", kText}},
                                     {{"凭证号", nullptr},
                                      {"付款账户", nullptr},
                                      {"付款单位", nullptr},
                                      {"金额", nullptr},
                                      {"币种", nullptr},
                                      {"制单时间", nullptr},
                                      {"收款账户", nullptr},
                                      {"收款单位", nullptr},
                                      {"用途", nullptr},
                                      {"状态", nullptr}});
  return kKind;
}

const TRowKind& DetailFileRow() {
  static const TRowKind kKind = Kind({{"日期", kText},
                                      {"凭证号", kText},
                                      {"用途", kText},
                                      {"借贷标志", kText},
                                      {"借(贷)方发生额", kAmountText},
                                      {"余额", kAmountText},
                                      {"对方帐号", kText},
                                      {"对方账户名称", kText},
                                      {"对方开户行名称", kText},
                                      {"本方帐号", kText},
                                      {"本方帐户名称", kText},
                                      {"本方帐户开户行名称", kText},
                                      {"本方帐户状态", kText},
                                      {"摘要", kText},
                                      {"币种", kText},
                                      {"备注1", kText},
                                      {"备注2", kText}},
                                     {{"日期", nullptr},
                                      {"凭证号", nullptr},
                                      {"用途", "摘要"},
                                      {"借贷标志", nullptr},
                                      {"借(贷)方发生额", nullptr},
                                      {"余额", nullptr},
                                      {"对方帐号", nullptr},
                                      {"对方账户名称", nullptr}});
  return kKind;
}

const TRowKind& FlowFileRow() {
  static const TRowKind kKind = Kind({{"交易流水号", kText},
                                      {"付款人名称", kText},
                                      {"付款人账号", kText},
                                      {"付款账户开户行全称", kText},
                                      {"金额", kAmountText},
                                      {"凭证号", kText},
                                      {"制单员", kText},
                                      {"复核员", kText},
                                      {"主管", kText},
                                      {"备注1", kText},
                                      {"备注2", kText},
                                      {"交易类型", kText},
                                      {"收款人帐户名称", kText},
                                      {"收款人账号", kText},
                                      {"收款账户开户行全称", kText},
                                      {"用途", kText},
                                      {"交易状态", kText},
                                      {"制单时间", kText},
                                      {"复核时间", kText},
                                      {"审批时间", kText},
                                      {"币种", kText},
                                      {"批次号", kText}},
                                     {{"付款人账号", nullptr},
                                      {"收款人帐户名称", "收款人账户名称"},
                                      {"收款人账号", nullptr},
                                      {"金额", nullptr},
                                      {"批次号", nullptr}});
  return kKind;
}
