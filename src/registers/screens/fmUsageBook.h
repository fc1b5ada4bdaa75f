#pragma once

#include <memory>

#include "registers/screens/RegisterContext.h"
#include "widgets/frames/RegisterBook.h"

// "转账用途": the usage texts offered when a transfer is entered, kept in Chinese
// order without regard to case and saved to "Usage.txt" after every change.
class TfmUsageBook : public TRegisterBook {
  Q_OBJECT
 public:
  explicit TfmUsageBook(const TRegisterContext& context, QWidget* parent = nullptr);
  ~TfmUsageBook() override;

  void btnAddClick();
  void btnEditClick() override;
  void btnDeleteClick();

 protected:
  void RemoveEntries(int first, int last) override;
  void SaveEntries() const override;

 private:
  TRegisterStore& registers_;
  std::unique_ptr<TListModel> model_;
};
