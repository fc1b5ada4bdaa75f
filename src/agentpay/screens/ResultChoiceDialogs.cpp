#include "agentpay/screens/ResultChoiceDialogs.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "platform/prompts/Prompts.h"

TResultChoiceDialog::TResultChoiceDialog(TPrompts& prompts, const QString& caption,
                                         const QString& group, QList<TOption> options,
                                         const QString& okCaption, const QString& cancelCaption,
                                         QWidget* parent)
    : TClientDialog(prompts, parent), options_(std::move(options)) {
  setWindowTitle(caption);
  auto* box = new QGroupBox(group, this);
  auto* boxLayout = new QVBoxLayout(box);
  kinds_ = new QButtonGroup(this);
  for (const TOption& option : std::as_const(options_)) {
    auto* button = new QRadioButton(option.Caption, box);
    button->setObjectName(QStringLiteral("rb") + option.Value);
    kinds_->addButton(button, int(kinds_->buttons().size()));
    boxLayout->addWidget(button);
  }
  kinds_->button(0)->setChecked(true);

  auto* ok = new QPushButton(okCaption, this);
  ok->setObjectName(QStringLiteral("btnOk"));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  if (!cancelCaption.isEmpty()) {
    auto* cancel = new QPushButton(cancelCaption, this);
    cancel->setObjectName(QStringLiteral("btnCancel"));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    buttons->addWidget(cancel);
  }
  buttons->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(box);
  layout->addLayout(buttons);
}

std::optional<QString> TResultChoiceDialog::Execute() {
  if (Prompts().RunModal(*this) != QDialog::Accepted) return std::nullopt;
  const int chosen = kinds_->checkedId();
  if (chosen < 0) return std::nullopt;
  return options_[chosen].Value;
}

TfrmSelectDownloadType::TfrmSelectDownloadType(TPrompts& prompts, QWidget* parent)
    : TResultChoiceDialog(prompts, QStringLiteral("请选择下载类型"), QStringLiteral("下载类型"),
                          {{QStringLiteral("全部"), QStringLiteral("0")},
                           {QStringLiteral("成功"), QStringLiteral("1")},
                           {QStringLiteral("失败"), QStringLiteral("2")}},
                          QStringLiteral("确定"), QString(), parent) {
  setObjectName(QStringLiteral("frmSelectDownloadType"));
}

TFormSubstPayRetSelect::TFormSubstPayRetSelect(TPrompts& prompts, QWidget* parent)
    : TResultChoiceDialog(prompts, QStringLiteral("代发代扣结果下载"),
                          QStringLiteral("选择要下载的文件"),
                          {{QStringLiteral("全部结果"), QStringLiteral("A")},
                           {QStringLiteral("成功结果"), QStringLiteral("S")},
                           {QStringLiteral("失败结果"), QStringLiteral("F")}},
                          QStringLiteral("下 载"), QStringLiteral("取 消"), parent) {
  setObjectName(QStringLiteral("FormSubstPayRetSelect"));
}
