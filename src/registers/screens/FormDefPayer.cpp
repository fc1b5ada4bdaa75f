#include "registers/screens/FormDefPayer.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/TextHelpers.h"
#include "platform/prompts/Prompts.h"
#include "registers/books/UsageText.h"
#include "registers/records/PayerInfo.h"
#include "widgets/base/OkCancelRow.h"
#include "widgets/base/ReadOnlyField.h"

namespace {

constexpr int kNameLength = 20;  // group and alias

int TextWidth(const QWidget* widget, int characters) {
  return widget->fontMetrics().horizontalAdvance(QString(characters, QChar(0x94F6)));
}

QComboBox* NewNameList(QWidget* parent, const QString& name) {
  auto* list = new QComboBox(parent);
  list->setObjectName(name);
  list->setEditable(true);
  list->setInsertPolicy(QComboBox::NoInsert);
  list->lineEdit()->setMaxLength(kNameLength);
  list->setMaxVisibleItems(20);
  return list;
}

void Fill(QComboBox* list, const QStringList& items, const QString& text) {
  list->clear();
  list->addItems(items);
  list->setCurrentIndex(-1);
  // A longer value from the register file is shown whole, not cut to the limit.
  list->lineEdit()->setMaxLength(qMax(kNameLength, int(text.size())));
  list->setEditText(text);
}

}  // namespace

TFormDefPayer::TFormDefPayer(const TRegisterContext& context, QWidget* parent)
    : TClientDialog(context.Screen.Prompts, parent), registers_(context.Registers) {
  setObjectName(QStringLiteral("FormDefPayer"));
  setWindowTitle(QStringLiteral("付款账户"));
  CreateControls();
}

QLineEdit* TFormDefPayer::NewShownField(const QString& name) {
  auto* field = new QLineEdit(this);
  field->setObjectName(name);
  SetFieldReadOnly(*field);
  field->setMinimumWidth(TextWidth(this, 26));
  return field;
}

void TFormDefPayer::CreateControls() {
  edtPayAccNo_ = NewShownField(QStringLiteral("edtPayAccNo"));
  edtPayAccName_ = NewShownField(QStringLiteral("edtPayAccName"));
  edtBranchName_ = NewShownField(QStringLiteral("edtBranchName"));
  edtCounterName_ = NewShownField(QStringLiteral("edtCounterName"));
  edtRightType_ = NewShownField(QStringLiteral("edtRightType"));
  edtBalance_ = NewShownField(QStringLiteral("edtBalance"));
  edtBalance_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  edtBalanceDate_ = NewShownField(QStringLiteral("edtBalanceDate"));
  cmbSortId_ = NewNameList(this, QStringLiteral("cmbSortId"));
  cmbAlias_ = NewNameList(this, QStringLiteral("cmbAlias"));

  auto* form = new QFormLayout;
  form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
  form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
  form->setHorizontalSpacing(12);
  form->setVerticalSpacing(10);
  form->addRow(QStringLiteral("付款账号："), edtPayAccNo_);
  form->addRow(QStringLiteral("账户名称："), edtPayAccName_);
  form->addRow(QStringLiteral("一级分行："), edtBranchName_);
  form->addRow(QStringLiteral("开户机构："), edtCounterName_);
  form->addRow(QStringLiteral("账户类别："), edtRightType_);
  form->addRow(QStringLiteral("上次余额："), edtBalance_);
  form->addRow(QStringLiteral("余额日期："), edtBalanceDate_);
  form->addRow(QStringLiteral("分组名称："), cmbSortId_);
  form->addRow(QStringLiteral("账户别名："), cmbAlias_);

  QHBoxLayout* buttons = OkCancelRow(
      *this, [this] { btnOkClick(); }, true);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(24, 20, 24, 18);
  layout->setSpacing(18);
  layout->addLayout(form);
  layout->addLayout(buttons);
}

void TFormDefPayer::ShowPayer(TPayerInfo& payer) {
  payer_ = &payer;
  changed_ = false;
  setResult(QDialog::Rejected);
  edtPayAccNo_->setText(payer.PayAccNo);
  edtPayAccName_->setText(payer.PayAccName);
  edtBranchName_->setText(payer.BranchName);
  edtCounterName_->setText(payer.CounterName);
  edtRightType_->setText(payer.RightTypeText());
  edtBalance_->setText(FormatAmount(true, payer.Balance));
  edtBalanceDate_->setText(payer.BalanceDate);
  for (QLineEdit* field : {edtPayAccNo_, edtPayAccName_, edtBranchName_, edtCounterName_})
    field->setCursorPosition(0);

  QStringList groups;
  QStringList aliases;
  for (const TPayerInfo& each : registers_.Payers) {
    groups.append(each.SortId);
    aliases.append(each.AccAlias);
  }
  Fill(cmbSortId_, DistinctSorted(groups), payer.SortId);
  Fill(cmbAlias_, DistinctSorted(aliases), payer.AccAlias);
  cmbSortId_->setFocus();
}

bool TFormDefPayer::Execute(TPayerInfo& payer) {
  ShowPayer(payer);
  Prompts().RunModal(*this);
  payer_ = nullptr;
  return changed_;
}

void TFormDefPayer::btnOkClick() {
  if (payer_) {
    const QString group = cmbSortId_->currentText();
    const QString alias = cmbAlias_->currentText();
    changed_ = group != payer_->SortId || alias != payer_->AccAlias;
    if (changed_) {
      payer_->SortId = group;
      payer_->AccAlias = alias;
    }
  }
  accept();
}
