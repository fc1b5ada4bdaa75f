#pragma once

#include "registers/screens/RegisterContext.h"
#include "registers/store/RegisterStore.h"
#include "widgets/base/ClientDialog.h"

class QComboBox;
class QLineEdit;
class TPayerInfo;

// Shows one of the company's own accounts; the clerk may change its group and
// alias only.
class TFormDefPayer : public TClientDialog {
  Q_OBJECT
 public:
  explicit TFormDefPayer(const TRegisterContext& context, QWidget* parent = nullptr);

  // Runs modally through Prompts().runModal; on "确定" stores group and alias into the payer.
  // True only when one of them changed (the caller then saves the register).
  bool Execute(TPayerInfo& payer);

  // Fills the controls with the payer without running the dialog; Execute
  // starts with it.
  void ShowPayer(TPayerInfo& payer);

  // "确定": stores group and alias when one of them changed, and closes.
  void btnOkClick();

 private:
  void CreateControls();
  QLineEdit* NewShownField(const QString& name);

  TRegisterStore& registers_;
  TPayerInfo* payer_ = nullptr;
  bool changed_ = false;

  QLineEdit* edtPayAccNo_ = nullptr;
  QLineEdit* edtPayAccName_ = nullptr;
  QLineEdit* edtBranchName_ = nullptr;
  QLineEdit* edtCounterName_ = nullptr;
  QLineEdit* edtRightType_ = nullptr;
  QLineEdit* edtBalance_ = nullptr;
  QLineEdit* edtBalanceDate_ = nullptr;
  QComboBox* cmbSortId_ = nullptr;
  QComboBox* cmbAlias_ = nullptr;
};
