#include "agentpay/screens/FormTemplateColumn.h"

#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>

#include "platform/prompts/Prompts.h"
#include "widgets/base/OkCancelRow.h"
#include "widgets/base/ReadOnlyField.h"

TFormTemplateColumn::TFormTemplateColumn(TPrompts& prompts, QWidget* parent)
    : TClientDialog(prompts, parent) {
  setObjectName(QStringLiteral("FormTemplateColumn"));
  setWindowTitle(QStringLiteral("自定义模板"));
  edtPosition_ = new QLineEdit(this);
  edtPosition_->setObjectName(QStringLiteral("edtPosition"));
  SetFieldReadOnly(*edtPosition_);
  edtName_ = new QLineEdit(this);
  edtName_->setObjectName(QStringLiteral("edtName"));
  edtName_->setMinimumWidth(220);

  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("列位置："), edtPosition_);
  form->addRow(QStringLiteral("列名称："), edtName_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addLayout(OkCancelRow(
      *this, [this] { btnOkClick(); }, true));
}

std::optional<QString> TFormTemplateColumn::Execute(int position, const QString& name) {
  edtPosition_->setText(QString::number(position));
  edtName_->setText(name);
  if (Prompts().RunModal(*this) != QDialog::Accepted) return std::nullopt;
  return edtName_->text();
}

void TFormTemplateColumn::btnOkClick() {
  if (edtName_->text().trimmed().isEmpty()) {
    Prompts().Warning(TPrompts::kSystemCaption, QStringLiteral("列名称不能为空"));
    edtName_->setFocus();
    return;
  }
  accept();
}

void TFormTemplateColumn::showEvent(QShowEvent* event) {
  TClientDialog::showEvent(event);
  edtName_->setFocus();
}
