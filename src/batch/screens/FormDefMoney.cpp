#include "batch/screens/FormDefMoney.h"

#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "batch/screens/MoneyEntry.h"
#include "batch/screens/fmSelectPayee.h"
#include "batch/screens/fmSelectPayer.h"
#include "core/TextHelpers.h"
#include "platform/prompts/Prompts.h"
#include "widgets/base/CommandGuard.h"

using namespace money_entry;

namespace {

constexpr int kUsageLength = 30;

QLineEdit* NewEdit(const QString& name, QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(name);
  return edit;
}

QLabel* NewShown(const QString& name, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  label->setFrameShape(QFrame::StyledPanel);
  label->setMinimumWidth(160);
  return label;
}

void AddRow(QGridLayout* grid, int row, int col, const QString& caption, QWidget* field) {
  grid->addWidget(new QLabel(caption, field->parentWidget()), row, col * 2);
  grid->addWidget(field, row, col * 2 + 1);
}

}  // namespace

TFormDefMoney::TFormDefMoney(const TRegisterContext& context, QWidget* parent)
    : TClientDialog(context.Screen.Prompts, parent),
      context_(context),
      registers_(context.Registers) {
  setObjectName(QStringLiteral("FormDefMoney"));
  setWindowTitle(QStringLiteral("付款单据"));
  CreateControls();
}

TFormDefMoney::~TFormDefMoney() = default;

void TFormDefMoney::CreateControls() {
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(CreatePayerGroup());
  layout->addWidget(CreatePayeeGroup());

  auto* money = new QGridLayout;
  edtMoney_ = NewEdit(QStringLiteral("edtMoney"), this);
  cmbUsage_ = new QComboBox(this);
  cmbUsage_->setObjectName(QStringLiteral("cmbUsage"));
  cmbUsage_->setEditable(true);
  cmbUsage_->setInsertPolicy(QComboBox::NoInsert);
  cmbUsage_->lineEdit()->setMaxLength(kUsageLength);
  AddRow(money, 0, 0, QStringLiteral("金　　额："), edtMoney_);
  AddRow(money, 0, 1, QStringLiteral("用　　途："), cmbUsage_);
  layout->addLayout(money);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  btnOk_ = new QPushButton(QStringLiteral("确定"), this);
  btnOk_->setObjectName(QStringLiteral("btnOk"));
  btnCancel_ = new QPushButton(QStringLiteral("取消"), this);
  btnCancel_->setObjectName(QStringLiteral("btnCancel"));
  btnContinue_ = new QPushButton(QStringLiteral("继续新增"), this);
  btnContinue_->setObjectName(QStringLiteral("btnContinue"));
  for (QPushButton* b : {btnOk_, btnCancel_, btnContinue_}) {
    b->setAutoDefault(false);
    buttons->addWidget(b);
  }
  layout->addLayout(buttons);

  ConnectClick(btnOk_, Prompts(), [this] { btnOkClick(); });
  ConnectClick(btnCancel_, Prompts(), [this] { btnCancelClick(); });
  ConnectClick(btnContinue_, Prompts(), [this] { btnContinueClick(); });
  ConnectClick(btnPayer_, Prompts(), [this] { btnPayerClick(); });
  ConnectClick(btnPayee_, Prompts(), [this] { btnPayeeClick(); });

  lstDrop_ = new QListWidget(this);
  lstDrop_->setObjectName(QStringLiteral("lstDrop"));
  // A click on the list leaves the focus in the field, which would hide the list.
  lstDrop_->setFocusPolicy(Qt::NoFocus);
  lstDrop_->hide();
  connect(
      lstDrop_, &QListWidget::itemClicked, this,
      Guarded(Prompts(), [this](QListWidgetItem* item) { DropDownClicked(lstDrop_->row(item)); }));

  // Only what the clerk types opens the list, never text set by the program or
  // a key that merely moves the focus into the field.
  for (int i = 0; i <= int(TField::PayeeAlias); ++i) {
    const auto field = TField(i);
    connect(FieldEdit(field), &QLineEdit::textEdited, this,
            Guarded(Prompts(), [this, field] { Typed(field); }));
  }

  // Fields the focus leaves, and clicks anywhere outside the list.
  installEventFilter(this);
  for (QWidget* child : findChildren<QWidget*>()) {
    if (child != lstDrop_ && !lstDrop_->isAncestorOf(child)) child->installEventFilter(this);
  }
}

QGroupBox* TFormDefMoney::CreatePayerGroup() {
  auto* box = new QGroupBox(QStringLiteral("付款账户信息"), this);
  box->setObjectName(QStringLiteral("grpPayer"));
  auto* grid = new QGridLayout(box);
  edtPayAccNo_ = NewEdit(QStringLiteral("edtPayAccNo"), box);
  edtPayAccName_ = NewEdit(QStringLiteral("edtPayAccName"), box);
  edtPayAlias_ = NewEdit(QStringLiteral("edtPayAlias"), box);
  lblPayCounter_ = NewShown(QStringLiteral("lblPayCounter"), box);
  lblPayBranch_ = NewShown(QStringLiteral("lblPayBranch"), box);
  lblPayRight_ = NewShown(QStringLiteral("lblPayRight"), box);
  lblPayBalance_ = NewShown(QStringLiteral("lblPayBalance"), box);
  lblPayBalanceDate_ = NewShown(QStringLiteral("lblPayBalanceDate"), box);
  AddRow(grid, 0, 0, QStringLiteral("账　　号："), edtPayAccNo_);
  AddRow(grid, 0, 1, QStringLiteral("开户机构："), lblPayCounter_);
  AddRow(grid, 1, 0, QStringLiteral("账户名称："), edtPayAccName_);
  AddRow(grid, 1, 1, QStringLiteral("一级分行："), lblPayBranch_);
  AddRow(grid, 2, 0, QStringLiteral("账户别名："), edtPayAlias_);
  AddRow(grid, 2, 1, QStringLiteral("账户类别："), lblPayRight_);
  AddRow(grid, 3, 0, QStringLiteral("上次余额："), lblPayBalance_);
  AddRow(grid, 3, 1, QStringLiteral("余额日期："), lblPayBalanceDate_);
  btnPayer_ = new QPushButton(QStringLiteral("选择付款账户"), box);
  btnPayer_->setObjectName(QStringLiteral("btnPayer"));
  grid->addWidget(btnPayer_, 4, 3, Qt::AlignRight);
  return box;
}

QGroupBox* TFormDefMoney::CreatePayeeGroup() {
  auto* box = new QGroupBox(QStringLiteral("收款账户信息"), this);
  box->setObjectName(QStringLiteral("grpPayee"));
  auto* grid = new QGridLayout(box);
  edtRcvAccNo_ = NewEdit(QStringLiteral("edtRcvAccNo"), box);
  edtRcvAccName_ = NewEdit(QStringLiteral("edtRcvAccName"), box);
  edtRcvAlias_ = NewEdit(QStringLiteral("edtRcvAlias"), box);
  lblRcvCounter_ = NewShown(QStringLiteral("lblRcvCounter"), box);
  lblRcvBank_ = NewShown(QStringLiteral("lblRcvBank"), box);
  AddRow(grid, 0, 0, QStringLiteral("账　　号："), edtRcvAccNo_);
  AddRow(grid, 0, 1, QStringLiteral("开户机构："), lblRcvCounter_);
  AddRow(grid, 1, 0, QStringLiteral("账户名称："), edtRcvAccName_);
  AddRow(grid, 1, 1, QStringLiteral("所属银行："), lblRcvBank_);
  AddRow(grid, 2, 0, QStringLiteral("账户别名："), edtRcvAlias_);
  btnPayee_ = new QPushButton(QStringLiteral("选择收款账户"), box);
  btnPayee_->setObjectName(QStringLiteral("btnPayee"));
  grid->addWidget(btnPayee_, 2, 3, Qt::AlignRight);
  auto* note =
      new QLabel(QStringLiteral("提示：尊敬的客户，当收款账户为他行账户，并且开户行信息有变动时，"
                                "请在收款名册或本地名册中重新设置"),
                 box);
  note->setObjectName(QStringLiteral("lblNote"));
  note->setWordWrap(true);
  grid->addWidget(note, 3, 0, 1, 4);
  return box;
}

void TFormDefMoney::ShowDocument(TPayMoneyInfo& doc, const QString& payerAccNo, TBatch& batch) {
  doc_ = &doc;
  batch_ = &batch;
  stored_ = false;
  HideDropDownOnly();
  payer_.Assign(doc.Payer);
  payee_.Assign(doc.Payee);
  UpdatePayerFilter();
  if (payerAccNo.isEmpty()) payerFilter_.clear();
  if (!payerAccNo.isEmpty()) {
    if (const TPayerInfo* last = registers_.FindLastPayer(payerAccNo)) payer_.Assign(*last);
  }
  cmbUsage_->clear();
  cmbUsage_->addItems(registers_.Usages.Texts());
  cmbUsage_->setEditText(doc.Usage);
  edtMoney_->setText(doc.Money.ToText());
  ShowPayer();
  ShowPayee();
}

bool TFormDefMoney::Execute(TPayMoneyInfo& doc, const QString& payerAccNo, TBatch& batch) {
  ShowDocument(doc, payerAccNo, batch);
  Prompts().RunModal(*this);
  HideDropDownOnly();
  return stored_;
}

void TFormDefMoney::ShowPayer() {
  edtPayAccNo_->setText(payer_.PayAccNo);
  edtPayAccName_->setText(payer_.PayAccName);
  edtPayAlias_->setText(payer_.AccAlias);
  lblPayCounter_->setText(payer_.CounterName);
  lblPayBranch_->setText(payer_.BranchName);
  lblPayRight_->setText(payer_.RightTypeText());
  lblPayBalance_->setText(FormatAmount(true, payer_.Balance));
  lblPayBalanceDate_->setText(payer_.BalanceDate);
}

void TFormDefMoney::ShowPayee() {
  edtRcvAccNo_->setText(payee_.RcvAccNo);
  edtRcvAccName_->setText(payee_.RcvAccName);
  edtRcvAlias_->setText(payee_.AccAlias);
  lblRcvCounter_->setText(payee_.CounterName);
  lblRcvBank_->setText(
      payee_.RcvAccNo.isEmpty() ? QString() : payee_.BankCategoryText() + QStringLiteral("账户"));
}

void TFormDefMoney::UpdatePayerFilter() {
  payerFilter_ = PayerFilterFor(payee_);
}

void TFormDefMoney::btnPayerClick() {
  TPayerInfo chosen;
  if (!TfmSelectPayer::Choose(context_, edtPayAccNo_->text(), payerFilter_, chosen, this)) return;
  payer_.Assign(chosen);
  ShowPayer();
}

void TFormDefMoney::btnPayeeClick() {
  if (IsAuthorized(payer_)) {
    TPayerInfo chosen;
    if (!TfmSelectPayer::Choose(context_, edtRcvAccNo_->text(), QStringLiteral("0"), chosen, this))
      return;
    payee_.AssignFromPayer(chosen);
  } else {
    TPayeeInfo chosen;
    if (!TfmSelectPayee::Choose(context_, edtRcvAccNo_->text(), chosen, this)) return;
    payee_.Assign(chosen);
  }
  UpdatePayerFilter();
  ShowPayee();
}

QWidget* TFormDefMoney::FocusWidget(int focus) const {
  switch (TFocus(focus)) {
    case TFocus::ChoosePayer:
      return btnPayer_;
    case TFocus::ChoosePayee:
      return btnPayee_;
    case TFocus::Usage:
      return cmbUsage_;
    case TFocus::Amount:
      return edtMoney_;
  }
  return nullptr;
}

bool TFormDefMoney::Checked() {
  const auto problem = Check(payer_, payee_, cmbUsage_->currentText(), edtMoney_->text());
  if (problem) {
    Prompts().Info(TPrompts::kSystemCaption, problem->Message);
    if (QWidget* w = FocusWidget(int(problem->Focus))) w->setFocus();
    return false;
  }
  const QString usage = cmbUsage_->currentText();
  if (registers_.Usages.IndexOf(usage) < 0) {
    registers_.Usages.Add(usage);
    cmbUsage_->insertItem(int(registers_.Usages.IndexOf(usage)), usage);
    WriteReported(Prompts(), TPrompts::kSystemCaption, [this] { registers_.SaveUsages(); });
  }
  return true;
}

void TFormDefMoney::StoreInto(TPayMoneyInfo& doc) const {
  doc.Payer.Assign(payer_);
  doc.Payee.Assign(payee_);
  doc.Usage = cmbUsage_->currentText().left(kUsageLength);
  doc.Money = AmountOf(edtMoney_->text());
}

void TFormDefMoney::btnOkClick() {
  if (!doc_ || !Checked()) return;
  StoreInto(*doc_);
  stored_ = true;
  accept();
}

void TFormDefMoney::btnCancelClick() {
  reject();
}

void TFormDefMoney::btnContinueClick() {
  if (!batch_ || !Checked()) return;
  auto doc = std::make_unique<TPayMoneyInfo>();
  StoreInto(*doc);
  batch_->Append(std::move(doc));
  registers_.LastPayerAccount = payer_.PayAccNo;
  if (BatchChanged) BatchChanged();
  edtRcvAccNo_->clear();
  edtRcvAccName_->clear();
  edtRcvAlias_->clear();
  lblRcvCounter_->clear();
  lblRcvBank_->clear();
  edtMoney_->clear();
}

QLineEdit* TFormDefMoney::FieldEdit(TField field) const {
  switch (field) {
    case TField::PayerAccNo:
      return edtPayAccNo_;
    case TField::PayerName:
      return edtPayAccName_;
    case TField::PayerAlias:
      return edtPayAlias_;
    case TField::PayeeAccNo:
      return edtRcvAccNo_;
    case TField::PayeeName:
      return edtRcvAccName_;
    case TField::PayeeAlias:
      return edtRcvAlias_;
  }
  return nullptr;
}

void TFormDefMoney::Typed(TField field) {
  if (field == TField::PayerAccNo) {
    if (const TPayerInfo* found = registers_.FindLastPayer(edtPayAccNo_->text())) {
      payer_.Assign(*found);
      // The account field keeps what was typed, cursor and all.
      edtPayAccName_->setText(payer_.PayAccName);
      edtPayAlias_->setText(payer_.AccAlias);
      lblPayCounter_->setText(payer_.CounterName);
      lblPayBranch_->setText(payer_.BranchName);
      lblPayRight_->setText(payer_.RightTypeText());
      lblPayBalance_->setText(FormatAmount(true, payer_.Balance));
      lblPayBalanceDate_->setText(payer_.BalanceDate);
    }
  }
  ShowDropDown(field);
}

void TFormDefMoney::TypeAhead(int field) {
  Typed(TField(field));
}

void TFormDefMoney::ShowDropDown(TField field) {
  static const TPartyField kParts[] = {TPartyField::AccNo, TPartyField::AccName,
                                       TPartyField::Alias};
  const bool ofPayer = field <= TField::PayerAlias;
  const TPartyField part = kParts[int(field) % 3];
  QLineEdit* edit = FieldEdit(field);
  const QList<TCandidate> candidates =
      ofPayer ? PayerCandidates(registers_, part, edit->text(), payerFilter_)
              : PayeeCandidates(registers_, part, edit->text(), IsAuthorized(payer_));
  dropField_ = field;
  dropAccounts_.clear();
  lstDrop_->clear();
  for (const TCandidate& c : candidates) {
    lstDrop_->addItem(c.Text);
    dropAccounts_.append(c.AccNo);
  }
  const QPoint below = edit->mapTo(this, QPoint(0, edit->height()));
  const int rows = qBound(1, int(candidates.size()), 8);
  lstDrop_->setGeometry(below.x(), below.y(), qMax(edit->width(), 200),
                        rows * lstDrop_->fontMetrics().height() + 8);
  lstDrop_->show();
  lstDrop_->raise();
}

void TFormDefMoney::DropDownClicked(int row) {
  if (row < 0 || row >= dropAccounts_.size()) return;
  const QString accNo = dropAccounts_.at(row);
  if (dropField_ <= TField::PayerAlias) {
    if (const TPayerInfo* found = registers_.FindLastPayer(accNo)) payer_.Assign(*found);
  } else if (IsAuthorized(payer_)) {
    if (const TPayerInfo* found = registers_.FindLastPayer(accNo)) payee_.AssignFromPayer(*found);
  } else if (const TPayeeInfo* found = registers_.FindAnyPayee(accNo)) {
    payee_.Assign(*found);
  }
  UpdatePayerFilter();
  HideDropDown();
}

void TFormDefMoney::HideDropDownOnly() {
  lstDrop_->hide();
  lstDrop_->clear();
  dropAccounts_.clear();
}

void TFormDefMoney::HideDropDown() {
  HideDropDownOnly();
  ShowPayer();
  ShowPayee();
}

bool TFormDefMoney::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::FocusOut) {
    // The field's own context menu takes the focus only for a moment.
    const bool toPopup = static_cast<QFocusEvent*>(event)->reason() == Qt::PopupFocusReason;
    if (!toPopup && !lstDrop_->isHidden() && watched == FieldEdit(dropField_))
      RunCommand(Prompts(), [this] { HideDropDown(); });
  } else if (event->type() == QEvent::MouseButtonPress) {
    RunCommand(Prompts(), [this] { HideDropDown(); });
  }
  return TClientDialog::eventFilter(watched, event);
}
