#pragma once

#include "registers/screens/AccountBook.h"

// "收款人名册": the receiving accounts delivered by the bank,
// filled by importing a register file or a workbook and saved to "Payee.xml"
// after every change.
class TfmPayeeBook : public TAccountBook {
  Q_OBJECT
 public:
  explicit TfmPayeeBook(const TRegisterContext& context, QWidget* parent = nullptr)
      : TAccountBook(PayeeBookKind(), context, parent) {}
};
