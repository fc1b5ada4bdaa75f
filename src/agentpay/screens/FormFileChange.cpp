#include "agentpay/screens/FormFileChange.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "platform/prompts/Prompts.h"
#include "widgets/base/CommandGuard.h"

namespace {

QLineEdit* NewRowField(QWidget* parent, const QString& name) {
  auto* field = new QLineEdit(parent);
  field->setObjectName(name);
  field->setValidator(
      new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d{0,9}")), field));
  return field;
}

}  // namespace

TFormFileChange::TFormFileChange(TPrompts& prompts, QWidget* parent)
    : TClientDialog(prompts, parent) {
  setObjectName(QStringLiteral("FormFileChange"));
  setWindowTitle(QStringLiteral("文件转换"));
  auto* group = new QGroupBox(QStringLiteral("请输入转换开始行和结束行"), this);
  edtBegin_ = NewRowField(group, QStringLiteral("edtBegin"));
  // A begin row below the first becomes the second: the first is usually the
  // file's heading.
  connect(edtBegin_, &QLineEdit::textEdited, this, [this](const QString& text) {
    if (!text.isEmpty() && text.toInt() < 1) edtBegin_->setText(QStringLiteral("2"));
  });
  edtEnd_ = NewRowField(group, QStringLiteral("edtEnd"));
  edtSeparator_ = new QLineEdit(group);
  edtSeparator_->setObjectName(QStringLiteral("edtSeparator"));
  lblSeparator_ = new QLabel(QStringLiteral("分隔符："), group);
  auto* form = new QFormLayout(group);
  form->addRow(QStringLiteral("开始行："), edtBegin_);
  form->addRow(QStringLiteral("结束行："), edtEnd_);
  form->addRow(lblSeparator_, edtSeparator_);

  auto* btnOk = new QPushButton(QStringLiteral("确认"), this);
  btnOk->setObjectName(QStringLiteral("btnOk"));
  btnOk->setDefault(true);
  ConnectClick(btnOk, Prompts(), [this] { btnOkClick(); });
  auto* btnCancel = new QPushButton(QStringLiteral("取消"), this);
  btnCancel->setObjectName(QStringLiteral("btnCancel"));
  btnCancel->setAutoDefault(false);
  connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(btnOk);
  buttons->addWidget(btnCancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(group);
  layout->addLayout(buttons);
}

std::optional<TFormFileChange::TRange> TFormFileChange::Execute(int endRow, bool textFile,
                                                                const QString& separator) {
  edtBegin_->setText(QStringLiteral("1"));
  edtEnd_->setText(QString::number(endRow));
  edtSeparator_->setText(separator);
  lblSeparator_->setVisible(textFile);
  edtSeparator_->setVisible(textFile);
  edtBegin_->setFocus();
  if (Prompts().RunModal(*this) != QDialog::Accepted) return std::nullopt;
  return TRange{edtBegin_->text().toInt(), edtEnd_->text().toInt(), edtSeparator_->text()};
}

void TFormFileChange::btnOkClick() {
  if (edtEnd_->text().toInt() < edtBegin_->text().toInt()) {
    Prompts().Warning(TPrompts::kSystemCaption, QStringLiteral("开始行不能大于结束行！"));
    edtBegin_->setFocus();
    return;
  }
  accept();
}
