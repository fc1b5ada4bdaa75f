#include "registers/screens/FormDefPayee.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "platform/prompts/Prompts.h"
#include "registers/books/UsageText.h"
#include "registers/codetables/CodeFileConversion.h"
#include "registers/screens/UBankChoiceLists.h"
#include "widgets/base/CommandGuard.h"
#include "widgets/base/OkCancelRow.h"
#include "widgets/base/ReadOnlyField.h"

namespace {

constexpr int kAccNoLength = 32;
constexpr int kAccNameLength = 60;
constexpr int kNameLength = 20;  // group and alias

// Width of a number of Chinese characters in the widget's font.
int TextWidth(const QWidget* widget, int characters) {
  return widget->fontMetrics().horizontalAdvance(QString(characters, QChar(0x94F6)));
}

// Latin capitals become small letters; other characters stay as they are.
QString LowerLatin(const QString& text) {
  QString lower = text;
  for (QChar& c : lower)
    if (c >= QLatin1Char('A') && c <= QLatin1Char('Z')) c = QChar(c.unicode() + ('a' - 'A'));
  return lower;
}

// Sets the text whole, even when it is longer than the field's limit: a value
// that came from the bank is never cut by showing it.
void SetLimitedText(QLineEdit* field, const QString& text, int limit) {
  field->setMaxLength(qMax(limit, int(text.size())));
  field->setText(text);
  field->setCursorPosition(0);
}

QLabel* NewLabel(QWidget* parent, const QString& text) {
  auto* label = new QLabel(text, parent);
  // All label columns as wide as the widest label, so the three parts line up.
  label->setMinimumWidth(label->fontMetrics().horizontalAdvance(QStringLiteral("原开户机构：")));
  label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  return label;
}

QFormLayout* NewForm() {
  auto* form = new QFormLayout;
  form->setContentsMargins(0, 0, 0, 0);
  form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
  form->setHorizontalSpacing(12);
  form->setVerticalSpacing(10);
  return form;
}

QComboBox* NewList(QWidget* parent, const QString& name) {
  auto* list = new QComboBox(parent);
  list->setObjectName(name);
  list->setMaxVisibleItems(20);
  list->setInsertPolicy(QComboBox::NoInsert);
  // Long branch names of the tables show whole.
  list->setMinimumWidth(TextWidth(list, 32));
  return list;
}

QComboBox* NewNameList(QWidget* parent, const QString& name) {
  QComboBox* list = NewList(parent, name);
  list->setEditable(true);
  list->lineEdit()->setMaxLength(kNameLength);
  return list;
}

QRadioButton* NewChoice(QWidget* parent, const QString& name, const QString& caption) {
  auto* choice = new QRadioButton(caption, parent);
  choice->setObjectName(name);
  return choice;
}

QLineEdit* NewField(QWidget* parent, const QString& name) {
  auto* field = new QLineEdit(parent);
  field->setObjectName(name);
  return field;
}

void FillNameList(QComboBox* list, const QStringList& values, const QString& text) {
  list->clear();
  list->addItems(DistinctSorted(values));
  list->setCurrentIndex(-1);
  list->lineEdit()->setMaxLength(qMax(kNameLength, int(text.size())));
  list->setEditText(text);
}

// A list that cannot be chosen from, showing a text that none of its entries has.
void ShowFixedText(QComboBox* list, const QString& text) {
  list->setEditable(true);
  SetFieldReadOnly(*list->lineEdit());
  list->setCurrentIndex(-1);
  list->setEditText(text);
}

}  // namespace

TFormDefPayee::TFormDefPayee(const TRegisterContext& context, QWidget* parent)
    : TClientDialog(context.Screen.Prompts, parent), registers_(context.Registers) {
  setObjectName(QStringLiteral("FormDefPayee"));
  setWindowTitle(QStringLiteral("定义收款帐户"));
  CreateControls();
  lists_ =
      new TUBankChoiceLists(Prompts(), cascade_, cmbProvince_, cmbCity_, cmbBank_, cmbUBank_, this);
  connect(lists_, &TUBankChoiceLists::Chosen, this,
          Guarded(Prompts(), [this] { RestoreTypedBranch(); }));
  WatchEnterKey();
}

TFormDefPayee::~TFormDefPayee() = default;

void TFormDefPayee::CreateControls() {
  edtAccNo_ = NewField(this, QStringLiteral("edtAccNo"));
  edtAccNo_->setMaxLength(kAccNoLength);
  edtAccName_ = NewField(this, QStringLiteral("edtAccName"));
  edtAccName_->setMaxLength(kAccNameLength);

  auto* categories = new QWidget(this);
  rbOwnBank_ = NewChoice(categories, QStringLiteral("rbOwnBank"), QStringLiteral("维行账户"));
  rbOtherBank_ = NewChoice(categories, QStringLiteral("rbOtherBank"), QStringLiteral("他行账户"));
  auto* categoryRow = new QHBoxLayout(categories);
  categoryRow->setContentsMargins(0, 0, 0, 0);
  categoryRow->addWidget(rbOwnBank_);
  categoryRow->addSpacing(24);
  categoryRow->addWidget(rbOtherBank_);
  categoryRow->addStretch();
  connect(rbOwnBank_, &QRadioButton::clicked, this,
          Guarded(Prompts(), [this] { CategoryClicked(); }));
  connect(rbOtherBank_, &QRadioButton::clicked, this,
          Guarded(Prompts(), [this] { CategoryClicked(); }));

  auto* top = NewForm();
  top->addRow(NewLabel(this, QStringLiteral("收款账号：")), edtAccNo_);
  top->addRow(NewLabel(this, QStringLiteral("账户名称：")), edtAccName_);
  top->addRow(NewLabel(this, QString()), categories);

  ownBankPage_ = CreateOwnBankPage();
  otherBankPage_ = CreateOtherBankPage();

  cmbSortId_ = NewNameList(this, QStringLiteral("cmbSortId"));
  cmbAlias_ = NewNameList(this, QStringLiteral("cmbAlias"));
  auto* bottom = NewForm();
  bottom->addRow(NewLabel(this, QStringLiteral("分组名称：")), cmbSortId_);
  bottom->addRow(NewLabel(this, QStringLiteral("账户别名：")), cmbAlias_);

  QHBoxLayout* buttons = OkCancelRow(
      *this, [this] { btnOkClick(); }, false);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(24, 20, 24, 18);
  layout->setSpacing(10);
  layout->addLayout(top);
  layout->addWidget(ownBankPage_);
  layout->addWidget(otherBankPage_);
  layout->addLayout(bottom);
  layout->addSpacing(8);
  layout->addLayout(buttons);
  // The dialog fits the part shown: the own-bank part is much shorter.
  layout->setSizeConstraint(QLayout::SetFixedSize);
  ownBankPage_->hide();
}

QWidget* TFormDefPayee::CreateOwnBankPage() {
  auto* page = new QWidget(this);
  page->setObjectName(QStringLiteral("pnlOwnBank"));
  cmbBranch_ = NewList(page, QStringLiteral("cmbBranch"));
  cmbCounter_ = NewList(page, QStringLiteral("cmbCounter"));
  connect(cmbBranch_, &QComboBox::currentIndexChanged, this,
          Guarded(Prompts(), [this](int i) { BranchChosen(i); }));

  auto* form = NewForm();
  form->addRow(NewLabel(page, QStringLiteral("一级分行：")), cmbBranch_);
  form->addRow(NewLabel(page, QStringLiteral("开户机构：")), cmbCounter_);
  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addLayout(form);
  return page;
}

QWidget* TFormDefPayee::CreateOtherBankPage() {
  auto* page = new QWidget(this);
  page->setObjectName(QStringLiteral("pnlOtherBank"));
  cmbBank_ = NewList(page, QStringLiteral("cmbBank"));
  cmbProvince_ = NewList(page, QStringLiteral("cmbProvince"));
  cmbCity_ = NewList(page, QStringLiteral("cmbCity"));

  // Made in the order shown, which is the order Enter and Tab follow.
  auto* choices = new QWidget(page);
  rbQuick_ = NewChoice(choices, QStringLiteral("rbQuick"), QStringLiteral("快速选择"));
  rbManual_ = NewChoice(choices, QStringLiteral("rbManual"), QStringLiteral("手工输入"));
  auto* choiceRow = new QHBoxLayout(choices);
  choiceRow->setContentsMargins(0, 0, 0, 0);
  choiceRow->addWidget(rbQuick_);
  choiceRow->addSpacing(24);
  choiceRow->addWidget(rbManual_);
  choiceRow->addStretch();
  connect(rbQuick_, &QRadioButton::clicked, this, Guarded(Prompts(), [this] { SetManual(false); }));
  connect(rbManual_, &QRadioButton::clicked, this, Guarded(Prompts(), [this] { SetManual(true); }));

  cmbUBank_ = NewList(page, QStringLiteral("cmbUBank"));
  connect(cmbUBank_, &QComboBox::activated, this,
          Guarded(Prompts(), [this](int i) { BranchPicked(i); }));
  edtOldCounter_ = NewField(page, QStringLiteral("edtOldCounter"));
  SetFieldReadOnly(*edtOldCounter_);

  lblManualNote_ = new QLabel(QStringLiteral("提示：尊敬的客户，为加快您的账务处理速度，建议您在快"
                                             "速选择中重新选择收款账户开户行信息。"),
                              page);
  lblManualNote_->setObjectName(QStringLiteral("lblManualNote"));
  lblManualNote_->setWordWrap(true);
  lblManualNote_->setStyleSheet(QStringLiteral("color: #c00000;"));
  // Room for the wrapped lines, whatever width the layout gives; hidden, the
  // note takes no room and the dialog shrinks back.
  lblManualNote_->setMinimumHeight(lblManualNote_->fontMetrics().lineSpacing() * 3);

  auto* form = NewForm();
  form->addRow(NewLabel(page, QStringLiteral("所属银行：")), cmbBank_);
  form->addRow(NewLabel(page, QStringLiteral("所属省市：")), cmbProvince_);
  form->addRow(NewLabel(page, QStringLiteral("所属城市：")), cmbCity_);
  form->addRow(NewLabel(page, QString()), choices);
  form->addRow(NewLabel(page, QStringLiteral("开户机构：")), cmbUBank_);
  form->addRow(NewLabel(page, QStringLiteral("原开户机构：")), edtOldCounter_);
  auto* layout = new QVBoxLayout(page);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addLayout(form);
  layout->addWidget(lblManualNote_);
  return page;
}

void TFormDefPayee::WatchEnterKey() {
  const QList<QWidget*> fields{edtAccNo_,   edtAccName_, rbOwnBank_,     rbOtherBank_, cmbBranch_,
                               cmbCounter_, cmbBank_,    cmbProvince_,   cmbCity_,     rbQuick_,
                               rbManual_,   cmbUBank_,   edtOldCounter_, cmbSortId_,   cmbAlias_};
  for (QWidget* field : fields) field->installEventFilter(this);
}

bool TFormDefPayee::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      focusNextChild();
      return true;
    }
  }
  return TClientDialog::eventFilter(watched, event);
}

TFormDefPayee::TFileStamp TFormDefPayee::StampOf(const QString& path) {
  const QFileInfo info(path);
  if (!info.exists()) return {};
  return {true, info.lastModified(), info.size()};
}

bool TFormDefPayee::ReadBranchesIfChanged() {
  const QString path = registers_.Paths().ParamFile(QStringLiteral("branch.xml"));
  const TFileStamp stamp = StampOf(path);
  if (branchesRead_ && stamp == branchStamp_) return false;
  branches_ = TBranchList();
  branches_.Load(path);
  branchesRead_ = true;
  branchStamp_ = stamp;
  FillBranchList();
  return true;
}

QList<TFormDefPayee::TFileStamp> TFormDefPayee::CodeTableStamps() const {
  using codetables::TableFileName;
  using codetables::TCodeFile;
  QList<TFileStamp> stamps;
  for (TCodeFile kind : {TCodeFile::Area, TCodeFile::Bank, TCodeFile::Branch})
    stamps.append(StampOf(registers_.Paths().ParamFile(TableFileName(kind))));
  return stamps;
}

bool TFormDefPayee::ReadCodeTablesIfChanged() {
  const QList<TFileStamp> stamps = CodeTableStamps();
  if (tablesRead_ && stamps == tableStamps_) return false;
  tables_ = TOtherBankTables::Load(registers_.Paths().ParamFile(QString()));
  tablesRead_ = true;
  tableStamps_ = stamps;
  lists_->Reset();
  RestoreTypedBranch();
  return true;
}

void TFormDefPayee::FillBranchList() {
  cmbBranch_->clear();
  for (const TBranch& branch : branches_.Branches()) cmbBranch_->addItem(branch.BranchName);
  cmbBranch_->setCurrentIndex(-1);
  cmbCounter_->clear();
}

void TFormDefPayee::BranchChosen(int index) {
  cmbCounter_->clear();
  if (const TBranch* branch = branches_.BranchAt(index)) {
    for (const TCounter& counter : branch->Counters) cmbCounter_->addItem(counter.CounterName);
    cmbCounter_->setCurrentIndex(-1);
  }
}

void TFormDefPayee::ClearControls() {
  SetFieldReadOnly(*edtAccNo_, false);
  SetFieldReadOnly(*edtAccName_, false);
  edtAccNo_->clear();
  edtAccName_->clear();
  rbOwnBank_->setEnabled(true);
  rbOtherBank_->setEnabled(true);
  for (QComboBox* list : {cmbBranch_, cmbCounter_}) {
    list->setEditable(false);
    list->setEnabled(true);
  }
  if (branchesRead_)
    FillBranchList();
  else
    cmbBranch_->clear();
  cmbCounter_->clear();

  edtOldCounter_->clear();
  rbQuick_->setChecked(true);
  SetManual(false);
  if (tablesRead_)
    lists_->Reset();
  else
    lists_->Clear();
}

void TFormDefPayee::ShowCategory(bool ownBank) {
  (ownBank ? rbOwnBank_ : rbOtherBank_)->setChecked(true);
  ownBankPage_->setVisible(ownBank);
  otherBankPage_->setVisible(!ownBank);
  if (ownBank)
    ReadBranchesIfChanged();
  else
    ReadCodeTablesIfChanged();
}

void TFormDefPayee::CategoryClicked() {
  ShowCategory(rbOwnBank_->isChecked());
}

void TFormDefPayee::ShowPayee(TPayeeInfo& payee, TMode mode) {
  payee_ = &payee;
  stored_ = false;
  setResult(QDialog::Rejected);
  definition_ = TPayeeDefinition(mode, payee);
  typedBranch_ = LowerLatin(definition_.InitialCounterName());
  ClearControls();
  ShowCategory(definition_.OpenedAsOwnBank());

  const bool locked = definition_.Locked();
  SetLimitedText(edtAccNo_, payee.RcvAccNo, locked ? 0 : kAccNoLength);
  SetLimitedText(edtAccName_, payee.RcvAccName, locked ? 0 : kAccNameLength);
  FillNameLists(payee);

  if (!definition_.IsNew()) {
    if (locked) Lock();
    if (definition_.OpenedAsOwnBank())
      ShowOwnBankPayee(payee);
    else
      ShowOtherBankPayee(payee);
  }
  (locked ? static_cast<QWidget*>(cmbSortId_) : edtAccNo_)->setFocus();
}

void TFormDefPayee::ShowOwnBankPayee(const TPayeeInfo& payee) {
  const qsizetype branchIndex = branches_.IndexOfBranchCode(payee.BranchCode);
  cmbBranch_->setCurrentIndex(int(branchIndex));
  const TBranch* branch = branches_.BranchAt(branchIndex);
  const qsizetype counterIndex = branch ? branch->IndexOfCounterNo(payee.CounterNo) : -1;
  cmbCounter_->setCurrentIndex(int(counterIndex));
  if (definition_.Mode() != TMode::Register) return;
  if (branchIndex < 0) ShowFixedText(cmbBranch_, payee.BranchName);
  if (counterIndex < 0) ShowFixedText(cmbCounter_, payee.CounterName);
}

void TFormDefPayee::ShowOtherBankPayee(const TPayeeInfo& payee) {
  edtOldCounter_->setText(definition_.InitialCounterName());
  edtOldCounter_->setCursorPosition(0);
  lists_->Select(payee.BankCode, payee.AreaProv, payee.AreaCode, payee.UbankNo);
  if (cascade_.BranchIndex() < 0) {
    rbManual_->setChecked(true);
    SetManual(true);
  }
}

void TFormDefPayee::Lock() {
  SetFieldReadOnly(*edtAccNo_);
  SetFieldReadOnly(*edtAccName_);
  (definition_.OpenedAsOwnBank() ? rbOtherBank_ : rbOwnBank_)->setEnabled(false);
  cmbBranch_->setEnabled(false);
  cmbCounter_->setEnabled(false);
}

void TFormDefPayee::SetManual(bool manual) {
  manual_ = manual;
  lblManualNote_->setVisible(manual);
  if (!manual) {
    cmbUBank_->setEditable(false);
    return;
  }
  if (!cmbUBank_->isEditable()) {
    cmbUBank_->setEditable(true);
    // A typed name stays as typed: no completion from the list.
    cmbUBank_->setCompleter(nullptr);
    connect(cmbUBank_->lineEdit(), &QLineEdit::textEdited, this,
            Guarded(Prompts(), [this](const QString& text) { BranchTyped(text); }));
  }
  RestoreTypedBranch();
}

void TFormDefPayee::BranchTyped(const QString& text) {
  typedBranch_ = LowerLatin(text);
  if (typedBranch_ == text) return;
  QLineEdit* edit = cmbUBank_->lineEdit();
  const int cursor = edit->cursorPosition();
  edit->setText(typedBranch_);
  edit->setCursorPosition(cursor);
}

void TFormDefPayee::BranchPicked(int index) {
  if (!manual_) return;
  typedBranch_ = LowerLatin(cmbUBank_->itemText(index));
  RestoreTypedBranch();
}

void TFormDefPayee::RestoreTypedBranch() {
  // Refilling the branch list clears the box's text.
  if (manual_ && cmbUBank_->currentText() != typedBranch_) cmbUBank_->setEditText(typedBranch_);
}

void TFormDefPayee::FillNameLists(const TPayeeInfo& payee) {
  QStringList groups;
  QStringList aliases;
  for (const auto* list : {&registers_.Payees, &registers_.LocalPayees}) {
    for (const TPayeeInfo& each : *list) {
      groups.append(each.SortID);
      aliases.append(each.AccAlias);
    }
  }
  FillNameList(cmbSortId_, groups, payee.SortID);
  FillNameList(cmbAlias_, aliases, payee.AccAlias);
}

TPayeeFields TFormDefPayee::Fields() const {
  TPayeeFields fields;
  fields.AccNo = edtAccNo_->text();
  fields.AccName = edtAccName_->text();
  fields.OwnBank = rbOwnBank_->isChecked();
  fields.Branch = branches_.BranchAt(cmbBranch_->currentIndex());
  fields.Counter = fields.Branch ? fields.Branch->CounterAt(cmbCounter_->currentIndex()) : nullptr;
  fields.ManualBranch = manual_;
  fields.BankCode = cascade_.SelectedBankCode();
  fields.ProvinceText = cmbProvince_->currentText();
  fields.AreaCode = cascade_.SelectedCityCode();
  fields.BranchChosen = cascade_.BranchIndex() >= 0;
  fields.UBankNo = cascade_.SelectedUBankNo();
  fields.BranchText = manual_ ? cmbUBank_->currentText() : cascade_.SelectedBranchName();
  fields.SortId = cmbSortId_->currentText();
  fields.Alias = cmbAlias_->currentText();
  return fields;
}

QWidget* TFormDefPayee::FieldWidget(TPayeeField field) const {
  switch (field) {
    case TPayeeField::AccNo:
      return edtAccNo_;
    case TPayeeField::AccName:
      return edtAccName_;
    case TPayeeField::Branch:
      return cmbBranch_;
    case TPayeeField::Counter:
      return cmbCounter_;
    case TPayeeField::UBank:
      return cmbUBank_;
  }
  return edtAccNo_;
}

void TFormDefPayee::btnOkClick() {
  TPayeeFields fields = Fields();
  TPayeeDefinition::Trim(fields);
  edtAccNo_->setText(fields.AccNo);
  edtAccName_->setText(fields.AccName);
  if (manual_) {
    typedBranch_ = fields.BranchText;
    RestoreTypedBranch();
  }
  if (const auto refusal = definition_.Check(fields, registers_)) {
    Prompts().Info(TPrompts::kNoticeCaption, refusal->Message);
    QWidget* field = FieldWidget(refusal->Field);
    field->setFocus();
    if (refusal->SelectText) edtAccNo_->selectAll();
    return;
  }
  if (payee_) {
    TPayeeDefinition::Store(fields, *payee_);
    stored_ = true;
  }
  accept();
}

bool TFormDefPayee::Execute(TPayeeInfo& payee, TMode mode) {
  ShowPayee(payee, mode);
  Prompts().RunModal(*this);
  payee_ = nullptr;
  return stored_;
}
