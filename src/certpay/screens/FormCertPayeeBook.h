#pragma once

#include "certpay/screens/CertRegisterBook.h"

// "中央财政支付收款人名册": the receiving accounts of central-finance payments,
// saved to "CertPayee.xml" after every change.
class TFormCertPayeeBook : public TCertRegisterBook {
  Q_OBJECT
 public:
  explicit TFormCertPayeeBook(const TCertPayContext& context, QWidget* parent = nullptr)
      : TCertRegisterBook(CertPayeeBookKind(), context, parent) {}
};
