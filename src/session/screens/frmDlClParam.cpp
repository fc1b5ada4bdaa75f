#include "session/screens/frmDlClParam.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/SessionControl.h"
#include "platform/prompts/Prompts.h"
#include "session/transport/FormExchange.h"
#include "session/transport/GetData.h"
#include "widgets/base/CommandGuard.h"

TfrmDlClParam::TfrmDlClParam(TPrompts& prompts, TSessionControl& session, QWidget* parent)
    : TClientDialog(prompts, parent), session_(session) {
  setObjectName(QStringLiteral("frmDlClParam"));
  setWindowTitle(QStringLiteral("更新客户端软件参数"));
  CreateControls();
  LoadModes();
  rbChoiceChange();
}

void TfrmDlClParam::CreateControls() {
  auto* group = new QGroupBox(QStringLiteral("请选择需要下载的文件"), this);
  const auto choice = [group](const char* name, const QString& caption) {
    auto* button = new QRadioButton(caption, group);
    button->setObjectName(QString::fromLatin1(name));
    return button;
  };
  rbPayer_ = choice("rbPayer", QStringLiteral("付款人名册"));
  rbPayee_ = choice("rbPayee", QStringLiteral("收款人名册"));
  rbBank_ = choice("rbBank", QStringLiteral("联行号相关文件"));
  rbMode_ = choice("rbMode", QStringLiteral("代发代扣模板下载"));
  cmbMode_ = new QComboBox(group);
  cmbMode_->setObjectName(QStringLiteral("cmbMode"));
  cmbMode_->setMinimumWidth(220);
  rbPayer_->setChecked(true);
  auto* choices = new QVBoxLayout(group);
  for (QRadioButton* button : {rbPayer_, rbPayee_, rbBank_}) choices->addWidget(button);
  auto* mode = new QHBoxLayout;
  mode->addWidget(rbMode_);
  mode->addWidget(cmbMode_, 1);
  choices->addLayout(mode);
  for (QRadioButton* button : {rbPayer_, rbPayee_, rbBank_, rbMode_})
    connect(button, &QRadioButton::toggled, this, [this](bool on) {
      if (on) rbChoiceChange();
    });

  auto* btnOk = new QPushButton(QStringLiteral("确定"), this);
  btnOk->setObjectName(QStringLiteral("btnOk"));
  btnOk->setDefault(true);
  ConnectClick(btnOk, Prompts(), [this] { btnOkClick(); });
  btnCancel_ = new QPushButton(QStringLiteral("取消"), this);
  btnCancel_->setObjectName(QStringLiteral("btnCancel"));
  connect(btnCancel_, &QPushButton::clicked, this, &QDialog::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(btnOk);
  buttons->addWidget(btnCancel_);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(group);
  layout->addLayout(buttons);
}

void TfrmDlClParam::LoadModes() {
  RunCommand(Prompts(), [this] {
    const TUSER& user = session_.User();
    const pugi::xml_document reply =
        PostForm(ModeListUrl(session_.Server(), user), ModeListBody(user));
    modes_ = ReadModeList(ReplyRoot(reply), user);
  });
  for (const TModeItem& mode : std::as_const(modes_)) cmbMode_->addItem(mode.ModeName);
}

void TfrmDlClParam::rbChoiceChange() {
  const bool mode = rbMode_->isChecked();
  cmbMode_->setEnabled(mode);
  if (mode && cmbMode_->count() > 0) cmbMode_->setCurrentIndex(0);
}

TParamFile TfrmDlClParam::Chosen() const {
  if (rbPayee_->isChecked()) return TParamFile::Payee;
  if (rbBank_->isChecked()) return TParamFile::Bank;
  if (rbMode_->isChecked()) return TParamFile::Mode;
  return TParamFile::Payer;
}

void TfrmDlClParam::btnOkClick() {
  const TParamFile file = Chosen();
  const int mode = cmbMode_->currentIndex();
  if (file == TParamFile::Mode && (mode < 0 || mode >= modes_.size())) {
    Prompts().Warning(TPrompts::kSystemCaption, QStringLiteral("没有可以下载的代发代扣模板。"));
    return;
  }
  const TParamRequest request =
      ParamDownloadRequest(session_.Server(), session_.User(), file,
                           file == TParamFile::Mode ? modes_[mode] : TModeItem{});
  btnCancel_->setEnabled(false);
  struct TEnableAgain {
    QPushButton* Button;
    ~TEnableAgain() { Button->setEnabled(true); }
  } enableAgain{btnCancel_};
  DownloadFile(request.Url, request.Body);
}
