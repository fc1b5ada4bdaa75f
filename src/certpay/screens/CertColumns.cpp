#include "certpay/screens/CertColumns.h"

#include <QStringList>

namespace {

constexpr auto kLeft = TColumnAlignment::Left;
constexpr auto kCenter = TColumnAlignment::Center;

TColumnDef NumberColumn() {
  return {QStringLiteral("序号"), 48, kCenter};
}

// The text of a field of the record's table by its column (from 1).
template <class T>
QString FieldText(const T& record, int col) {
  for (const TRecordField<T>& field : T::Fields())
    if (field.Column == col) return field.Text(record);
  return {};
}

}  // namespace

QList<TColumnDef> CertPayerColumns() {
  return {NumberColumn(),
          {QStringLiteral("付款账号"), 180, kLeft},
          {QStringLiteral("付款账户名称"), 260, kLeft},
          {QStringLiteral("付款账户开户行名称"), 260, kLeft}};
}

QString CertPayerCell(const TCertPayer& payer, int col) {
  return FieldText(payer, col);
}

QList<TColumnDef> CertPayeeColumns() {
  return {NumberColumn(),
          {QStringLiteral("收款账号"), 170, kLeft},
          {QStringLiteral("收款账户名称"), 200, kLeft},
          {QStringLiteral("收款账号开户行名称"), 200, kLeft},
          {QStringLiteral("他行人行联行号"), 120, kLeft},
          {QStringLiteral("收款账号是否他行标识"), 150, kCenter},
          {QStringLiteral("对公对私标志"), 100, kCenter}};
}

QString CertPayeeCell(const TCertPayee& payee, int col, bool onBook) {
  switch (col) {
    case 5:
      return payee.BankFlagText();
    case 6:
      return payee.AccKindText(onBook ? TCertPayee::kCorporateBookText
                                      : TCertPayee::kCorporateText);
    default:
      return FieldText(payee, col);
  }
}

QList<TColumnDef> CertAddInfoColumns() {
  return {NumberColumn(),
          {QStringLiteral("预算管理"), 120, kLeft},
          {QStringLiteral("功能分类"), 120, kLeft},
          {QStringLiteral("经济分类"), 120, kLeft},
          {QStringLiteral("支出类型"), 120, kLeft},
          {QStringLiteral("预算来源"), 120, kLeft},
          {QStringLiteral("关联号"), 120, kLeft}};
}

QString CertAddInfoCell(const TCertAddInfo& info, int col) {
  return FieldText(info, col);
}

QList<TColumnDef> UserInputColumns() {
  return {NumberColumn(),
          {QStringLiteral("付款帐号"), 150, kLeft},
          {QStringLiteral("付款账户名称"), 180, kLeft},
          {QStringLiteral("付款账户开户行名称"), 180, kLeft},
          {QStringLiteral("收款账号"), 150, kLeft},
          {QStringLiteral("收款账户名称"), 180, kLeft},
          {QStringLiteral("收款账户开户行名称"), 180, kLeft},
          {QStringLiteral("他行人行联行号"), 110, kLeft},
          {QStringLiteral("收款账号是否他行标识"), 140, kCenter},
          {QStringLiteral("对公对私标志"), 90, kCenter},
          {QStringLiteral("预算管理"), 90, kLeft},
          {QStringLiteral("功能分类"), 90, kLeft},
          {QStringLiteral("经济分类"), 90, kLeft},
          {QStringLiteral("支出类型"), 90, kLeft},
          {QStringLiteral("预算来源"), 90, kLeft},
          {QStringLiteral("关联号"), 90, kLeft},
          {QStringLiteral("金额"), 100, TColumnAlignment::Right, true},
          {QStringLiteral("用途"), 120, kLeft},
          {QStringLiteral("专用凭单号码"), 110, kLeft},
          {QStringLiteral("备注"), 120, kLeft}};
}

QString UserInputCell(const TUserInput& doc, int col) {
  const QString TUserInput::*const cells[] = {
      nullptr,
      &TUserInput::PayerAccNo,
      &TUserInput::PayerAccName,
      &TUserInput::PayerCounterName,
      &TUserInput::PayeeAccNo,
      &TUserInput::PayeeAccName,
      &TUserInput::PayeeCounterName,
      &TUserInput::PayeeUBankNo,
      &TUserInput::PayeeBankFlag,
      &TUserInput::PayeeAccKind,
      &TUserInput::BudgetManage,
      &TUserInput::FuncType,
      &TUserInput::EconomyType,
      &TUserInput::PayoutType,
      &TUserInput::BudgetSource,
      &TUserInput::ProjectId,
      &TUserInput::Amt,
      &TUserInput::Usge,
      &TUserInput::CreditNo,
      &TUserInput::Remark,
  };
  if (col < 1 || col >= int(std::size(cells))) return {};
  return doc.*cells[col];
}

QStringList DataColumnTitles(const QList<TColumnDef>& columns) {
  QStringList titles;
  for (qsizetype i = 1; i < columns.size(); ++i) titles << columns[i].Title;
  return titles;
}
