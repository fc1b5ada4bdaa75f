#include "session/screens/FormShowUpdateMsg.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

TFormShowUpdateMsg::TFormShowUpdateMsg(TPrompts& prompts, QWidget* parent)
    : TClientDialog(prompts, parent), memMsg_(new QPlainTextEdit(this)) {
  setObjectName(QStringLiteral("FormShowUpdateMsg"));
  setWindowTitle(QStringLiteral("客户端公告"));

  auto* heading = new QLabel(QStringLiteral("公告内容："), this);
  heading->setObjectName(QStringLiteral("lblTitle"));
  QFont headingFont = heading->font();
  headingFont.setBold(true);
  heading->setFont(headingFont);

  memMsg_->setObjectName(QStringLiteral("memMsg"));
  memMsg_->setReadOnly(true);
  memMsg_->setMinimumSize(420, 200);

  auto* btnOK = new QPushButton(QStringLiteral("确 定"), this);
  btnOK->setObjectName(QStringLiteral("btnOK"));
  btnOK->setDefault(true);
  btnOK->setMinimumWidth(96);
  connect(btnOK, &QPushButton::clicked, this, &QDialog::accept);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(btnOK);
  buttons->addStretch();

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(16, 16, 16, 12);
  layout->addWidget(heading);
  layout->addWidget(memMsg_, 1);
  layout->addLayout(buttons);
  resize(480, 300);
}

void TFormShowUpdateMsg::SetMessage(const QString& text) {
  memMsg_->setPlainText(text);
}

QString TFormShowUpdateMsg::Message() const {
  return memMsg_->toPlainText();
}
