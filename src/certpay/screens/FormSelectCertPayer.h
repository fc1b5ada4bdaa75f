#pragma once

#include <optional>

#include "certpay/records/CertPayer.h"
#include "core/OwningList.h"
#include "widgets/frames/SelectDialog.h"

// "选择中央财政支付付款人信息": the payer the document dialog takes.
class TFormSelectCertPayer : public TSelectDialog {
  Q_OBJECT
 public:
  TFormSelectCertPayer(TPrompts& prompts, const TOwningList<TCertPayer>& list,
                       QWidget* parent = nullptr);

  // Shows the register through the prompts' RunModal; a copy of the entry
  // chosen, or nothing (none chosen, or the register is empty).
  static std::optional<TCertPayer> Choose(TPrompts& prompts, const TOwningList<TCertPayer>& list,
                                          QWidget* parent = nullptr);

 private:
  const TOwningList<TCertPayer>& list_;
};
