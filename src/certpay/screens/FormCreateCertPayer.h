#pragma once

#include "certpay/records/CertPayer.h"
#include "certpay/screens/CertEntryDialog.h"

// "中央财政支付付款人录入": the entry dialog of the central-finance payer
// register. The account number is required.
class TFormCreateCertPayer : public TCertEntryDialog<TCertPayer> {
 public:
  explicit TFormCreateCertPayer(TPrompts& prompts, QWidget* parent = nullptr);
};
