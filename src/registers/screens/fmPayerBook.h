#pragma once

#include "registers/screens/AccountBook.h"

class TFormDefPayer;

// "付款人名册": the company's own accounts, filled by importing a register file
// or a workbook and saved to "Payer.xml" after every change.
class TfmPayerBook : public TAccountBook {
  Q_OBJECT
 public:
  explicit TfmPayerBook(const TRegisterContext& context, QWidget* parent = nullptr);

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
  TFormDefPayer* defPayer_ = nullptr;
};
