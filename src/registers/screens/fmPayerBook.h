#pragma once

#include "registers/screens/AccountBook.h"

// "付款人名册": the company's own accounts, from which transfers are paid,
// filled by importing a register file or a workbook and saved to "Payer.xml"
// after every change.
class TfmPayerBook : public TAccountBook {
  Q_OBJECT
 public:
  explicit TfmPayerBook(const TRegisterContext& context, QWidget* parent = nullptr)
      : TAccountBook(PayerBookKind(), context, parent) {}
};
