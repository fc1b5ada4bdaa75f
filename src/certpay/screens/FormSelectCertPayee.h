#pragma once

#include <optional>

#include "certpay/records/CertPayee.h"
#include "core/OwningList.h"
#include "widgets/frames/SelectDialog.h"

// "选择中央财政支付收款人信息": the payee the document dialog takes; its kind reads "对公账号" or
// "对私账号".
class TFormSelectCertPayee : public TSelectDialog {
  Q_OBJECT
 public:
  TFormSelectCertPayee(TPrompts& prompts, const TOwningList<TCertPayee>& list,
                       QWidget* parent = nullptr);

  // Shows the register through the prompts' RunModal; a copy of the entry
  // chosen, or nothing (none chosen, or the register is empty).
  static std::optional<TCertPayee> Choose(TPrompts& prompts, const TOwningList<TCertPayee>& list,
                                          QWidget* parent = nullptr);

 private:
  const TOwningList<TCertPayee>& list_;
};
