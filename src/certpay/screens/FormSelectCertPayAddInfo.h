#pragma once

#include <optional>

#include "certpay/records/CertAddInfo.h"
#include "core/OwningList.h"
#include "widgets/frames/SelectDialog.h"

// "中央财政支付附加信息": the budget information the document dialog takes.
class TFormSelectCertPayAddInfo : public TSelectDialog {
  Q_OBJECT
 public:
  TFormSelectCertPayAddInfo(TPrompts& prompts, const TOwningList<TCertAddInfo>& list,
                            QWidget* parent = nullptr);

  // Shows the register through the prompts' RunModal; a copy of the entry
  // chosen, or nothing (none chosen, or the register is empty).
  static std::optional<TCertAddInfo> Choose(TPrompts& prompts,
                                            const TOwningList<TCertAddInfo>& list,
                                            QWidget* parent = nullptr);

 private:
  const TOwningList<TCertAddInfo>& list_;
};
