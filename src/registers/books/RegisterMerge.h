#pragma once

#include <QtGlobal>
#include <functional>

#include "core/OwningList.h"
#include "registers/records/PayeeInfo.h"
#include "registers/records/PayerInfo.h"

// How an imported file replaces a register. Register is the new register;
// NotUpdated lists the accounts for which the file's data was not taken.

struct TPayerMerge {
  TOwningList<TPayerInfo> Register;
  TOwningList<TPayerInfo> NotUpdated;
};

struct TPayeeMerge {
  TOwningList<TPayeeInfo> Register;
  TOwningList<TPayeeInfo> NotUpdated;
};

// The file's accounts in file order, but an account already registered is
// taken with its registered data instead: the first file entry with its
// account number is dropped and a copy of the registered entry is appended
// after the file's entries, in register order, and listed as not updated. Each
// file entry stands in for one registered entry at most, so a registered
// account that the file holds fewer times than the register is dropped like
// any account absent from the file.
TPayerMerge MergeImportedPayers(const TOwningList<TPayerInfo>& registered,
                                TOwningList<TPayerInfo> imported);

// As MergeImportedPayers by RcvAccNo, except that a registered payee of
// another bank without an interbank number (IsNVX "0", UbankNo empty) is never
// kept: the file's entry is taken and nothing is listed.
TPayeeMerge MergeImportedPayees(const TOwningList<TPayeeInfo>& registered,
                                TOwningList<TPayeeInfo> imported);

// The local register's import. The file's own-bank entries (IsNVX "1") whose
// account number is in the payee register are left out and listed as not
// updated. Then for local entry i of this bank whose account number the file
// holds, askReplace(i) decides: true takes the file's entry (the first one of
// that number not yet matched), false drops that file entry and keeps entry i.
// The file's entries come first, in file order, then the local entries that
// stay, in register order; other-bank entries always stay, even when the file
// holds the same account number.
TPayeeMerge MergeImportedLocal(const TOwningList<TPayeeInfo>& local,
                               TOwningList<TPayeeInfo> imported,
                               const TOwningList<TPayeeInfo>& payeeRegister,
                               const std::function<bool(qsizetype)>& askReplace);
