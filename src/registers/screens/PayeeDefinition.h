#pragma once

#include <QString>
#include <optional>

#include "registers/branches/BranchList.h"
#include "registers/records/PayeeInfo.h"

class TRegisterStore;

// What the clerk has entered in the payee definition dialog.
struct TPayeeFields {
  QString AccNo;
  QString AccName;
  bool OwnBank = true;

  // Own bank: the chosen branch and the chosen counter of that branch; null
  // when none is chosen.
  const TBranch* Branch = nullptr;
  const TCounter* Counter = nullptr;

  // Other bank.
  bool ManualBranch = false;  // the branch name is typed instead of chosen
  QString BankCode;           // of the chosen bank; empty when none
  QString ProvinceText;       // the province list's text
  QString AreaCode;           // of the chosen city; empty when none
  bool BranchChosen = false;  // a branch of the list is chosen
  QString UBankNo;            // the chosen branch's interbank number
  QString BranchText;         // the branch list's text: the chosen or the typed name

  QString SortId;
  QString Alias;
};

// The field a refused definition sends the clerk back to.
enum class TPayeeField { AccNo, AccName, Branch, Counter, UBank };

struct TPayeeRefusal {
  QString Message;
  TPayeeField Field = TPayeeField::AccNo;
  bool SelectText = false;  // the field's whole text is to be selected
};

// The checks and the storing behind "确定" of the payee definition dialog, for
// one opening of the dialog with one payee.
class TPayeeDefinition {
 public:
  // Register: an entry of the payee register. Local: a new payee or an entry
  // of the local register.
  enum class TMode { Register, Local };

  TPayeeDefinition() = default;
  TPayeeDefinition(TMode mode, const TPayeeInfo& opened);

  TMode Mode() const { return mode_; }
  const QString& InitialAccNo() const { return initialAccNo_; }
  const QString& InitialCounterName() const { return initialCounterName_; }
  // The payee had no account number when the dialog opened.
  bool IsNew() const { return initialAccNo_.isEmpty(); }
  // Account number, name and category of an existing register entry stay as they are.
  bool Locked() const { return mode_ == TMode::Register && !IsNew(); }
  // The category the payee opened with: another bank only when IsNVX is "0".
  bool OpenedAsOwnBank() const { return openedAsOwnBank_; }

  // Trims the account number, the name and the typed branch name, as the
  // dialog does in its fields before the checks.
  static void Trim(TPayeeFields& fields);

  // The first check the (trimmed) fields fail, in the dialog's order; nothing
  // when all pass. The registers are searched with FindAnyPayee.
  std::optional<TPayeeRefusal> Check(const TPayeeFields& fields, TRegisterStore& registers) const;

  // Writes the fields into the payee. ExchangeNo, Status, RightType, AccOrder
  // and CurType are left as they are, and so is what the fields do not choose
  // (an own-bank payee's branch and counter when none is chosen).
  static void Store(const TPayeeFields& fields, TPayeeInfo& payee);

 private:
  TMode mode_ = TMode::Local;
  QString initialAccNo_;
  QString initialCounterName_;
  bool openedAsOwnBank_ = true;
};
