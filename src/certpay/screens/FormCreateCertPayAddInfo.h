#pragma once

#include "certpay/records/CertAddInfo.h"
#include "certpay/screens/CertEntryDialog.h"

// "中央财政支付附加信息": the entry dialog of the budget information register.
// Every field but "关联号：" is required.
class TFormCreateCertPayAddInfo : public TCertEntryDialog<TCertAddInfo> {
 public:
  explicit TFormCreateCertPayAddInfo(TPrompts& prompts, QWidget* parent = nullptr);
};
