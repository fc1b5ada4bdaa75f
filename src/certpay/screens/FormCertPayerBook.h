#pragma once

#include "certpay/screens/CertRegisterBook.h"

// "中央财政支付付款人名册": the paying accounts of central-finance payments,
// saved to "CertPayer.xml" after every change.
class TFormCertPayerBook : public TCertRegisterBook {
  Q_OBJECT
 public:
  explicit TFormCertPayerBook(const TCertPayContext& context, QWidget* parent = nullptr)
      : TCertRegisterBook(CertPayerBookKind(), context, parent) {}
};
