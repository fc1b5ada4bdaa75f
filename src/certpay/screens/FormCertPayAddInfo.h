#pragma once

#include "certpay/screens/CertRegisterBook.h"

// "中央财政支付附加信息": the budget information of central-finance payments,
// saved to "CertAddInfo.xml" after every change.
class TFormCertPayAddInfo : public TCertRegisterBook {
  Q_OBJECT
 public:
  explicit TFormCertPayAddInfo(const TCertPayContext& context, QWidget* parent = nullptr)
      : TCertRegisterBook(CertAddInfoBookKind(), context, parent) {}
};
