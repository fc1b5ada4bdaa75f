#pragma once

#include <QString>

#include "registers/codetables/OtherBankTables.h"
#include "registers/codetables/UBankCascade.h"
#include "widgets/base/ClientDialog.h"

class QComboBox;
class TUBankChoiceLists;

// The interbank-number dialog: the clerk picks province, city, bank and branch
// from the code tables of the param directory, read when the dialog is made.
// Made for one use.
class TFormSelectUBank : public TClientDialog {
  Q_OBJECT
 public:
  TFormSelectUBank(TPrompts& prompts, const QString& paramDir, QWidget* parent = nullptr);
  ~TFormSelectUBank() override;

  // Runs the dialog through the prompts and returns the interbank number of the
  // branch chosen at "确定"; empty when no branch was chosen or it was cancelled.
  static QString Pick(TPrompts& prompts, const QString& paramDir, QWidget* parent = nullptr);

  // "确定": the chosen branch's interbank number (if any) becomes the result,
  // and the dialog closes.
  void btnOkClick();
  // The result "确定" left; empty before and when no branch was chosen.
  QString UBankNo() const { return ubankNo_; }

  // Shows a choice as if the clerk had made it: the bank by its code, the
  // province by its name, the city by its area code, the branch by its
  // interbank number.
  void SelectForShow(const QString& bankCode, const QString& provinceName, const QString& areaCode,
                     const QString& ubankNo);

 private:
  void CreateControls();

  TOtherBankTables tables_;
  TUBankCascade cascade_;
  QComboBox* cmbProvince_ = nullptr;
  QComboBox* cmbCity_ = nullptr;
  QComboBox* cmbBank_ = nullptr;
  QComboBox* cmbBranch_ = nullptr;
  TUBankChoiceLists* lists_ = nullptr;
  QString ubankNo_;
};
