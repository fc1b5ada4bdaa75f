#include "agentpay/screens/fmPayFile.h"

#include <QAction>
#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "agentpay/online/PayExchange.h"
#include "agentpay/online/PayUpload.h"
#include "agentpay/screens/FormTemplate.h"
#include "agentpay/screens/PayGrid.h"
#include "agentpay/screens/PayRowsModel.h"
#include "agentpay/screens/PaySubmit.h"
#include "agentpay/screens/PaySubmitPanel.h"
#include "agentpay/screens/TemplateOpening.h"
#include "platform/errors/ClerkError.h"
#include "platform/prompts/Prompts.h"
#include "registers/screens/FormSelectUBank.h"
#include "session/transport/GetData.h"
#include "widgets/base/CommandGuard.h"
#include "widgets/base/WindowsDisabled.h"

TfmPayFile::TfmPayFile(const TPayFileContext& context, QWidget* parent)
    : TFormOriginal(context.Screen, parent),
      context_(context),
      model_(std::make_unique<TPayRowsModel>(records_)) {
  setObjectName(QStringLiteral("fmPayFile"));
  setWindowTitle(QStringLiteral("浏览转化外部文件"));
  CreateControls();
  ShowRecords();
}

TfmPayFile::~TfmPayFile() = default;

QPushButton* TfmPayFile::AddCommand(const char* name, const QString& caption, const QString& hint,
                                    void (TfmPayFile::*command)()) {
  auto* button = new QPushButton(caption, this);
  button->setObjectName(QString::fromLatin1(name));
  button->setToolTip(hint);
  ConnectClick(button, Prompts(), [this, command] { (this->*command)(); });
  return button;
}

void TfmPayFile::CreateControls() {
  btnNew_ = AddCommand("btnNew", QStringLiteral("新增"), QStringLiteral("新增一条代发代扣记录"),
                       &TfmPayFile::btnNewClick);
  btnModify_ = AddCommand("btnModify", QStringLiteral("修改"),
                          QStringLiteral("进行代发代扣记录修改"), &TfmPayFile::btnModifyClick);
  btnDelete_ = AddCommand("btnDelete", QStringLiteral("删除"), QStringLiteral("删除代发代扣记录"),
                          &TfmPayFile::btnDeleteClick);
  btnSave_ = AddCommand("btnSave", QStringLiteral("保存"), QStringLiteral("保存代发代扣记录"),
                        &TfmPayFile::btnSaveClick);
  QPushButton* btnTemplate =
      AddCommand("btnTemplate", QStringLiteral("制定模板"), QStringLiteral("制定代发代扣模板文件"),
                 &TfmPayFile::btnTemplateClick);
  QPushButton* btnOpenTemplate =
      AddCommand("btnOpenTemplate", QStringLiteral("打开模板"),
                 QStringLiteral("打开代发代扣模板文件"), &TfmPayFile::btnOpenTemplateClick);
  QPushButton* btnImportText =
      AddCommand("btnImportText", QStringLiteral("导入文本文件"),
                 QStringLiteral("导入已有代发代扣文件"), &TfmPayFile::btnImportTextClick);
  QPushButton* btnImportExcel =
      AddCommand("btnImportExcel", QStringLiteral("导入EXCEL文件"),
                 QStringLiteral("转换外部批量代发代扣文件"), &TfmPayFile::btnImportExcelClick);
  auto* btnExport = new QPushButton(QStringLiteral("导出文件"), this);
  btnExport->setObjectName(QStringLiteral("btnExport"));
  btnExport->setToolTip(QStringLiteral("导出代发代扣记录到文件"));
  ConnectClick(btnExport, Prompts(), [this] { btnExportClick(); });
  QPushButton* btnFind =
      AddCommand("btnFind", QStringLiteral("查询"), QString(), &TfmPayFile::btnFindClick);
  QPushButton* btnFindNext = AddCommand("btnFindNext", QStringLiteral("查询下一个"), QString(),
                                        &TfmPayFile::btnFindNextClick);
  outsideEditCommands_ = {btnNew_,       btnTemplate,    btnOpenTemplate,
                          btnImportText, btnImportExcel, btnExport};

  auto* commands = new QHBoxLayout;
  for (QPushButton* button :
       {btnNew_, btnModify_, btnDelete_, btnSave_, btnTemplate, btnOpenTemplate, btnImportText,
        btnImportExcel, btnExport, btnFind, btnFindNext})
    commands->addWidget(button);
  commands->addStretch();

  sgtemp_ = new TPayGrid(Prompts(), *model_, this);
  sgtemp_->setObjectName(QStringLiteral("sgtemp"));
  sgtemp_->setToolTip(QStringLiteral("请点击新增或修改按钮来新增或修改代发代扣数据"));
  sgtemp_->OnSelectCell = [this](int row, int column) {
    RunCommand(Prompts(), [this, row, column] { PickInterbankNumber(row, column); });
  };
  connect(sgtemp_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          [this] { UpdateCommands(); });
  auto* deleteAction = new QAction(QStringLiteral("删除"), sgtemp_);
  deleteAction->setObjectName(QStringLiteral("actDelete"));
  connect(deleteAction, &QAction::triggered, this,
          Guarded(Prompts(), [this] { btnDeleteClick(); }));
  sgtemp_->addAction(deleteAction);
  sgtemp_->setContextMenuPolicy(Qt::ActionsContextMenu);

  auto* totals = new QGroupBox(QStringLiteral("代发代扣文本内容"), this);
  lblSum_ = new QLabel(totals);
  lblSum_->setObjectName(QStringLiteral("lblSum"));
  lblCount_ = new QLabel(totals);
  lblCount_->setObjectName(QStringLiteral("lblCount"));
  auto* totalsRow = new QHBoxLayout(totals);
  totalsRow->addWidget(lblSum_);
  totalsRow->addSpacing(40);
  totalsRow->addWidget(lblCount_);
  totalsRow->addStretch();

  pnlSubmit_ = new TPaySubmitPanel(Prompts(), context_.Session, this);
  ConnectClick(pnlSubmit_->SubmitButton(), Prompts(), [this] { btnSubmitClick(); });

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(commands);
  layout->addWidget(sgtemp_, 1);
  layout->addWidget(totals);
  layout->addWidget(pnlSubmit_);
}

void TfmPayFile::ShowRecords() {
  model_->Reset();
  ShowTotals();
  UpdateCommands();
}

void TfmPayFile::ShowTotals() {
  const TPayTotals totals = records_.Totals();
  lblSum_->setText(QStringLiteral("合计金额：") + totals.SumText());
  lblCount_->setText(QStringLiteral("总记录：") + totals.CountText());
}

void TfmPayFile::SetEditing(bool editing) {
  editing_ = editing;
  sgtemp_->SetEditing(editing);
  UpdateCommands();
}

bool TfmPayFile::HoldsRecords() const {
  return !records_.Rows().isEmpty() && !records_.Rows().first().value(0).isEmpty();
}

void TfmPayFile::UpdateCommands() {
  for (QPushButton* button : std::as_const(outsideEditCommands_)) button->setEnabled(!editing_);
  btnSave_->setEnabled(editing_);
  const bool onRecord =
      !editing_ && sgtemp_->Row() >= 0 && !records_.Rows().value(0).value(0).trimmed().isEmpty();
  btnModify_->setEnabled(onRecord);
  btnDelete_->setEnabled(onRecord);
  for (QAction* action : sgtemp_->actions()) action->setEnabled(onRecord);
}

// ---- records ----

void TfmPayFile::btnNewClick() {
  if (!records_.HasTemplate()) {
    Prompts().Warning(TPrompts::kSystemCaption, QStringLiteral("请先打开模板"));
    return;
  }
  const int columns = int(records_.Template().Columns.size());
  QList<QStringList>& rows = records_.Rows();
  const int selected = std::clamp(sgtemp_->Row(), 0, int(rows.size()) - 1);
  const QStringList& row = rows[selected];
  bool hasEmptyCell = false;
  for (int c = 0; c < columns; ++c) hasEmptyCell = hasEmptyCell || row.value(c).isEmpty();
  int target = selected;
  if (!hasEmptyCell) {
    rows.append(QStringList(QList<QString>(columns)));
    target = int(rows.size()) - 1;
    model_->Reset();
  }
  SetEditing(true);
  sgtemp_->SelectCell(target, 0);
}

void TfmPayFile::btnModifyClick() {
  if (!records_.HasTemplate()) {
    Prompts().Warning(TPrompts::kSystemCaption, QStringLiteral("请先打开模板"));
    return;
  }
  SetEditing(true);
}

void TfmPayFile::btnSaveClick() {
  if (!records_.HasTemplate()) {
    Prompts().Warning(TPrompts::kSystemCaption, QStringLiteral("请先打开要使用的模板"));
    return;
  }
  sgtemp_->CommitEdit();
  const TPayRecords::TSaveProblem problem = records_.Save();
  exported_ = false;
  if (!problem.Message.isEmpty()) {
    Prompts().Warning(TPrompts::kSystemCaption, problem.Message);
    sgtemp_->SelectCell(problem.Row, problem.Column);
    return;
  }
  SetEditing(false);
  ShowRecords();
}

void TfmPayFile::btnDeleteClick() {
  if (records_.Template().Columns.size() < 2) {
    Prompts().Warning(TPrompts::kSystemCaption, QStringLiteral("请先打开要使用的模板文件！"));
    return;
  }
  if (!Prompts().Ask(TPrompts::kSystemCaption, QStringLiteral("确实要删除选中的记录吗？"))) return;
  const auto [first, last] = sgtemp_->SelectedRows();
  if (first < 0) return;
  const QString problem = records_.RemoveRows(first, last);
  ShowRecords();
  if (!problem.isEmpty()) Prompts().Warning(TPrompts::kSystemCaption, problem);
}

void TfmPayFile::btnFindClick() {
  sgtemp_->Find();
}

void TfmPayFile::btnFindNextClick() {
  sgtemp_->FindNext();
}

void TfmPayFile::btnSubmitClick() {
  TWindowsDisabled disabled(*this);
  const QStringList lines = UploadFileLines(records_.Lines(), records_.Template().Separator(),
                                            records_.Template().IfAddEndSign);
  if (!records_.HasTemplate() || !HoldsRecords()) {
    Prompts().Info(TPrompts::kSystemCaption, QStringLiteral("当前没有数据可以提交！"));
    return;
  }
  // The upload carries the committed lines; the grid's edits are not among them.
  if (editing_) {
    Prompts().Warning(TPrompts::kSystemCaption,
                      QStringLiteral("请先保存正在编辑的代发代扣记录，再提交代发代扣。"));
    return;
  }
  if (lines.isEmpty()) {
    Prompts().Info(TPrompts::kSystemCaption, QStringLiteral("当前没有数据可以提交！"));
    return;
  }
  const std::optional<TPaySubmission> choice = pnlSubmit_->CheckedChoice();
  if (!choice) return;
  TSessionControl& session = context_.Session;
  const pugi::xml_document reply =
      UploadPayFile(session.User(), session.Server(), lines, *choice, pnlSubmit_->ModeLists());
  // The bank has the file now; closing the screen no longer asks for an export.
  exported_ = true;
  AnswerPayUpload(Prompts(), session, *this, ReplyRoot(reply), *choice);
}

void TfmPayFile::PickInterbankNumber(int row, int column) {
  if (!editing_ || records_.Template().UbankIndex() != column) return;
  const QString number = TFormSelectUBank::Pick(Prompts(), context_.ParamDir, this);
  if (!number.isEmpty()) model_->setData(model_->index(row, column), number);
}

// ---- template ----

void TfmPayFile::btnTemplateClick() {
  TFormTemplate editor(Prompts(), context_.DfdkDir, this, this);
  Prompts().RunModal(editor);
}

void TfmPayFile::btnOpenTemplateClick() {
  if (const std::optional<TPayTemplate> opened = OpenTemplateFile(Prompts(), context_.DfdkDir))
    Activate(*opened);
}

void TfmPayFile::LoadActiveTemplate() {
  const std::optional<TTemplateFileRead> read = ReadActiveTemplate(context_.DfdkDir);
  if (!read)
    records_.SetTemplate(TPayTemplate{});
  else if (read->Template)
    records_.SetTemplate(*read->Template);
  else
    records_.Clear();
  SetEditing(false);
  ShowRecords();
}

void TfmPayFile::SaveRecords() {
  btnSaveClick();
}

void TfmPayFile::ClearRecords(bool endSign) {
  TPayTemplate payTemplate = records_.Template();
  payTemplate.IfAddEndSign = endSign;
  Activate(payTemplate);
}

void TfmPayFile::Activate(const TPayTemplate& payTemplate) {
  records_.SetTemplate(payTemplate);
  SetEditing(false);
  ShowRecords();
}

// ---- showing and closing ----

void TfmPayFile::showEvent(QShowEvent* event) {
  // The main window hides and shows its children with itself; only a screen
  // that was closed loads the template again, so the records stay meanwhile.
  if (needsLoad_ && !event->spontaneous()) {
    needsLoad_ = false;
    LoadActiveTemplate();
  }
  TFormOriginal::showEvent(event);
}

bool TfmPayFile::MayLeave() {
  // Typed records that were never saved would be lost as well as saved ones
  // that were never exported.
  if (!HoldsRecords() || (exported_ && !editing_)) return true;
  const QString question = QStringLiteral("是否导出代发代扣记录文件？否则%1条代发代扣记录将丢失！")
                               .arg(records_.Rows().size());
  if (!Prompts().Ask(TPrompts::kSystemCaption, question)) return true;
  bool exported = false;
  RunCommand(Prompts(), [&] {
    if (editing_) btnSaveClick();
    exported = !editing_ && btnExportClick();
  });
  return exported;
}

void TfmPayFile::closeEvent(QCloseEvent* event) {
  // An export that did not happen keeps the records and the screen.
  if (!MayLeave()) {
    event->ignore();
    return;
  }
  records_.Clear();
  SetEditing(false);
  ShowRecords();
  needsLoad_ = true;
  TFormOriginal::closeEvent(event);
}

void TfmPayFile::BeforeProgramExit() {
  if (!MayLeave()) throw TClerkError(QStringLiteral("代发代扣记录尚未导出。"));
}
