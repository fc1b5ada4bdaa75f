#pragma once

#include "registers/screens/AccountBook.h"

class TFormDefPayee;

// "本地名册": receiving accounts the clerk keeps by hand beside the bank's payee
// register, saved to "PayeeLocal.xml" after every change.
class TfmpaylocalBook : public TAccountBook {
  Q_OBJECT
 public:
  explicit TfmpaylocalBook(const TRegisterContext& context, QWidget* parent = nullptr);

 public:
  void btnAddClick() override;
  void btnEditClick() override;
  void btnImportClick() override;
  void btnExportClick() override;

 protected:
  int EntryCount() const override;
  QString EntryText(int col, int row) const override;
  void RemoveEntries(int first, int last) override;
  void SaveEntries() const override;

 private:
  TFormDefPayee& DefPayee();

  TFormDefPayee* defPayee_ = nullptr;
};
