#include "agentpay/screens/fmDfdkqr.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/prompts/Prompts.h"
#include "widgets/base/CommandGuard.h"
#include "widgets/base/OkCancelRow.h"
#include "widgets/base/ReadOnlyField.h"
#include "widgets/base/SecretField.h"

TfmDfdkqr::TfmDfdkqr(TPrompts& prompts, TConfirm confirm, QWidget* parent)
    : TClientDialog(prompts, parent), confirm_(std::move(confirm)) {
  setObjectName(QStringLiteral("fmDfdkqr"));
  setWindowTitle(QStringLiteral("代发代扣确认"));
  setMinimumWidth(460);
  CreateControls();
}

TfmDfdkqr::~TfmDfdkqr() {
  secret_field::Wipe(edtPassword_);
}

void TfmDfdkqr::CreateControls() {
  auto* form = new QFormLayout;
  const auto addField = [&](const char* name, const QString& caption) {
    auto* field = new QLineEdit(this);
    field->setObjectName(QString::fromLatin1(name));
    SetFieldReadOnly(*field);
    auto* label = new QLabel(caption, this);
    form->addRow(label, field);
    return std::pair{label, field};
  };
  const auto [lblAccName, accName] = addField("edtAccName", QString());
  const auto [lblAccNo, accNo] = addField("edtAccNo", QString());
  const auto [lblBank, bank] = addField("edtBank", QString());
  edtAccName_ = accName;
  edtAccNo_ = accNo;
  edtBank_ = bank;
  partyLabels_ = {lblAccName, lblAccNo, lblBank};
  accountRows_ = {lblAccNo, accNo, lblBank, bank};
  edtCount_ = addField("edtCount", QStringLiteral("代发记录数：")).second;
  std::tie(lblTime_, edtTime_) = addField("edtTime", QStringLiteral("上传时间："));
  edtAmount_ = addField("edtAmount", QStringLiteral("金额：")).second;
  edtAmtNum_ = addField("edtAmtNum", QStringLiteral("小写：")).second;
  edtUse_ = addField("edtUse", QStringLiteral("用途：")).second;
  edtMaker_ = addField("edtMaker", QStringLiteral("制单：")).second;

  lblReviewer_ = new QLabel(QStringLiteral("选择下级复核员："), this);
  cmbReviewer_ = new QComboBox(this);
  cmbReviewer_->setObjectName(QStringLiteral("cmbReviewer"));
  form->addRow(lblReviewer_, cmbReviewer_);
  edtPassword_ = new QLineEdit(this);
  edtPassword_->setObjectName(QStringLiteral("edtPassword"));
  edtPassword_->setEchoMode(QLineEdit::Password);
  edtPassword_->setMaxLength(12);
  form->addRow(new QLabel(QStringLiteral("交易密码："), this), edtPassword_);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addLayout(OkCancelRow(
      *this, [this] { btnOkClick(); }, true));
  btnOk_ = findChild<QPushButton*>(QStringLiteral("btnOk"));
  SetPartyWording(false);
  SetReviewers({}, false);
  edtPassword_->setFocus();
}

void TfmDfdkqr::SetPartyWording(bool collect) {
  const QString party = collect ? QStringLiteral("收款人") : QStringLiteral("付款人");
  partyLabels_[0]->setText(party + QStringLiteral("全称："));
  partyLabels_[1]->setText(party + QStringLiteral("账号："));
  partyLabels_[2]->setText(party + QStringLiteral("开户行："));
}

void TfmDfdkqr::SetReviewers(const QList<TPayReviewer>& reviewers, bool shown) {
  reviewers_ = reviewers;
  cmbReviewer_->clear();
  for (const TPayReviewer& reviewer : reviewers) cmbReviewer_->addItem(reviewer.Name);
  cmbReviewer_->setCurrentIndex(reviewers.isEmpty() ? -1 : 0);
  lblReviewer_->setVisible(shown);
  cmbReviewer_->setVisible(shown);
}

void TfmDfdkqr::ShowN17(const TQueryFileResultResult& upload) {
  SetPartyWording(upload.TRAN_TYPE == u"1");
  edtAccName_->setText(upload.EtrUnt_Nm);
  edtAccNo_->setText(upload.EtrUnt_AccNo);
  edtBank_->setText(upload.EtrUnt_Acc_DpBkNm);
  edtCount_->setText(upload.TDnum);
  edtAmount_->setText(upload.Amount);
  edtAmtNum_->setText(upload.SRP_TxnAmt);
  edtUse_->setText(upload.Prj_Use_Nm);
  edtMaker_->setText(upload.Mak_OperName);
  lblTime_->hide();
  edtTime_->hide();
  SetReviewers(upload.Reviewers, upload.SEL_USER_MODE_CD == u"18");
}

void TfmDfdkqr::Show661(const TPay661Upload& upload, bool collect) {
  SetPartyWording(collect);
  edtAccName_->setText(upload.AccName);
  edtAccNo_->setText(upload.AccNo);
  edtBank_->setText(upload.Bank);
  edtCount_->setText(upload.PayNum);
  edtTime_->setText(UploadTimeText(upload.PayTime));
  edtAmount_->setText(upload.Amount);
  edtAmtNum_->setText(upload.AmtNum);
  edtUse_->setText(upload.Use);
  edtMaker_->setText(upload.Maker);
  for (QWidget* row : std::as_const(accountRows_))
    row->setVisible(!upload.AccNo.trimmed().isEmpty());
  SetReviewers(upload.Reviewers, upload.SelectOper == u"0");
}

void TfmDfdkqr::btnOkClick() {
  const bool asksReviewer = !cmbReviewer_->isHidden();
  const int reviewer = cmbReviewer_->currentIndex();
  if (asksReviewer && (reviewer < 0 || reviewer >= reviewers_.size())) {
    Prompts().Info(TPrompts::kNoticeCaption, QStringLiteral("请选择下级复核员。"));
    return;
  }
  const qsizetype length = edtPassword_->text().size();
  if (length == 0) {
    Prompts().Warning(TPrompts::kSystemCaption, QStringLiteral("请输入交易密码。"));
    edtPassword_->setFocus();
    return;
  }
  if (length < 6 || length > 12) {
    Prompts().Warning(TPrompts::kSystemCaption, QStringLiteral("交易密码必须大于6位小于12位。"));
    edtPassword_->setFocus();
    return;
  }
  // One click sends one confirmation, however fast the second one comes.
  btnOk_->setEnabled(false);
  std::optional<QString> success;
  try {
    success =
        confirm_(secret_field::Gbk(edtPassword_), asksReviewer ? &reviewers_[reviewer] : nullptr);
  } catch (...) {
    secret_field::Wipe(edtPassword_);
    ShowCurrentException(Prompts());
    reject();
    return;
  }
  secret_field::Wipe(edtPassword_);
  if (!success) {
    reject();
    return;
  }
  hide();
  Prompts().Info(TPrompts::kNoticeCaption, *success);
  accept();
}
