#pragma once

#include "registers/screens/AccountBook.h"

// "本地名册": receiving accounts the clerk keeps by hand beside the bank's payee
// register, saved to "PayeeLocal.xml" after every change.
class TfmpaylocalBook : public TAccountBook {
  Q_OBJECT
 public:
  explicit TfmpaylocalBook(const TRegisterContext& context, QWidget* parent = nullptr)
      : TAccountBook(LocalPayeeBookKind(), context, parent) {}
};
