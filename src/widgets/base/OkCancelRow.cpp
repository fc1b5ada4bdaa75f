#include "widgets/base/OkCancelRow.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

#include "widgets/base/ClientDialog.h"
#include "widgets/base/CommandGuard.h"

namespace {

QPushButton* NewButton(QDialog& dialog, const QString& name, const QString& caption) {
  auto* button = new QPushButton(caption, &dialog);
  button->setObjectName(name);
  button->setMinimumWidth(96);
  button->setAutoDefault(false);
  return button;
}

}  // namespace

QHBoxLayout* OkCancelRow(TClientDialog& dialog, std::function<void()> ok, bool okIsDefault) {
  QPushButton* btnOk = NewButton(dialog, QStringLiteral("btnOk"), QStringLiteral("确定"));
  btnOk->setDefault(okIsDefault);
  QPushButton* btnCancel = NewButton(dialog, QStringLiteral("btnCancel"), QStringLiteral("取消"));
  ConnectClick(btnOk, dialog.Prompts(), std::move(ok));
  QObject::connect(btnCancel, &QPushButton::clicked, &dialog, &QDialog::reject);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(btnOk);
  buttons->addSpacing(16);
  buttons->addWidget(btnCancel);
  buttons->addStretch();
  return buttons;
}
