#include "certpay/screens/FormDefCertPay.h"

#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "certpay/records/CertChecks.h"
#include "certpay/screens/FormSelectCertPayAddInfo.h"
#include "certpay/screens/FormSelectCertPayee.h"
#include "certpay/screens/FormSelectCertPayer.h"
#include "platform/prompts/Prompts.h"
#include "widgets/base/CommandGuard.h"
#include "widgets/base/PromptMissing.h"

namespace {

using U = TUserInput;

// Puts the field with its label into the next free cell of the group's grid,
// which the group's "cell" property counts; "columns" fields make a row.
void AddToGroup(QGroupBox* group, const QString& label, QWidget* field) {
  auto* grid = static_cast<QGridLayout*>(group->layout());
  const int cell = group->property("cell").toInt();
  const int columns = group->property("columns").toInt();
  const int row = cell / columns;
  const int col = cell % columns * 2;
  grid->addWidget(new QLabel(label, group), row, col, Qt::AlignRight);
  grid->addWidget(field, row, col + 1);
  group->setProperty("cell", cell + 1);
}

}  // namespace

TFormDefCertPay::TFormDefCertPay(const TCertPayContext& context, QWidget* parent)
    : TClientDialog(context.Screen.Prompts, parent), context_(context) {
  setObjectName(QStringLiteral("FormDefCertPay"));
  setWindowTitle(QStringLiteral("中央财政支付单据"));
  CreateControls();
}

QGroupBox* TFormDefCertPay::NewGroup(const char* name, const QString& title, int columns) {
  auto* group = new QGroupBox(title, this);
  group->setObjectName(QString::fromLatin1(name));
  auto* grid = new QGridLayout(group);
  grid->setHorizontalSpacing(10);
  for (int c = 0; c < columns; ++c) grid->setColumnStretch(c * 2 + 1, 1);
  group->setProperty("columns", columns);
  group->setProperty("cell", 0);
  return group;
}

QLineEdit* TFormDefCertPay::AddField(QGroupBox* group, const char* name, const QString& label,
                                     TField field) {
  auto* edit = new QLineEdit(group);
  edit->setObjectName(QString::fromLatin1(name));
  edit->setMinimumWidth(edit->fontMetrics().horizontalAdvance(QString(14, QChar(0x94F6))));
  AddToGroup(group, label, edit);
  fields_.append({field, edit});
  return edit;
}

QComboBox* TFormDefCertPay::AddChoice(QGroupBox* group, const char* name, const QString& label,
                                      const QStringList& items) {
  auto* choice = new QComboBox(group);
  choice->setObjectName(QString::fromLatin1(name));
  choice->addItems(items);
  AddToGroup(group, label, choice);
  return choice;
}

void TFormDefCertPay::AddButton(QGroupBox* group, const char* name, const QString& caption,
                                void (TFormDefCertPay::*click)()) {
  auto* button = new QPushButton(caption, group);
  button->setObjectName(QString::fromLatin1(name));
  button->setAutoDefault(false);
  ConnectClick(button, Prompts(), [this, click] { (this->*click)(); });
  auto* grid = static_cast<QGridLayout*>(group->layout());
  grid->addWidget(button, grid->rowCount(), grid->columnCount() - 1, Qt::AlignRight);
}

void TFormDefCertPay::CreateControls() {
  QGroupBox* payer = NewGroup("grpPayer", QStringLiteral("付款账号信息"), 3);
  AddField(payer, "edtPayerAccNo", QStringLiteral("付款帐号："), &U::PayerAccNo);
  AddField(payer, "edtPayerAccName", QStringLiteral("付款账户名称："), &U::PayerAccName);
  AddField(payer, "edtPayerCounterName", QStringLiteral("付款账户开户行名称："),
           &U::PayerCounterName);
  AddButton(payer, "btnPayer", QStringLiteral("选择付款账号"), &TFormDefCertPay::btnPayerClick);

  QGroupBox* payee = NewGroup("grpPayee", QStringLiteral("收款账号信息"), 3);
  cmbPayeeBankFlag_ = AddChoice(payee, "cmbPayeeBankFlag", QStringLiteral("收款账号是否他行标识："),
                                {TCertPayee::kOwnBankText, TCertPayee::kOtherBankText});
  AddField(payee, "edtPayeeAccNo", QStringLiteral("收款账号："), &U::PayeeAccNo);
  AddField(payee, "edtPayeeAccName", QStringLiteral("收款账户名称："), &U::PayeeAccName);
  AddField(payee, "edtPayeeCounterName", QStringLiteral("收款账户开户行名称："),
           &U::PayeeCounterName);
  AddField(payee, "edtPayeeUBankNo", QStringLiteral("他行人行联行号："), &U::PayeeUBankNo);
  cmbPayeeAccKind_ = AddChoice(payee, "cmbPayeeAccKind", QStringLiteral("对公对私标志："),
                               {TCertPayee::kCorporateText, TCertPayee::kPersonalText});
  AddButton(payee, "btnPayee", QStringLiteral("选择收款账号"), &TFormDefCertPay::btnPayeeClick);

  QGroupBox* addInfo = NewGroup("grpAddInfo", QStringLiteral("附加信息"), 3);
  AddField(addInfo, "edtBudgetManage", QStringLiteral("预算管理："), &U::BudgetManage);
  AddField(addInfo, "edtFuncType", QStringLiteral("功能分类："), &U::FuncType);
  AddField(addInfo, "edtEconomyType", QStringLiteral("经济分类："), &U::EconomyType);
  AddField(addInfo, "edtPayoutType", QStringLiteral("支出类型："), &U::PayoutType);
  AddField(addInfo, "edtBudgetSource", QStringLiteral("预算来源："), &U::BudgetSource);
  AddField(addInfo, "edtProjectId", QStringLiteral("关联号："), &U::ProjectId);
  AddButton(addInfo, "btnAddInfo", QStringLiteral("选择附加信息"),
            &TFormDefCertPay::btnAddInfoClick);

  QGroupBox* other = NewGroup("grpOther", QStringLiteral("其他信息"), 2);
  AddField(other, "edtAmt", QStringLiteral("金额："), &U::Amt);
  AddField(other, "edtUsge", QStringLiteral("用途："), &U::Usge);
  AddField(other, "edtCreditNo", QStringLiteral("专用凭单号码："), &U::CreditNo);
  AddField(other, "edtRemark", QStringLiteral("备注："), &U::Remark);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  const std::pair<const char*, QString> commands[] = {{"btnOk", QStringLiteral("确定")},
                                                      {"btnCancel", QStringLiteral("取消")},
                                                      {"btnContinue", QStringLiteral("继续新增")}};
  for (const auto& [name, caption] : commands) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    button->setMinimumWidth(96);
    buttons->addWidget(button);
  }
  buttons->addStretch();
  ConnectClick(findChild<QPushButton*>(QStringLiteral("btnOk")), Prompts(),
               [this] { btnOkClick(); });
  connect(findChild<QPushButton*>(QStringLiteral("btnCancel")), &QPushButton::clicked, this,
          &QDialog::reject);
  ConnectClick(findChild<QPushButton*>(QStringLiteral("btnContinue")), Prompts(),
               [this] { btnContinueClick(); });

  auto* layout = new QVBoxLayout(this);
  for (QGroupBox* group : {payer, payee, addInfo, other}) layout->addWidget(group);
  layout->addLayout(buttons);

  lstDrop_ = new QListWidget(this);
  lstDrop_->setObjectName(QStringLiteral("lstDrop"));
  // A click on the list leaves the focus in the field, which would hide the list.
  lstDrop_->setFocusPolicy(Qt::NoFocus);
  lstDrop_->hide();
  connect(
      lstDrop_, &QListWidget::itemClicked, this,
      Guarded(Prompts(), [this](QListWidgetItem* item) { DropDownClicked(lstDrop_->row(item)); }));
  const std::pair<TField, QString TCertPayee::*> typeAhead[] = {
      {&U::PayeeAccNo, &TCertPayee::AccNo},
      {&U::PayeeAccName, &TCertPayee::AccName},
      {&U::PayeeCounterName, &TCertPayee::CounterName},
      {&U::PayeeUBankNo, &TCertPayee::UBankNo}};
  for (const auto& [field, payeeField] : typeAhead) {
    QLineEdit* edit = Edit(field);
    // Only what the clerk types opens the list, never text set by the program.
    connect(edit, &QLineEdit::textEdited, this,
            Guarded(Prompts(),
                    [this, edit, payeeField = payeeField] { ShowDropDown(edit, payeeField); }));
  }
  // Fields the focus leaves, and clicks anywhere outside the list.
  for (QWidget* child : findChildren<QWidget*>())
    if (child != lstDrop_ && !lstDrop_->isAncestorOf(child)) child->installEventFilter(this);
}

QLineEdit* TFormDefCertPay::Edit(TField field) const {
  for (const auto& [member, edit] : fields_)
    if (member == field) return edit;
  return nullptr;
}

void TFormDefCertPay::ShowDocument(TUserInput& doc) {
  doc_ = &doc;
  stored_ = false;
  setResult(QDialog::Rejected);
  HideDropDown();
  for (const auto& [member, edit] : fields_) {
    edit->setText(doc.*member);
    edit->setCursorPosition(0);
  }
  // A new document starts as one to this bank.
  cmbPayeeBankFlag_->setCurrentIndex(doc.PayeeBankFlag.isEmpty() || doc.IsOwnBank() ? 0 : 1);
  cmbPayeeAccKind_->setCurrentIndex(doc.IsPersonal() ? 1 : 0);
  Edit(&U::PayerAccNo)->setFocus();
}

bool TFormDefCertPay::Execute(TUserInput& doc) {
  ShowDocument(doc);
  Prompts().RunModal(*this);
  HideDropDown();
  doc_ = nullptr;
  return stored_;
}

TUserInput TFormDefCertPay::Typed() const {
  TUserInput doc = doc_ ? *doc_ : TUserInput();
  for (const auto& [member, edit] : fields_) doc.*member = edit->text();
  // The amount goes to the bank's file as it was checked.
  doc.Amt = doc.Amt.trimmed();
  doc.PayeeBankFlag = cmbPayeeBankFlag_->currentText();
  doc.PayeeAccKind = cmbPayeeAccKind_->currentText();
  return doc;
}

bool TFormDefCertPay::Checked() {
  const std::optional<TCertProblem<TUserInput>> problem = CheckUserInput(Typed());
  if (!problem) return true;
  PromptMissing(Prompts(), Edit(problem->Field), true, problem->Message, true);
  return false;
}

void TFormDefCertPay::btnOkClick() {
  if (!doc_ || !Checked()) return;
  *doc_ = Typed();
  stored_ = true;
  accept();
}

void TFormDefCertPay::btnContinueClick() {
  if (!Checked()) return;
  TUserInput doc = Typed();
  doc.SeqNo.clear();
  if (DocumentContinued) DocumentContinued(doc);
  for (const auto& [member, edit] : fields_) edit->clear();
  Edit(&U::PayerAccNo)->setFocus();
}

void TFormDefCertPay::btnPayerClick() {
  const std::optional<TCertPayer> payer =
      TFormSelectCertPayer::Choose(Prompts(), context_.CertPay.CertPayers, this);
  if (!payer) return;
  Edit(&U::PayerAccNo)->setText(payer->AccNo);
  Edit(&U::PayerAccName)->setText(payer->AccName);
  Edit(&U::PayerCounterName)->setText(payer->CounterName);
}

void TFormDefCertPay::btnPayeeClick() {
  const std::optional<TCertPayee> payee =
      TFormSelectCertPayee::Choose(Prompts(), context_.CertPay.CertPayees, this);
  if (!payee) return;
  Edit(&U::PayeeAccNo)->setText(payee->AccNo);
  Edit(&U::PayeeAccName)->setText(payee->AccName);
  Edit(&U::PayeeCounterName)->setText(payee->CounterName);
  Edit(&U::PayeeUBankNo)->setText(payee->UBankNo);
  cmbPayeeBankFlag_->setCurrentIndex(payee->IsOwnBank() ? 0 : 1);
  cmbPayeeAccKind_->setCurrentIndex(payee->IsPersonal() ? 1 : 0);
}

void TFormDefCertPay::btnAddInfoClick() {
  const std::optional<TCertAddInfo> info =
      TFormSelectCertPayAddInfo::Choose(Prompts(), context_.CertPay.CertAddInfos, this);
  if (!info) return;
  Edit(&U::BudgetManage)->setText(info->BudgetManage);
  Edit(&U::FuncType)->setText(info->FuncType);
  Edit(&U::EconomyType)->setText(info->EconomyType);
  Edit(&U::PayoutType)->setText(info->PayoutType);
  Edit(&U::BudgetSource)->setText(info->BudgetSource);
  Edit(&U::ProjectId)->setText(info->ProjectId);
}

void TFormDefCertPay::ShowDropDown(QLineEdit* edit, QString TCertPayee::*payeeField) {
  const QStringList values = PayeeValues(context_.CertPay.CertPayees, payeeField, edit->text());
  if (values.isEmpty()) {
    HideDropDown();
    return;
  }
  dropEdit_ = edit;
  lstDrop_->clear();
  lstDrop_->addItems(values);
  const QPoint below = edit->mapTo(this, QPoint(0, edit->height()));
  const int rows = qBound(1, int(values.size()), 8);
  lstDrop_->setGeometry(below.x(), below.y(), qMax(edit->width(), 200),
                        rows * lstDrop_->fontMetrics().height() + 8);
  lstDrop_->show();
  lstDrop_->raise();
}

void TFormDefCertPay::DropDownClicked(int row) {
  if (dropEdit_ && row >= 0 && row < lstDrop_->count())
    dropEdit_->setText(lstDrop_->item(row)->text());
  HideDropDown();
}

void TFormDefCertPay::HideDropDown() {
  lstDrop_->hide();
  lstDrop_->clear();
  dropEdit_ = nullptr;
}

bool TFormDefCertPay::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusOut) {
    // The field's own context menu takes the focus only for a moment.
    const bool toPopup = static_cast<QFocusEvent*>(event)->reason() == Qt::PopupFocusReason;
    if (!toPopup && dropEdit_ && watched == dropEdit_)
      RunCommand(Prompts(), [this] { HideDropDown(); });
  } else if (event->type() == QEvent::MouseButtonPress && dropEdit_) {
    RunCommand(Prompts(), [this] { HideDropDown(); });
  }
  return TClientDialog::eventFilter(watched, event);
}
