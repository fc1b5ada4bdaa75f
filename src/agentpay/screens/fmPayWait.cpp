#include "agentpay/screens/fmPayWait.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>
#include <optional>

#include "agentpay/online/PayExchange.h"
#include "agentpay/online/PayPoll.h"
#include "core/SessionControl.h"
#include "platform/prompts/Prompts.h"
#include "session/transport/GetData.h"
#include "widgets/base/CommandGuard.h"

TPayWaitTexts TPayWaitTexts::File() {
  return {
      QStringLiteral("代发代扣制单"), QStringLiteral("文件正在处理中，请稍等......"),
      QStringLiteral("文件处理超时，请稍后手工进行文件处理结果查询！"),
      QStringLiteral("文件记录比较多或文件比较大时，文件处理完成可能需1-5分钟，请您耐心等待！")};
}

TPayWaitTexts TPayWaitTexts::Document() {
  return {
      QStringLiteral("代发代扣制单结果查询"), QStringLiteral("单据正在处理中，请稍等......"),
      QStringLiteral("单据处理超时，请稍后手工进行单据处理结果查询！"),
      QStringLiteral("文件记录比较多或文件比较大时，单据处理完成可能需1-5分钟，请您耐心等待！")};
}

TfmPayWait::TfmPayWait(TPrompts& prompts, TSessionControl& session, TPayPoll& poll,
                       const TPayWaitTexts& texts, QWidget* parent)
    : TClientDialog(prompts, parent), session_(session), poll_(poll), texts_(texts) {
  setObjectName(QStringLiteral("fmPayWait"));
  setWindowTitle(texts_.Caption);
  timer_.setSingleShot(true);
  connect(&timer_, &QTimer::timeout, this, [this] { Poll(); });

  lblMessage_ = new QLabel(texts_.Waiting, this);
  lblMessage_->setObjectName(QStringLiteral("lblMessage"));
  auto* hintBox = new QGroupBox(QStringLiteral("温馨提示"), this);
  auto* hint = new QLabel(texts_.Hint, hintBox);
  hint->setWordWrap(true);
  auto* hintLayout = new QVBoxLayout(hintBox);
  hintLayout->addWidget(hint);
  btnRequery_ = new QPushButton(QStringLiteral("重新查询"), this);
  btnRequery_->setObjectName(QStringLiteral("btnRequery"));
  btnRequery_->hide();
  ConnectClick(btnRequery_, Prompts(), [this] { btnRequeryClick(); });

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(btnRequery_);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(lblMessage_);
  layout->addWidget(hintBox);
  layout->addLayout(buttons);
  setMinimumWidth(420);
}

void TfmPayWait::showEvent(QShowEvent* event) {
  TClientDialog::showEvent(event);
  if (started_) return;
  started_ = true;
  timer_.start(poll_.WaitMs());
}

void TfmPayWait::hideEvent(QHideEvent* event) {
  timer_.stop();
  TClientDialog::hideEvent(event);
}

void TfmPayWait::Poll() {
  timer_.stop();
  std::optional<TPollStep> step;
  RunCommand(Prompts(), [&] {
    const pugi::xml_document reply =
        PostPayForm(session_.User(), session_.Server(), poll_.Body(session_.User()));
    step = poll_.Read(ReplyRoot(reply));
  });
  if (!step) return;
  switch (*step) {
    case TPollStep::Completed:
      accept();
      break;
    case TPollStep::FileError:
      Prompts().Error(TPrompts::kSystemCaption, FileErrorText());
      reject();
      break;
    case TPollStep::TimedOut:
      lblMessage_->setText(texts_.TimedOut);
      btnRequery_->show();
      break;
    case TPollStep::Processing:
      timer_.start(poll_.WaitMs());
      break;
  }
}

void TfmPayWait::btnRequeryClick() {
  btnRequery_->hide();
  lblMessage_->setText(texts_.Waiting);
  Poll();
}
