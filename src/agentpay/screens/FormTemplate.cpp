#include "agentpay/screens/FormTemplate.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "agentpay/screens/FormTemplateColumn.h"
#include "agentpay/screens/TemplateUsers.h"
#include "platform/files/AtomicFile.h"
#include "platform/prompts/Prompts.h"
#include "widgets/base/CommandGuard.h"
#include "widgets/grid/ListModel.h"
#include "widgets/grid/MapleGrid.h"
#include "xml/XmlFiles.h"

namespace {

const QString kXmlFilter = QStringLiteral("XML文件 (*.xml)");

QString NotXmlText() {
  return QStringLiteral("读取文件出错，请检查文件是否是正确的XML格式文件！");
}

}  // namespace

TFormTemplate::TFormTemplate(TPrompts& prompts, QString dfdkDir, TTemplateUsers* users,
                             QWidget* parent)
    : TClientDialog(prompts, parent), dfdkDir_(std::move(dfdkDir)), users_(users) {
  setObjectName(QStringLiteral("FormTemplate"));
  setWindowTitle(QStringLiteral("制定代发代扣模板"));
  model_ = std::make_unique<TRecordListModel<QList<TPayColumn>>>(
      draft_.Columns(),
      QList<TColumnDef>{{QStringLiteral("列名称"), 220, TColumnAlignment::Left},
                        {QStringLiteral("文件中列位置"), 110, TColumnAlignment::Center}},
      [](const TPayColumn& column, int col) {
        return col == 0 ? column.Name : QString::number(column.Position);
      },
      false);
  CreateControls();
  ShowTemplate(TPayTemplate());
}

TFormTemplate::~TFormTemplate() {
  // The grid lets go of the model before the model goes.
  grid_->SetListModel(nullptr);
}

QLineEdit* TFormTemplate::NewNumberField(const QString& name) {
  auto* field = new QLineEdit(this);
  field->setObjectName(name);
  field->setValidator(
      new QRegularExpressionValidator(QRegularExpression(QStringLiteral("\\d*")), field));
  return field;
}

void TFormTemplate::CreateControls() {
  auto* commands = new QHBoxLayout;
  const auto addCommand = [&](const char* name, const QString& caption,
                              std::function<void()> command) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    ConnectClick(button, Prompts(), std::move(command));
    commands->addWidget(button);
    return button;
  };
  addCommand("btnOpen", QStringLiteral("打开模板"), [this] { btnOpenClick(); });
  addCommand("btnInsert", QStringLiteral("新增列"), [this] { btnInsertClick(); });
  columnCommands_ = {
      addCommand("btnModify", QStringLiteral("修改列"), [this] { btnModifyClick(); }),
      addCommand("btnDelete", QStringLiteral("删除列"), [this] { btnDeleteClick(); }),
      addCommand("btnSave", QStringLiteral("保存模板"), [this] { btnSaveClick(); })};
  addCommand("btnExit", QStringLiteral("退出"), [this] { reject(); });
  commands->addStretch();

  grid_ = new TMapleGrid(Prompts(), this);
  grid_->setObjectName(QStringLiteral("grdColumns"));
  grid_->SetListModel(model_.get());
  grid_->setToolTip(QStringLiteral("请点击新增或修改按钮来新增和修改相应的模板数据"));
  grid_->OnDblClick = [this](int, int) { btnModifyClick(); };
  grid_->setContextMenuPolicy(Qt::ActionsContextMenu);
  const auto addMenuCommand = [this](const QString& caption, void (TFormTemplate::*command)()) {
    auto* action = new QAction(caption, grid_);
    connect(action, &QAction::triggered, this,
            Guarded(Prompts(), [this, command] { (this->*command)(); }));
    grid_->addAction(action);
  };
  addMenuCommand(QStringLiteral("新增"), &TFormTemplate::btnInsertClick);
  addMenuCommand(QStringLiteral("修改"), &TFormTemplate::btnModifyClick);
  addMenuCommand(QStringLiteral("删除"), &TFormTemplate::btnDeleteClick);

  edtListSeparator_ = new QLineEdit(this);
  edtListSeparator_->setObjectName(QStringLiteral("edtListSeparator"));
  connect(edtListSeparator_, &QLineEdit::editingFinished, this, [this] {
    if (edtListSeparator_->text().isEmpty()) edtListSeparator_->setText(QStringLiteral("|"));
  });
  edtMoney_ = NewNumberField(QStringLiteral("edtMoney"));
  edtWorkAround_ = NewNumberField(QStringLiteral("edtWorkAround"));
  for (QLineEdit* field : {edtMoney_, edtWorkAround_}) {
    const auto oneForNothing = [field] {
      const QString text = OneWhenEmptyOrZero(field->text());
      if (text != field->text()) field->setText(text);
    };
    connect(field, &QLineEdit::textEdited, field, oneForNothing);
    connect(field, &QLineEdit::editingFinished, field, oneForNothing);
  }
  edtUbankNo_ = NewNumberField(QStringLiteral("edtUbankNo"));
  chkIfAddEndSign_ = new QCheckBox(QStringLiteral("在代发代扣文本记录末尾添加结束符"), this);
  chkIfAddEndSign_->setObjectName(QStringLiteral("chkIfAddEndSign"));

  auto* parameters = new QGroupBox(QStringLiteral("设置模板相关参数"), this);
  auto* grid = new QGridLayout(parameters);
  const auto addField = [&](int row, const QString& caption, QLineEdit* field,
                            const QString& note) {
    grid->addWidget(new QLabel(caption, parameters), row, 0);
    grid->addWidget(field, row, 1);
    grid->addWidget(new QLabel(note, parameters), row, 2);
  };
  addField(0, QStringLiteral("分割符："), edtListSeparator_,
           QStringLiteral("注：也可不输，默认为‘|’"));
  addField(1, QStringLiteral("金额列："), edtMoney_, QStringLiteral("注：金额必须指定"));
  addField(2, QStringLiteral("工作区："), edtWorkAround_,
           QStringLiteral("注：针对Excel文件中的工作区"));
  addField(3, QStringLiteral("联合号列："), edtUbankNo_,
           QStringLiteral("注：也可不输，默认为空，表示没有联行号。"));
  grid->addWidget(chkIfAddEndSign_, 4, 0, 1, 3);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(commands);
  layout->addWidget(grid_, 1);
  layout->addWidget(parameters);
  resize(560, 480);
}

void TFormTemplate::ShowTemplate(const TPayTemplate& payTemplate) {
  edtListSeparator_->setText(payTemplate.ListSeparator);
  edtMoney_->setText(QString::number(payTemplate.Money));
  edtWorkAround_->setText(QString::number(payTemplate.WorkAround));
  edtUbankNo_->setText(payTemplate.UbankNo ? QString::number(*payTemplate.UbankNo) : QString());
  chkIfAddEndSign_->setChecked(payTemplate.IfAddEndSign);
  draft_.SetColumns(payTemplate.Columns);
  Refresh();
}

TPayTemplate TFormTemplate::EditedTemplate() const {
  TPayTemplate edited;
  const QString separator = edtListSeparator_->text();
  edited.ListSeparator = separator.isEmpty() ? QStringLiteral("|") : separator;
  edited.Money = OneWhenEmptyOrZero(edtMoney_->text().trimmed()).toInt();
  edited.WorkAround = OneWhenEmptyOrZero(edtWorkAround_->text().trimmed()).toInt();
  bool isNumber = false;
  const int ubank = edtUbankNo_->text().trimmed().toInt(&isNumber);
  if (isNumber) edited.UbankNo = ubank;
  edited.IfAddEndSign = chkIfAddEndSign_->isChecked();
  edited.Columns = draft_.Columns();
  return edited;
}

void TFormTemplate::Refresh() {
  model_->Refresh();
  const bool hasColumns =
      !draft_.Columns().isEmpty() && !draft_.Columns().first().Name.trimmed().isEmpty();
  for (QPushButton* command : columnCommands_) command->setEnabled(hasColumns);
}

void TFormTemplate::AfterChange(int selectRow) {
  saved_ = false;
  Refresh();
  const auto [row, problem] = draft_.Problem();
  if (!problem.isEmpty()) {
    grid_->SetCurrentCell(0, row);
    Prompts().Warning(TPrompts::kSystemCaption, problem);
    return;
  }
  if (selectRow >= 0) grid_->SetCurrentCell(0, selectRow);
}

void TFormTemplate::btnOpenClick() {
  const QString path = Prompts().OpenFileName(QStringLiteral("打开模板"), dfdkDir_, kXmlFilter);
  if (path.isEmpty()) return;
  xml::Document doc;
  if (!xml::LoadLibraryFile(path, doc)) {
    Prompts().Warning(TPrompts::kSystemCaption, NotXmlText());
    return;
  }
  const std::optional<TPayTemplate> read = ReadTemplate(doc);
  if (!read) {
    Prompts().Warning(TPrompts::kSystemCaption, QStringLiteral("读取文件出错，请检查格式是否正确"));
    return;
  }
  ShowTemplate(*read);
}

void TFormTemplate::btnInsertClick() {
  const int selected = draft_.Columns().isEmpty() ? -1 : grid_->Row();
  TFormTemplateColumn dialog(Prompts(), this);
  const std::optional<QString> name = dialog.Execute(draft_.InsertPosition(selected), QString());
  if (!name) return;
  AfterChange(draft_.Insert(selected, *name));
}

void TFormTemplate::btnModifyClick() {
  const int row = grid_->Row();
  if (row < 0 || row >= draft_.Columns().size()) return;
  TFormTemplateColumn dialog(Prompts(), this);
  const std::optional<QString> name = dialog.Execute(row + 1, draft_.Columns()[row].Name);
  if (!name) return;
  draft_.Rename(row, *name);
  AfterChange(row);
}

void TFormTemplate::btnDeleteClick() {
  const int row = grid_->Row();
  if (row < 0 || row >= draft_.Columns().size()) {
    Prompts().Warning(TPrompts::kSystemCaption, QStringLiteral("不能删除表头"));
    return;
  }
  if (!Prompts().Ask(TPrompts::kSystemCaption, QStringLiteral("确实要删除列吗？"))) return;
  draft_.Remove(row);
  AfterChange(std::min(row, int(draft_.Columns().size()) - 1));
}

void TFormTemplate::btnSaveClick() {
  const TPayTemplate edited = EditedTemplate();
  const QString moneyProblem = MoneyColumnProblem(edited.Money, edited.Columns.size());
  if (!moneyProblem.isEmpty()) {
    Prompts().Warning(TPrompts::kSystemCaption, moneyProblem);
    edtMoney_->setFocus();
    return;
  }
  if (users_) {
    if (users_->HoldsRecords() &&
        Prompts().Ask(TPrompts::kSystemCaption, QStringLiteral("是否保存模板中已有的数据？")))
      users_->SaveRecords();
    users_->ClearRecords(edited.IfAddEndSign);
  }
  if (!QDir().mkpath(dfdkDir_)) {
    Prompts().Warning(TPrompts::kSystemCaption, QStringLiteral("模板保存错误，请检查磁盘！"));
    return;
  }
  QString path = Prompts().SaveFileName(QStringLiteral("保存模板"), dfdkDir_ + u'/', kXmlFilter);
  if (path.isEmpty()) return;
  if (QFileInfo(path).suffix().isEmpty()) path += QStringLiteral(".xml");
  if (!WriteReported(Prompts(), TPrompts::kErrorCaption,
                     [&] { WriteFileAtomically(path, TemplateFileBytes(edited)); }))
    return;
  if (users_) users_->Activate(edited);
  Prompts().Warning(TPrompts::kSystemCaption, QStringLiteral("模板文件导出成功！"));
  WriteReported(Prompts(), TPrompts::kErrorCaption,
                [&] { WriteActiveTemplatePath(dfdkDir_, path); });
  saved_ = true;
}

void TFormTemplate::done(int result) {
  if (!saved_ &&
      !Prompts().Confirm(TPrompts::kSystemCaption, QStringLiteral("当前模板尚未保存，是否退出？")))
    return;
  TClientDialog::done(result);
}
