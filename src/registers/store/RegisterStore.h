#pragma once

#include <QList>
#include <QString>

#include "core/AppPaths.h"
#include "core/OwningList.h"
#include "core/RegisterList.h"
#include "registers/records/PayeeInfo.h"
#include "registers/records/PayerInfo.h"
#include "registers/store/RegisterFiles.h"
#include "registers/store/UsageList.h"

// The registers that the screens share: payers, payees, local payees and the
// usage texts, with their files in "param". It shows no messages; failures to
// write reach the caller as TFileError.
class TRegisterStore {
 public:
  explicit TRegisterStore(TAppPaths paths) : paths_(std::move(paths)) {}

  TRegisterStore(const TRegisterStore&) = delete;
  TRegisterStore& operator=(const TRegisterStore&) = delete;

  const TAppPaths& Paths() const { return paths_; }

  TOwningList<TPayerInfo> Payers;
  TOwningList<TPayeeInfo> Payees;
  TOwningList<TPayeeInfo> LocalPayees;
  TUsageList Usages;
  // The payer of the document most recently added in the batch editor: the
  // next new document starts with it.
  QString LastPayerAccount;

  // Reads the three registers and the usage list; a damaged register file is
  // kept aside and listed in DamagedFiles.
  void Load();
  const QList<TDamagedFile>& DamagedFiles() const { return damagedFiles_; }

  // Replaces the list by the records of the descriptor's file. False, with the
  // list empty, when the file is missing, unreadable, not GBK, not
  // well-formed or another register's (ReadRegisterItems).
  template <class T>
  bool LoadList(TOwningList<T>& list, const TInfoConfig& config) const {
    return LoadRegisterList(list, paths_.ListFile(config), config);
  }
  // As LoadList with payees, leaving out a payee whose RcvAccNo and RcvAccName
  // equal those of one read before.
  bool MergePayees(TOwningList<TPayeeInfo>& list, const TInfoConfig& config) const;

  // Replaces the descriptor's file by the list. Throws TFileError when it cannot
  // be written; the old file is then untouched.
  template <class T>
  void SaveList(const TOwningList<T>& list, const TInfoConfig& config) const {
    SaveRegisterList(list, paths_.ListFile(config), config);
  }

  // Replaces Usages by "Usage.txt"; a missing file leaves it empty.
  void LoadUsages();
  // Throws TFileError when "Usage.txt" cannot be written.
  void SaveUsages() const;

  // Account numbers are compared exactly. Null when none.
  TPayerInfo* FindPayer(const QString& accNo);
  TPayerInfo* FindLastPayer(const QString& accNo);
  TPayeeInfo* FindPayee(const QString& accNo);
  // FindPayee, else the first local payee of this bank (IsNVX "1") with the account.
  TPayeeInfo* FindAnyPayee(const QString& accNo);
  // Overwrites the parties of a transfer document from the registered payer and
  // payee of the same account numbers, where there are such.
  void RefreshParties(TPayerInfo& payer, TPayeeInfo& payee);

 private:
  TAppPaths paths_;
  QList<TDamagedFile> damagedFiles_;
};
