#pragma once

#include "registers/screens/AccountBook.h"

class TFormDefPayee;

// "收款人名册": the receiving accounts delivered by the bank, filled by importing
// a register file or a workbook and saved to "Payee.xml" after every change.
class TfmPayeeBook : public TAccountBook {
  Q_OBJECT
 public:
  explicit TfmPayeeBook(const TRegisterContext& context, QWidget* parent = nullptr);

 public:
  void btnEditClick() override;
  void btnImportClick() override;
  void btnExportClick() override;

 protected:
  int EntryCount() const override;
  QString EntryText(int col, int row) const override;
  void RemoveEntries(int first, int last) override;
  void SaveEntries() const override;

 private:
  TFormDefPayee* defPayee_ = nullptr;
};
