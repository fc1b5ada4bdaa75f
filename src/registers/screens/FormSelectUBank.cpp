#include "registers/screens/FormSelectUBank.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/prompts/Prompts.h"
#include "registers/screens/UBankChoiceLists.h"
#include "widgets/base/OkCancelRow.h"

namespace {

QComboBox* NewList(QWidget* parent, const QString& name) {
  auto* list = new QComboBox(parent);
  list->setObjectName(name);
  list->setMaxVisibleItems(20);
  // Wide enough for the long branch names of the tables: about 24 characters.
  list->setMinimumWidth(list->fontMetrics().horizontalAdvance(QString(24, QChar(0x94F6))));
  return list;
}

}  // namespace

TFormSelectUBank::TFormSelectUBank(TPrompts& prompts, const QString& paramDir, QWidget* parent)
    : TClientDialog(prompts, parent), tables_(TOtherBankTables::Load(paramDir)), cascade_(tables_) {
  setObjectName(QStringLiteral("FormSelectUBank"));
  setWindowTitle(QStringLiteral("联行号选择"));
  CreateControls();
  lists_ = new TUBankChoiceLists(Prompts(), cascade_, cmbProvince_, cmbCity_, cmbBank_, cmbBranch_,
                                 this);
  lists_->Reset();
}

TFormSelectUBank::~TFormSelectUBank() = default;

void TFormSelectUBank::CreateControls() {
  cmbProvince_ = NewList(this, QStringLiteral("cmbProvince"));
  cmbCity_ = NewList(this, QStringLiteral("cmbCity"));
  cmbBank_ = NewList(this, QStringLiteral("cmbBank"));
  cmbBranch_ = NewList(this, QStringLiteral("cmbBranch"));

  auto* form = new QFormLayout;
  form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
  form->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);
  form->setHorizontalSpacing(12);
  form->setVerticalSpacing(12);
  form->addRow(QStringLiteral("所属省市："), cmbProvince_);
  form->addRow(QStringLiteral("所属城市："), cmbCity_);
  form->addRow(QStringLiteral("所属银行："), cmbBank_);
  form->addRow(QStringLiteral("开户机构："), cmbBranch_);

  QHBoxLayout* buttons = OkCancelRow(
      *this, [this] { btnOkClick(); }, true);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(24, 20, 24, 18);
  layout->setSpacing(18);
  layout->addLayout(form);
  layout->addLayout(buttons);
}

QString TFormSelectUBank::Pick(TPrompts& prompts, const QString& paramDir, QWidget* parent) {
  TFormSelectUBank form(prompts, paramDir, parent);
  if (prompts.RunModal(form) != QDialog::Accepted) return {};
  return form.UBankNo();
}

void TFormSelectUBank::btnOkClick() {
  ubankNo_ = cascade_.SelectedUBankNo();
  accept();
}

void TFormSelectUBank::SelectForShow(const QString& bankCode, const QString& provinceName,
                                     const QString& areaCode, const QString& ubankNo) {
  lists_->Select(bankCode, provinceName, areaCode, ubankNo);
}
