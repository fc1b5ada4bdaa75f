#include "certpay/screens/FormCreateCertPayee.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>

#include "registers/screens/FormSelectUBank.h"
#include "widgets/base/CommandGuard.h"

namespace {

QComboBox* NewChoice(QWidget* parent, const char* name, const QStringList& items) {
  auto* choice = new QComboBox(parent);
  choice->setObjectName(QString::fromLatin1(name));
  choice->addItems(items);
  return choice;
}

}  // namespace

TFormCreateCertPayee::TFormCreateCertPayee(TPrompts& prompts, QString paramDir, QWidget* parent)
    : TCertEntryDialog(prompts, QStringLiteral("FormCreateCertPayee"),
                       QStringLiteral("中央财政支付收款人录入"), &CheckCertPayee, parent),
      paramDir_(std::move(paramDir)) {
  using P = TCertPayee;
  AddField("edtAccNo", QStringLiteral("收款账号："), &P::AccNo);
  AddField("edtAccName", QStringLiteral("收款账户名称："), &P::AccName);
  AddField("edtCounterName", QStringLiteral("收款账号开户行名称："), &P::CounterName);
  cmbIsNVX_ = NewChoice(this, "cmbIsNVX", {P::kOwnBankText, P::kOtherBankText});
  AddRow(QStringLiteral("收款账号是否他行标识："), cmbIsNVX_);
  edtUBankNo_ = AddField("edtUBankNo", QStringLiteral("他行人行联行号："), &P::UBankNo);
  auto* btnUBank = new QPushButton(QStringLiteral("查询联行号"), this);
  btnUBank->setObjectName(QStringLiteral("btnUBank"));
  btnUBank->setAutoDefault(false);
  ConnectClick(btnUBank, Prompts(), [this] { btnUBankClick(); });
  AddRow(QString(), btnUBank);
  cmbIsPsnAcc_ = NewChoice(this, "cmbIsPsnAcc", {P::kCorporateText, P::kPersonalText});
  AddRow(QStringLiteral("对公对私标志："), cmbIsPsnAcc_);
  AddButtons();
}

void TFormCreateCertPayee::ShowChoices(const TCertPayee& payee) {
  // "2" (a payee saved from the editor's documents) is of another bank, as the
  // register shows it; only a new payee starts as one of this bank.
  cmbIsNVX_->setCurrentIndex(payee.IsNVX.isEmpty() || payee.IsOwnBank() ? 0 : 1);
  cmbIsPsnAcc_->setCurrentIndex(payee.IsPersonal() ? 1 : 0);
}

void TFormCreateCertPayee::StoreChoices(TCertPayee& payee) const {
  payee.IsNVX = cmbIsNVX_->currentIndex() == 1 ? QStringLiteral("0") : QStringLiteral("1");
  payee.IsPsnAcc = cmbIsPsnAcc_->currentIndex() == 1 ? QStringLiteral("P") : QStringLiteral("U");
}

void TFormCreateCertPayee::btnUBankClick() {
  const QString ubankNo = TFormSelectUBank::Pick(Prompts(), paramDir_, this);
  if (!ubankNo.isEmpty()) edtUBankNo_->setText(ubankNo);
}
