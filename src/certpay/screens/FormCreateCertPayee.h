#pragma once

#include <QString>

#include "certpay/records/CertPayee.h"
#include "certpay/screens/CertEntryDialog.h"

class QComboBox;
class QLineEdit;

// "中央财政支付收款人录入": the entry dialog of the central-finance payee
// register. Account number, name and branch are required, and for a payee of
// another bank ("0-他行") the interbank number, which "查询联行号" (btnUBank)
// picks from the other-bank code tables.
class TFormCreateCertPayee : public TCertEntryDialog<TCertPayee> {
 public:
  // paramDir holds the code tables of the interbank-number dialog.
  TFormCreateCertPayee(TPrompts& prompts, QString paramDir, QWidget* parent = nullptr);

  void btnUBankClick();

 protected:
  // "1-维行" for IsNVX "1" or empty, else "0-他行"; "对私账号" for IsPsnAcc
  // "P", else "对公账号".
  void ShowChoices(const TCertPayee& payee) override;
  // IsNVX "1" or "0", IsPsnAcc "U" or "P".
  void StoreChoices(TCertPayee& payee) const override;

 private:
  QString paramDir_;
  QLineEdit* edtUBankNo_ = nullptr;
  QComboBox* cmbIsNVX_ = nullptr;
  QComboBox* cmbIsPsnAcc_ = nullptr;
};
