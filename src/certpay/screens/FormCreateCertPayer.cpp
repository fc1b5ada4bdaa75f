#include "certpay/screens/FormCreateCertPayer.h"

TFormCreateCertPayer::TFormCreateCertPayer(TPrompts& prompts, QWidget* parent)
    : TCertEntryDialog(prompts, QStringLiteral("FormCreateCertPayer"),
                       QStringLiteral("中央财政支付付款人录入"), &CheckCertPayer, parent) {
  AddField("edtAccNo", QStringLiteral("付款账号："), &TCertPayer::AccNo);
  AddField("edtAccName", QStringLiteral("付款账户名称："), &TCertPayer::AccName);
  AddField("edtCounterName", QStringLiteral("付款账户开户行名称："), &TCertPayer::CounterName);
  AddButtons();
}
