#include "agentpay/screens/FormSplitSelect.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/prompts/Prompts.h"

namespace {

const QString kDefaultSeparator = QStringLiteral("|");

QString OrDefault(const QString& separator) {
  return separator.isEmpty() ? kDefaultSeparator : separator;
}

}  // namespace

TFormSplitSelect::TFormSplitSelect(TPrompts& prompts, QWidget* parent)
    : TClientDialog(prompts, parent) {
  setObjectName(QStringLiteral("FormSplitSelect"));
  setWindowTitle(QStringLiteral("设置文件分隔符"));
  edtSeparator_ = new QLineEdit(this);
  edtSeparator_->setObjectName(QStringLiteral("edtSeparator"));
  edtSeparator_->setFixedWidth(80);
  auto* field = new QHBoxLayout;
  field->addWidget(new QLabel(QStringLiteral("文件分隔符："), this));
  field->addWidget(edtSeparator_);
  field->addStretch();

  auto* ok = new QPushButton(QStringLiteral("确 定"), this);
  ok->setObjectName(QStringLiteral("btnOk"));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  auto* cancel = new QPushButton(QStringLiteral("取 消"), this);
  cancel->setObjectName(QStringLiteral("btnCancel"));
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(ok);
  buttons->addWidget(cancel);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(field);
  layout->addLayout(buttons);
}

QString TFormSplitSelect::Execute(const QString& separator) {
  edtSeparator_->setText(OrDefault(separator));
  edtSeparator_->selectAll();
  if (Prompts().RunModal(*this) != QDialog::Accepted) return separator;
  return OrDefault(edtSeparator_->text());
}
