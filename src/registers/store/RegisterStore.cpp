#include "registers/store/RegisterStore.h"

#include "platform/files/AtomicFile.h"

namespace {

template <class T>
T* FindFirst(TOwningList<T>& list, auto matches) {
  for (T& record : list)
    if (matches(record)) return &record;
  return nullptr;
}

}  // namespace

void TRegisterStore::Load() {
  const auto load = [this](auto& list, const TInfoConfig& config) {
    LoadRegisterAtStart(list, paths_.ListFile(config), config, damagedFiles_);
  };
  load(Payers, info_configs::Payers());
  load(Payees, info_configs::Payees());
  load(LocalPayees, info_configs::LocalPayees());
  LoadUsages();
  LastPayerAccount.clear();
}

bool TRegisterStore::MergePayees(TOwningList<TPayeeInfo>& list, const TInfoConfig& config) const {
  list.Clear();
  const bool read = ReadRegisterItems(paths_.ListFile(config), config, [&list](xml::Node item) {
    auto payee = std::make_unique<TPayeeInfo>();
    payee->LoadFromXml(item);
    for (const TPayeeInfo& present : list)
      if (present.RcvAccNo == payee->RcvAccNo && present.RcvAccName == payee->RcvAccName) return;
    list.Append(std::move(payee));
  });
  if (!read) list.Clear();
  return read;
}

void TRegisterStore::LoadUsages() {
  Usages.Clear();
  if (const std::optional<QByteArray> bytes =
          ReadWholeFile(paths_.ParamFile(QStringLiteral("Usage.txt"))))
    Usages.LoadFromGbk(*bytes);
}

void TRegisterStore::SaveUsages() const {
  WriteFileAtomically(paths_.ParamFile(QStringLiteral("Usage.txt")), Usages.ToGbk());
}

TPayerInfo* TRegisterStore::FindPayer(const QString& accNo) {
  return FindFirst(Payers, [&](const TPayerInfo& p) { return p.PayAccNo == accNo; });
}

TPayerInfo* TRegisterStore::FindLastPayer(const QString& accNo) {
  for (qsizetype i = Payers.Count() - 1; i >= 0; --i)
    if (Payers[i].PayAccNo == accNo) return &Payers[i];
  return nullptr;
}

TPayeeInfo* TRegisterStore::FindPayee(const QString& accNo) {
  return FindFirst(Payees, [&](const TPayeeInfo& p) { return p.RcvAccNo == accNo; });
}

TPayeeInfo* TRegisterStore::FindAnyPayee(const QString& accNo) {
  if (TPayeeInfo* payee = FindPayee(accNo)) return payee;
  return FindFirst(LocalPayees, [&](const TPayeeInfo& p) {
    return p.RcvAccNo == accNo && p.IsNVX == QLatin1String("1");
  });
}

void TRegisterStore::RefreshParties(TPayerInfo& payer, TPayeeInfo& payee) {
  if (const TPayerInfo* registered = FindPayer(payer.PayAccNo)) payer.Assign(*registered);
  if (const TPayeeInfo* registered = FindPayee(payee.RcvAccNo)) payee.Assign(*registered);
}
