#include "registers/books/RegisterMerge.h"

#include <QHash>
#include <QList>
#include <QSet>
#include <memory>
#include <vector>

namespace {

bool IsOwnBank(const TPayeeInfo& payee) {
  return payee.IsNVX == QLatin1String("1");
}

// A registered payee whose file entry always wins.
bool IsOtherBankWithoutUbankNo(const TPayeeInfo& payee) {
  return payee.IsNVX.compare(QLatin1String("0"), Qt::CaseInsensitive) == 0 &&
         payee.UbankNo.isEmpty();
}

const QString& AccountOf(const TPayerInfo& payer) {
  return payer.PayAccNo;
}
const QString& AccountOf(const TPayeeInfo& payee) {
  return payee.RcvAccNo;
}

// The records of the list in order, the list left empty.
template <class T>
std::vector<std::unique_ptr<T>> Released(TOwningList<T> list) {
  std::vector<std::unique_ptr<T>> records(std::size_t(list.Count()));
  for (qsizetype i = list.Count() - 1; i >= 0; --i) records[std::size_t(i)] = list.Take(i);
  return records;
}

// The entries of an imported file, each of which one registered entry can match.
template <class T>
class TFileEntries {
 public:
  explicit TFileEntries(std::vector<std::unique_ptr<T>> entries) : entries_(std::move(entries)) {
    for (qsizetype i = 0; i < qsizetype(entries_.size()); ++i)
      unmatched_[AccountOf(*entries_[std::size_t(i)])].append(i);
  }

  // The first entry with the account not matched before, now matched; -1 when none.
  qsizetype Match(const QString& account) {
    const auto it = unmatched_.find(account);
    if (it == unmatched_.end() || it->isEmpty()) return -1;
    return it->takeFirst();
  }
  void Drop(qsizetype i) { entries_[std::size_t(i)].reset(); }

  // The entries not dropped, in file order.
  TOwningList<T> Remaining() {
    TOwningList<T> list;
    for (std::unique_ptr<T>& entry : entries_)
      if (entry) list.Append(std::move(entry));
    entries_.clear();
    return list;
  }

 private:
  std::vector<std::unique_ptr<T>> entries_;
  QHash<QString, QList<qsizetype>> unmatched_;
};

// The file's remaining entries, then a copy of each registered entry that stays.
template <class T>
TOwningList<T> Joined(TFileEntries<T>& file, const std::vector<const T*>& staying) {
  TOwningList<T> list = file.Remaining();
  for (const T* entry : staying) list.Append(std::make_unique<T>(*entry));
  return list;
}

template <class T, class Merge, class CanStay>
Merge MergeByAccount(const TOwningList<T>& registered, TOwningList<T> imported, CanStay canStay) {
  TFileEntries<T> file(Released(std::move(imported)));
  std::vector<const T*> staying;
  for (const T& entry : registered) {
    if (!canStay(entry)) continue;
    const qsizetype match = file.Match(AccountOf(entry));
    if (match < 0) continue;
    file.Drop(match);
    staying.push_back(&entry);
  }
  Merge merge;
  merge.Register = Joined(file, staying);
  for (const T* entry : staying) merge.NotUpdated.Append(std::make_unique<T>(*entry));
  return merge;
}

}  // namespace

TPayerMerge MergeImportedPayers(const TOwningList<TPayerInfo>& registered,
                                TOwningList<TPayerInfo> imported) {
  return MergeByAccount<TPayerInfo, TPayerMerge>(registered, std::move(imported),
                                                 [](const TPayerInfo&) { return true; });
}

TPayeeMerge MergeImportedPayees(const TOwningList<TPayeeInfo>& registered,
                                TOwningList<TPayeeInfo> imported) {
  return MergeByAccount<TPayeeInfo, TPayeeMerge>(
      registered, std::move(imported),
      [](const TPayeeInfo& payee) { return !IsOtherBankWithoutUbankNo(payee); });
}

TPayeeMerge MergeImportedLocal(const TOwningList<TPayeeInfo>& local,
                               TOwningList<TPayeeInfo> imported,
                               const TOwningList<TPayeeInfo>& payeeRegister,
                               const std::function<bool(qsizetype)>& askReplace) {
  QSet<QString> registeredAccounts;
  for (const TPayeeInfo& payee : payeeRegister) registeredAccounts.insert(payee.RcvAccNo);

  TPayeeMerge merge;
  std::vector<std::unique_ptr<TPayeeInfo>> importable;
  for (std::unique_ptr<TPayeeInfo>& entry : Released(std::move(imported))) {
    if (IsOwnBank(*entry) && registeredAccounts.contains(entry->RcvAccNo))
      merge.NotUpdated.Append(std::move(entry));  // belongs to the payee register
    else
      importable.push_back(std::move(entry));
  }

  TFileEntries<TPayeeInfo> file(std::move(importable));
  std::vector<const TPayeeInfo*> staying;
  for (qsizetype i = 0; i < local.Count(); ++i) {
    const TPayeeInfo& entry = local[i];
    if (IsOwnBank(entry)) {
      const qsizetype match = file.Match(entry.RcvAccNo);
      if (match >= 0) {
        if (askReplace(i)) continue;
        file.Drop(match);
      }
    }
    staying.push_back(&entry);
  }
  merge.Register = Joined(file, staying);
  return merge;
}
