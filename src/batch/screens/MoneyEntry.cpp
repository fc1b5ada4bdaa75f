#include "batch/screens/MoneyEntry.h"

#include "registers/store/RegisterStore.h"

namespace money_entry {

namespace {

const QLatin1String kContracted("0");
const QLatin1String kAuthorized("1");

QString Refused(const QString& field) {
  return field + QStringLiteral("不能包含字符“|”！");
}

std::optional<TProblem> BarInParty(const TPayerInfo& payer, const TPayeeInfo& payee) {
  struct TValue {
    const QString& Value;
    const char16_t* Name;
    TFocus Focus;
  };
  const TValue values[] = {
      {payer.PayAccName, u"付款账户名称", TFocus::ChoosePayer},
      {payer.PayAccNo, u"付款账号", TFocus::ChoosePayer},
      {payer.BranchCode, u"付款账户的分行号", TFocus::ChoosePayer},
      {payee.RcvAccNo, u"收款账号", TFocus::ChoosePayee},
      {payee.RcvAccName, u"收款账户名称", TFocus::ChoosePayee},
      {payee.BranchCode, u"收款账户的分行号", TFocus::ChoosePayee},
      {payee.CounterName, u"收款账户的开户行全称", TFocus::ChoosePayee},
      {payee.UbankNo, u"收款账户的联行号", TFocus::ChoosePayee},
      {payee.CounterNo, u"收款账户的网点号", TFocus::ChoosePayee},
      {payee.BankCode, u"收款账户的银行代码", TFocus::ChoosePayee},
      {payee.AreaCode, u"收款账户的地区代码", TFocus::ChoosePayee},
  };
  for (const TValue& v : values) {
    if (v.Value.contains(u'|')) return TProblem{Refused(QString::fromUtf16(v.Name)), v.Focus};
  }
  return std::nullopt;
}

QString PayerField(const TPayerInfo& payer, TPartyField field) {
  switch (field) {
    case TPartyField::AccNo:
      return payer.PayAccNo;
    case TPartyField::AccName:
      return payer.PayAccName;
    case TPartyField::Alias:
      return payer.AccAlias;
  }
  return {};
}

QString PayeeField(const TPayeeInfo& payee, TPartyField field) {
  switch (field) {
    case TPartyField::AccNo:
      return payee.RcvAccNo;
    case TPartyField::AccName:
      return payee.RcvAccName;
    case TPartyField::Alias:
      return payee.AccAlias;
  }
  return {};
}

bool Matches(const QString& value, TPartyField field, const QString& typed) {
  if (field == TPartyField::Alias && value.isEmpty()) return false;
  return value.contains(typed, Qt::CaseSensitive);
}

void AddPayees(QList<TCandidate>& list, const TOwningList<TPayeeInfo>& payees, TPartyField field,
               const QString& typed) {
  for (const TPayeeInfo& payee : payees) {
    const QString value = PayeeField(payee, field);
    if (Matches(value, field, typed)) list.append({value, payee.RcvAccNo});
  }
}

}  // namespace

TAmount AmountOf(const QString& text) {
  return TAmount::ParsePayment(text).value_or(TAmount());
}

std::optional<TProblem> Check(const TPayerInfo& payer, const TPayeeInfo& payee,
                              const QString& usage, const QString& amountText) {
  if (payer.PayAccNo.isEmpty())
    return TProblem{QStringLiteral("请选择付款账户!"), TFocus::ChoosePayer};
  if (payee.RcvAccNo.isEmpty())
    return TProblem{QStringLiteral("请选择收款账户!"), TFocus::ChoosePayee};
  if (payee.IsNVX == kAuthorized && payee.RcvAccNo == payer.PayAccNo)
    return TProblem{QStringLiteral("付款和收款不能是同一个账户!"), TFocus::ChoosePayee};
  if (payer.RightType == kAuthorized && payee.RightType != kContracted)
    return TProblem{QStringLiteral("授权付款账户对应的收款账户必须是签约的!"), TFocus::ChoosePayee};
  if (usage.trimmed().isEmpty())
    return TProblem{QStringLiteral("请输入") + QStringLiteral("用途") + u'!', TFocus::Usage};
  if (AmountOf(amountText) <= TAmount())
    return TProblem{QStringLiteral("请输入") + QStringLiteral("正确的金额") + u'!', TFocus::Amount};
  if (auto problem = BarInParty(payer, payee)) return problem;
  if (usage.contains(u'|')) return TProblem{Refused(QStringLiteral("用途")), TFocus::Usage};
  return std::nullopt;
}

QString PayerFilterFor(const TPayeeInfo& payee) {
  return payee.RightType != kContracted ? QString(kContracted) : QString();
}

bool IsAuthorized(const TPayerInfo& payer) {
  return payer.RightType == kAuthorized;
}

QList<TCandidate> PayerCandidates(const TRegisterStore& registers, TPartyField field,
                                  const QString& typed, const QString& filter) {
  QList<TCandidate> list;
  for (const TPayerInfo& payer : registers.Payers) {
    if (!filter.isEmpty() && payer.RightType != filter) continue;
    const QString value = PayerField(payer, field);
    if (Matches(value, field, typed)) list.append({value, payer.PayAccNo});
  }
  return list;
}

QList<TCandidate> PayeeCandidates(const TRegisterStore& registers, TPartyField field,
                                  const QString& typed, bool payerAuthorized) {
  if (payerAuthorized) return PayerCandidates(registers, field, typed, QString(kContracted));
  QList<TCandidate> list;
  AddPayees(list, registers.Payees, field, typed);
  AddPayees(list, registers.LocalPayees, field, typed);
  return list;
}

}  // namespace money_entry
