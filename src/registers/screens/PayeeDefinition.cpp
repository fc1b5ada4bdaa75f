#include "registers/screens/PayeeDefinition.h"

#include "registers/store/RegisterStore.h"

namespace {

TPayeeRefusal Refuse(const QString& label, const QString& what, TPayeeField field) {
  return {label + what, field, false};
}

QString MustFill() {
  return QStringLiteral("不能空，请填写！");
}

QString MustChoose() {
  return QStringLiteral("不能空，请选择！");
}

}  // namespace

TPayeeDefinition::TPayeeDefinition(TMode mode, const TPayeeInfo& opened)
    : mode_(mode),
      initialAccNo_(opened.RcvAccNo),
      initialCounterName_(opened.CounterName),
      openedAsOwnBank_(opened.IsNVX != QLatin1String("0")) {}

void TPayeeDefinition::Trim(TPayeeFields& fields) {
  fields.AccNo = fields.AccNo.trimmed();
  fields.AccName = fields.AccName.trimmed();
  if (fields.ManualBranch) fields.BranchText = fields.BranchText.trimmed();
}

std::optional<TPayeeRefusal> TPayeeDefinition::Check(const TPayeeFields& fields,
                                                     TRegisterStore& registers) const {
  const QString counterLabel = QStringLiteral("开户机构：");
  if (fields.AccNo.isEmpty())
    return Refuse(QStringLiteral("收款账号："), MustFill(), TPayeeField::AccNo);
  if (fields.AccName.isEmpty())
    return Refuse(QStringLiteral("账户名称："), MustFill(), TPayeeField::AccName);

  if (fields.OwnBank) {
    // A locked register entry may keep a branch or counter the table does not know.
    if (mode_ == TMode::Local || IsNew()) {
      if (!fields.Branch)
        return Refuse(QStringLiteral("一级分行："), MustChoose(), TPayeeField::Branch);
      if (!fields.Counter) return Refuse(counterLabel, MustChoose(), TPayeeField::Counter);
    }
    if (registers.FindAnyPayee(fields.AccNo)) {
      const QString account = QStringLiteral("账号[") + fields.AccNo + QLatin1Char(']');
      if (fields.AccNo != initialAccNo_)
        return TPayeeRefusal{account + QStringLiteral("在收款名册中已经存在！"), TPayeeField::AccNo,
                             true};
      if (!openedAsOwnBank_)
        return TPayeeRefusal{account + QStringLiteral("在收款名册中已经存在，不允许修改账户类别！"),
                             TPayeeField::AccNo, false};
    }
    return std::nullopt;
  }

  if (!fields.ManualBranch && !fields.BranchChosen)
    return Refuse(counterLabel, MustChoose(), TPayeeField::UBank);
  if (fields.ManualBranch && fields.BranchText.isEmpty())
    return Refuse(counterLabel, QStringLiteral("不能空，请输入！"), TPayeeField::UBank);
  return std::nullopt;
}

void TPayeeDefinition::Store(const TPayeeFields& fields, TPayeeInfo& payee) {
  payee.RcvAccNo = fields.AccNo;
  payee.RcvAccName = fields.AccName;
  payee.SortID = fields.SortId;
  payee.AccAlias = fields.Alias;

  if (fields.OwnBank) {
    payee.IsNVX = QStringLiteral("1");
    if (fields.Branch) {
      payee.BranchName = fields.Branch->BranchName;
      payee.BranchCode = fields.Branch->BranchCode;
      if (fields.Counter) {
        payee.CounterName = fields.Counter->CounterName;
        payee.CounterNo = fields.Counter->CounterNo;
        payee.UbankNo = fields.Counter->UBankNo;
      }
    }
    payee.BankCode.clear();
    payee.AreaProv.clear();
    payee.AreaCode.clear();
    return;
  }

  payee.IsNVX = QStringLiteral("0");
  payee.BranchName.clear();
  payee.BranchCode.clear();
  payee.CounterNo.clear();
  payee.BankCode = fields.BankCode;
  payee.CounterName = fields.BranchText;
  payee.UbankNo = !fields.ManualBranch && fields.BranchChosen ? fields.UBankNo : QString();
  payee.AreaProv = fields.ProvinceText;
  payee.AreaCode = fields.AreaCode;
}
