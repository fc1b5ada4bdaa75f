#include "certpay/records/CertChecks.h"

namespace {

// Collects the first failing check of a record.
template <class T>
class TChecks {
 public:
  explicit TChecks(const T& record) : record_(record) {}

  void Require(QString T::*field, bool passed, const char16_t* message) {
    if (!problem_ && !passed) problem_ = TCertProblem<T>{QString::fromUtf16(message), field};
  }
  void Required(QString T::*field, const char16_t* message) {
    Require(field, !(record_.*field).trimmed().isEmpty(), message);
  }
  void NoSeparator(QString T::*field, const char16_t* caption) {
    if (!problem_ && (record_.*field).contains(u'|'))
      problem_ = TCertProblem<T>{SeparatorRefused(QString::fromUtf16(caption)), field};
  }
  std::optional<TCertProblem<T>> Problem() const { return problem_; }

 private:
  const T& record_;
  std::optional<TCertProblem<T>> problem_;
};

}  // namespace

QString SeparatorRefused(const QString& caption) {
  return caption + QStringLiteral("不能包含字符“|”！");
}

std::optional<TCertProblem<TCertPayer>> CheckCertPayer(const TCertPayer& payer) {
  using P = TCertPayer;
  TChecks<P> checks(payer);
  checks.Required(&P::AccNo, u"付款账号不能为空");
  checks.NoSeparator(&P::AccNo, u"付款账号");
  checks.NoSeparator(&P::AccName, u"付款账户名称");
  checks.NoSeparator(&P::CounterName, u"付款账户开户行名称");
  return checks.Problem();
}

std::optional<TCertProblem<TCertPayee>> CheckCertPayee(const TCertPayee& payee) {
  using P = TCertPayee;
  TChecks<P> checks(payee);
  checks.Required(&P::AccNo, u"收款账号不能为空");
  checks.Required(&P::AccName, u"收款户名不能为空");
  checks.Required(&P::CounterName, u"收款账户开户行名称不能为空");
  if (!payee.IsOwnBank()) checks.Required(&P::UBankNo, u"他行人行联行号不能为空");
  checks.NoSeparator(&P::AccNo, u"收款账号");
  checks.NoSeparator(&P::AccName, u"收款账户名称");
  checks.NoSeparator(&P::CounterName, u"收款账号开户行名称");
  checks.NoSeparator(&P::UBankNo, u"他行人行联行号");
  return checks.Problem();
}

std::optional<TCertProblem<TCertAddInfo>> CheckCertAddInfo(const TCertAddInfo& info) {
  using A = TCertAddInfo;
  TChecks<A> checks(info);
  checks.Required(&A::BudgetManage, u"预算管理不能为空");
  checks.Required(&A::FuncType, u"功能分类不能为空");
  checks.Required(&A::EconomyType, u"经济分类不能为空");
  checks.Required(&A::PayoutType, u"支出类型不能为空");
  checks.Required(&A::BudgetSource, u"预算来源不能为空");
  checks.NoSeparator(&A::BudgetManage, u"预算管理");
  checks.NoSeparator(&A::FuncType, u"功能分类");
  checks.NoSeparator(&A::EconomyType, u"经济分类");
  checks.NoSeparator(&A::PayoutType, u"支出类型");
  checks.NoSeparator(&A::BudgetSource, u"预算来源");
  checks.NoSeparator(&A::ProjectId, u"关联号");
  return checks.Problem();
}

std::optional<TCertProblem<TUserInput>> CheckUserInput(const TUserInput& doc) {
  using U = TUserInput;
  TChecks<U> checks(doc);
  checks.Required(&U::PayerAccNo, u"付款账号不能为空");
  checks.Required(&U::PayeeAccNo, u"收款账号不能为空");
  checks.Required(&U::PayeeAccName, u"收款户名不能为空");
  checks.Required(&U::PayeeCounterName, u"收款账户开户行名称不能为空");
  if (!doc.IsOwnBank()) checks.Required(&U::PayeeUBankNo, u"他行人行联行号不能为空");
  checks.Required(&U::BudgetManage, u"预算管理不能为空");
  checks.Required(&U::FuncType, u"功能分类不能为空");
  checks.Required(&U::EconomyType, u"经济分类不能为空");
  checks.Required(&U::PayoutType, u"支出类型不能为空");
  checks.Required(&U::BudgetSource, u"预算来源不能为空");
  const std::optional<TAmount> amount = TAmount::ParsePayment(doc.Amt.trimmed());
  checks.Require(&U::Amt, amount && *amount > TAmount(), u"请输入正确的交易金额!");
  checks.Required(&U::Usge, u"用途不能为空");
  const std::pair<QString U::*, const char16_t*> captions[] = {
      {&U::PayerAccNo, u"付款帐号"},
      {&U::PayerAccName, u"付款账户名称"},
      {&U::PayerCounterName, u"付款账户开户行名称"},
      {&U::PayeeAccNo, u"收款账号"},
      {&U::PayeeAccName, u"收款账户名称"},
      {&U::PayeeCounterName, u"收款账户开户行名称"},
      {&U::PayeeUBankNo, u"他行人行联行号"},
      {&U::BudgetManage, u"预算管理"},
      {&U::FuncType, u"功能分类"},
      {&U::EconomyType, u"经济分类"},
      {&U::PayoutType, u"支出类型"},
      {&U::BudgetSource, u"预算来源"},
      {&U::ProjectId, u"关联号"},
      {&U::Amt, u"金额"},
      {&U::Usge, u"用途"},
      {&U::CreditNo, u"专用凭单号码"},
      {&U::Remark, u"备注"},
  };
  for (const auto& [field, caption] : captions) checks.NoSeparator(field, caption);
  return checks.Problem();
}
