#include "session/screens/fmLogon.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <exception>

#include "core/AppInfo.h"
#include "core/IniFile.h"
#include "core/ServerPaths.h"
#include "core/SessionUser.h"
#include "platform/prompts/Prompts.h"
#include "session/screens/Announcement.h"
#include "session/transport/GetData.h"
#include "session/transport/Logon.h"
#include "widgets/base/CommandGuard.h"
#include "widgets/base/SecretField.h"

namespace {

QString IniSection() {
  return QStringLiteral("B2B");
}

QLineEdit* NewField(QWidget* parent, const char* name, int maxLength) {
  auto* field = new QLineEdit(parent);
  field->setObjectName(QString::fromLatin1(name));
  if (maxLength > 0) field->setMaxLength(maxLength);
  field->setMinimumWidth(220);
  return field;
}

// Trims the field's text and writes the trimmed text back.
QString TrimmedField(QLineEdit* field) {
  QString text = field->text().trimmed();
  if (text != field->text()) field->setText(text);
  return text;
}

}  // namespace

TfmLogon::TfmLogon(TServerConfig config, TUSER& user, TPrompts& prompts, QWidget* parent)
    : TClientDialog(prompts, parent), config_(std::move(config)), user_(user) {
  setObjectName(QStringLiteral("fmLogon"));
  setWindowTitle(QStringLiteral("网上银行单位客户登录"));
  CreateControls();

  const TIniFile ini(config_.ClientSysIni);
  edtCustId_->setText(ini.ReadString(IniSection(), QStringLiteral("CUST_ID")));
  edtOperId_->setText(ini.ReadString(IniSection(), QStringLiteral("OPER_ID")));
  edtCustId_->setFocus();
}

TfmLogon::~TfmLogon() {
  ClearFields();
}

void TfmLogon::CreateControls() {
  auto* heading = new QLabel(AppTitle(), this);
  heading->setObjectName(QStringLiteral("lblBank"));
  heading->setAlignment(Qt::AlignCenter);
  QFont headingFont = heading->font();
  headingFont.setBold(true);
  headingFont.setPointSizeF(headingFont.pointSizeF() * 1.3);
  heading->setFont(headingFont);

  edtCustId_ = NewField(this, "edtCustId", 21);
  edtOperId_ = NewField(this, "EdtOperId", 6);
  edtLogpwd_ = NewField(this, "edtLogpwd", 0);
  edtLogpwd_->setEchoMode(QLineEdit::Password);

  auto* form = new QFormLayout;
  form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
  form->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
  form->setHorizontalSpacing(12);
  form->setVerticalSpacing(10);
  form->addRow(QStringLiteral("客户识别号："), edtCustId_);
  form->addRow(QStringLiteral("操作员代码："), edtOperId_);
  form->addRow(QStringLiteral("登录密码："), edtLogpwd_);

  btnLogin_ = new QPushButton(QStringLiteral("登录"), this);
  btnLogin_->setObjectName(QStringLiteral("btnLogin"));
  btnLogin_->setDefault(true);
  btnCancel_ = new QPushButton(QStringLiteral("取消"), this);
  btnCancel_->setObjectName(QStringLiteral("btnCancel"));
  btnCancel_->setAutoDefault(false);
  for (QPushButton* button : {btnLogin_, btnCancel_}) button->setMinimumWidth(96);
  ConnectClick(btnLogin_, Prompts(), [this] { btnLoginClick(); });
  connect(btnCancel_, &QPushButton::clicked, this, &QDialog::reject);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(btnLogin_);
  buttons->addSpacing(16);
  buttons->addWidget(btnCancel_);
  buttons->addStretch();

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(28, 20, 28, 18);
  layout->setSpacing(16);
  layout->addWidget(heading);
  layout->addLayout(form);
  // The bank's configuration decides the address; the clerk should know when
  // the passwords cross the network in clear.
  if (TravelsInClear(config_.ServerBaseUrl)) {
    auto* warning = new QLabel(
        QStringLiteral(
            "注意：与银行服务器的连接没有加密，登录密码和交易密码将以明文在网络上传送。"),
        this);
    warning->setObjectName(QStringLiteral("lblNotEncrypted"));
    warning->setWordWrap(true);
    warning->setStyleSheet(QStringLiteral("color: #b00000;"));
    layout->addWidget(warning);
  }
  layout->addLayout(buttons);
  setMinimumWidth(400);
}

void TfmLogon::showEvent(QShowEvent* event) {
  TClientDialog::showEvent(event);
  edtCustId_->setFocus();
}

void TfmLogon::SetBusy(bool busy) {
  busy_ = busy;
  btnLogin_->setEnabled(!busy);
  btnCancel_->setEnabled(!busy);
}

void TfmLogon::btnLoginClick() {
  if (busy_) return;
  SetBusy(true);
  QWidget* focusAfter = nullptr;
  std::exception_ptr failure;
  try {
    RunLogon(focusAfter);
  } catch (...) {
    failure = std::current_exception();
  }
  SetBusy(false);
  if (focusAfter) focusAfter->setFocus();
  if (failure) {
    try {
      std::rethrow_exception(failure);
    } catch (...) {
      ShowCurrentException(Prompts());
    }
  }
  if (closeWithOk_) accept();
}

void TfmLogon::RunLogon(QWidget*& focusAfter) {
  if (!CheckFields(focusAfter)) return;

  TLOGON logon =
      TLOGON::Make(config_, edtCustId_->text(), edtOperId_->text(), secret_field::Gbk(edtLogpwd_));
  TGetData::Logon(logon, user_, Prompts());
  if (!user_.LoggedOn) return;

  closeWithOk_ = true;
  // The customer and operator are remembered even when the announcement fails:
  // the session is open by then.
  try {
    ShowClientAnnouncement(config_, user_, Prompts(), this);
  } catch (...) {
    RememberUser();
    throw;
  }
  RememberUser();
}

bool TfmLogon::CheckFields(QWidget*& focusAfter) {
  const QString custId = TrimmedField(edtCustId_);
  const QString operId = TrimmedField(edtOperId_);
  secret_field::Trim(edtLogpwd_);
  const qsizetype passwordLength = edtLogpwd_->text().size();

  QString problem;
  if (custId.isEmpty()) {
    problem = QStringLiteral("客户号不能为空，请输入。");
    focusAfter = edtCustId_;
  } else if (operId.isEmpty()) {
    problem = QStringLiteral("操作号不能为空，请输入。");
    focusAfter = edtOperId_;
  } else if (passwordLength == 0) {
    problem = QStringLiteral("密码不能为空，请输入。");
    focusAfter = edtLogpwd_;
  } else if (passwordLength < 6 || passwordLength > 12) {
    problem = QStringLiteral("密码必须大于6位，小于12位。");
    secret_field::Wipe(edtLogpwd_);
    focusAfter = edtLogpwd_;
  }
  if (problem.isEmpty()) return true;
  Prompts().Info(TPrompts::kNoticeCaption, problem);
  return false;
}

void TfmLogon::RememberUser() const {
  TIniFile ini(config_.ClientSysIni);
  ini.WriteString(IniSection(), QStringLiteral("CUST_ID"), user_.CustId);
  ini.WriteString(IniSection(), QStringLiteral("OPER_ID"), user_.UserId);
  ini.Save();
}

void TfmLogon::done(int result) {
  if (busy_) return;
  ClearFields();
  TClientDialog::done(result);
}

void TfmLogon::ClearFields() {
  edtCustId_->clear();
  edtOperId_->clear();
  secret_field::Wipe(edtLogpwd_);
}
