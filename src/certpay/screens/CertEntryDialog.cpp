#include "certpay/screens/CertEntryDialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/prompts/Prompts.h"
#include "widgets/base/OkCancelRow.h"
#include "widgets/base/PromptMissing.h"

template <class T>
TCertEntryDialog<T>::TCertEntryDialog(TPrompts& prompts, const QString& objectName,
                                      const QString& caption, TCheck check, QWidget* parent)
    : TClientDialog(prompts, parent), check_(check) {
  setObjectName(objectName);
  setWindowTitle(caption);
  form_ = new QFormLayout;
  form_->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
  form_->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
  form_->setHorizontalSpacing(12);
  form_->setVerticalSpacing(10);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(24, 20, 24, 18);
  layout->setSpacing(18);
  layout->addLayout(form_);
}

template <class T>
QLineEdit* TCertEntryDialog<T>::AddField(const char* name, const QString& label,
                                         QString T::*member) {
  auto* edit = new QLineEdit(this);
  edit->setObjectName(QString::fromLatin1(name));
  // About 26 Chinese characters: the long branch names of the registers.
  edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QString(26, QChar(0x94F6))));
  AddRow(label, edit);
  fields_.append({member, edit});
  return edit;
}

template <class T>
void TCertEntryDialog<T>::AddRow(const QString& label, QWidget* field) {
  form_->addRow(label, field);
}

template <class T>
void TCertEntryDialog<T>::AddButtons() {
  QHBoxLayout* buttons = OkCancelRow(
      *this, [this] { btnOkClick(); }, true);
  findChild<QPushButton*>(QStringLiteral("btnOk"))->setText(QStringLiteral("确 定"));
  findChild<QPushButton*>(QStringLiteral("btnCancel"))->setText(QStringLiteral("取 消"));
  static_cast<QVBoxLayout*>(layout())->addLayout(buttons);
}

template <class T>
void TCertEntryDialog<T>::ShowRecord(T& record) {
  record_ = &record;
  stored_ = false;
  setResult(QDialog::Rejected);
  for (const auto& [member, edit] : fields_) {
    edit->setText(record.*member);
    edit->setCursorPosition(0);
  }
  ShowChoices(record);
  if (!fields_.isEmpty()) fields_.first().second->setFocus();
}

template <class T>
bool TCertEntryDialog<T>::Execute(T& record) {
  ShowRecord(record);
  Prompts().RunModal(*this);
  record_ = nullptr;
  return stored_;
}

template <class T>
T TCertEntryDialog<T>::Typed() const {
  T typed = record_ ? *record_ : T();
  for (const auto& [member, edit] : fields_) typed.*member = edit->text();
  StoreChoices(typed);
  return typed;
}

template <class T>
void TCertEntryDialog<T>::btnOkClick() {
  if (!record_) return;
  const T typed = Typed();
  if (const std::optional<TCertProblem<T>> problem = check_(typed)) {
    QWidget* focus = nullptr;
    for (const auto& [member, edit] : fields_)
      if (member == problem->Field) focus = edit;
    PromptMissing(Prompts(), focus, true, problem->Message, true);
    return;
  }
  *record_ = typed;
  stored_ = true;
  accept();
}

template class TCertEntryDialog<TCertPayer>;
template class TCertEntryDialog<TCertPayee>;
template class TCertEntryDialog<TCertAddInfo>;
