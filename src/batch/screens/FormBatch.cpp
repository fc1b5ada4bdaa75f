#include "batch/screens/FormBatch.h"

#include <QCloseEvent>
#include <QDir>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>
#include <QSplitter>
#include <QStatusBar>
#include <QVBoxLayout>
#include <utility>

#include "batch/documents/BatchFile.h"
#include "batch/documents/BatchLine.h"
#include "batch/documents/BatchWorkbook.h"
#include "batch/screens/BatchCommands.h"
#include "batch/screens/FailPanel.h"
#include "batch/screens/FormDefMoney.h"
#include "batch/submission/BatchUpload.h"
#include "core/TextHelpers.h"
#include "platform/files/AtomicFile.h"
#include "platform/prompts/Prompts.h"
#include "platform/spreadsheet/AccountCells.h"
#include "platform/spreadsheet/Spreadsheet.h"
#include "registers/books/RegisterWorkbook.h"
#include "session/transport/ResponseError.h"
#include "widgets/base/CommandGuard.h"
#include "widgets/base/SecretField.h"
#include "widgets/base/WindowsDisabled.h"
#include "widgets/grid/GridLayout.h"
#include "widgets/grid/ListModel.h"
#include "widgets/grid/MapleGrid.h"

namespace {

const QString kGridKey = QStringLiteral("Batch");
const QString kWorkingCopy = QStringLiteral("PayInfo.tmp");

QString DocumentCell(const TPayMoneyInfo& doc, int col) {
  switch (col) {
    case 1:
      return doc.Payer.PayAccName;
    case 2:
      return doc.Payer.PayAccNo;
    case 3:
      return doc.Payee.RcvAccNo;
    case 4:
      return doc.Payee.RcvAccName;
    case 5:
      return doc.Payee.CounterName;
    case 6:
      return MoneyCellText(doc.Money);
    case 7:
      return doc.Usage;
    default:
      return {};
  }
}

}  // namespace

TFormBatch::TFormBatch(const TBatchContext& context, QWidget* parent)
    : TFormOriginal(context.Registers.Screen, parent),
      context_(context),
      registers_(context.Registers.Registers) {
  setObjectName(QStringLiteral("FormBatch"));
  setWindowTitle(QStringLiteral("批量制单"));
  CreateControls();
  LoadGridLayoutFile(GridLayoutFile(), *grid_, kGridKey);
  Refresh();
}

QString TFormBatch::GridLayoutFile() const {
  return registers_.Paths().ParamFile(QStringLiteral("Grid.xml"));
}

TFormBatch::~TFormBatch() {
  secret_field::Wipe(edtPassword_);
  try {
    SaveGridLayoutFile(GridLayoutFile(), *grid_, kGridKey);
  } catch (...) {
    // Column widths are a convenience; losing them is no reason to stop.
  }
}

QPushButton* TFormBatch::AddCommand(const QString& name, const QString& caption,
                                    void (TFormBatch::*command)()) {
  auto* button = new QPushButton(caption, this);
  button->setObjectName(name);
  button->setAutoDefault(false);
  connect(button, &QPushButton::clicked, this,
          Guarded(Prompts(), [this, command] { (this->*command)(); }));
  return button;
}

void TFormBatch::CreateControls() {
  btnNew_ = AddCommand(QStringLiteral("btnNew"), QStringLiteral("新增"), &TFormBatch::btnNewClick);
  btnEdit_ =
      AddCommand(QStringLiteral("btnEdit"), QStringLiteral("修改"), &TFormBatch::btnEditClick);
  btnDelete_ =
      AddCommand(QStringLiteral("btnDelete"), QStringLiteral("删除"), &TFormBatch::btnDeleteClick);
  btnClear_ =
      AddCommand(QStringLiteral("btnClear"), QStringLiteral("清空"), &TFormBatch::btnClearClick);
  QPushButton* btnFind =
      AddCommand(QStringLiteral("btnFind"), QStringLiteral("查询"), &TFormBatch::btnFindClick);
  QPushButton* btnFindNext = AddCommand(QStringLiteral("btnFindNext"), QStringLiteral("查询下一个"),
                                        &TFormBatch::btnFindNextClick);
  btnExport_ =
      AddCommand(QStringLiteral("btnExport"), QStringLiteral("导出"), &TFormBatch::btnExportClick);
  btnExportExcel_ = AddCommand(QStringLiteral("btnExportExcel"), QStringLiteral("导出Excel"),
                               &TFormBatch::btnExportExcelClick);
  btnImport_ =
      AddCommand(QStringLiteral("btnImport"), QStringLiteral("导入"), &TFormBatch::btnImportClick);

  auto* commands = new QHBoxLayout;
  commands->setSpacing(6);
  for (QPushButton* button : {btnNew_, btnEdit_, btnDelete_, btnClear_, btnFind, btnFindNext,
                              btnExport_, btnExportExcel_, btnImport_})
    commands->addWidget(button);
  commands->addStretch();

  grid_ = new TMapleGrid(Prompts(), this);
  grid_->setObjectName(QStringLiteral("grdBatch"));
  grid_->SetFixRowHeight(24);
  model_ = new TRecordListModel<TBatch>(
      batch_,
      {{QStringLiteral("序号"), 48, TColumnAlignment::Center},
       {QStringLiteral("付款人名称"), 150, TColumnAlignment::Left},
       {QStringLiteral("付款人账号"), 115, TColumnAlignment::Left},
       {QStringLiteral("收款人账号"), 140, TColumnAlignment::Left},
       {QStringLiteral("收款人账户名称"), 170, TColumnAlignment::Left},
       {QStringLiteral("收款人开户行全称"), 185, TColumnAlignment::Left},
       {QStringLiteral("金额"), 90, TColumnAlignment::Right, true},
       {QStringLiteral("用途"), 100, TColumnAlignment::Left}},
      &DocumentCell, true, this);
  grid_->SetListModel(model_);
  grid_->OnDblClick = [this](int, int) { btnEditClick(); };
  grid_->installEventFilter(this);
  grid_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(grid_, &QWidget::customContextMenuRequested, this,
          Guarded(Prompts(), [this](const QPoint& pos) {
            QMenu menu(this);
            QAction* remove = menu.addAction(QStringLiteral("删除"));
            remove->setEnabled(!batch_.IsEmpty());
            if (menu.exec(grid_->viewport()->mapToGlobal(pos)) == remove) btnDeleteClick();
          }));

  auto* passwordLabel = new QLabel(QStringLiteral("交易密码："), this);
  edtPassword_ = new QLineEdit(this);
  edtPassword_->setObjectName(QStringLiteral("edtPassword"));
  edtPassword_->setEchoMode(QLineEdit::Password);
  edtPassword_->setMaxLength(12);
  edtPassword_->setFixedWidth(160);
  passwordLabel->setBuddy(edtPassword_);
  QPushButton* btnSubmit = AddCommand(
      QStringLiteral("btnSubmit"), QStringLiteral("在线提交转账记录"), &TFormBatch::btnSubmitClick);
  auto* submitBar = new QHBoxLayout;
  submitBar->addStretch();
  submitBar->addWidget(passwordLabel);
  submitBar->addWidget(edtPassword_);
  submitBar->addWidget(btnSubmit);
  connect(edtPassword_, &QLineEdit::returnPressed, btnSubmit, &QPushButton::click);

  auto* pnlList = new QWidget(this);
  pnlList->setObjectName(QStringLiteral("pnlList"));
  auto* listLayout = new QVBoxLayout(pnlList);
  listLayout->setContentsMargins(0, 0, 0, 0);
  listLayout->addWidget(grid_, 1);
  listLayout->addLayout(submitBar);

  splitter_ = new QSplitter(Qt::Vertical, this);
  splitter_->setObjectName(QStringLiteral("splFail"));
  splitter_->setChildrenCollapsible(true);
  splitter_->addWidget(pnlList);
  pnlFail_ = new TFailPanel(Prompts(), *splitter_, splitter_);
  splitter_->addWidget(pnlFail_);
  splitter_->setStretchFactor(0, 1);
  splitter_->setSizes({1, 0});
  pnlFail_->OpenDocument = [this](int seqNo) { OpenFailedDocument(seqNo); };

  stbStatus_ = new QStatusBar(this);
  stbStatus_->setObjectName(QStringLiteral("stbStatus"));
  stbStatus_->setSizeGripEnabled(false);
  lblCount_ = new QLabel(this);
  lblCount_->setObjectName(QStringLiteral("lblCount"));
  lblSum_ = new QLabel(this);
  lblSum_->setObjectName(QStringLiteral("lblSum"));
  auto* firstPanel = new QLabel(this);
  firstPanel->setMinimumWidth(120);
  lblCount_->setMinimumWidth(120);
  stbStatus_->addWidget(firstPanel);
  stbStatus_->addWidget(lblCount_);
  stbStatus_->addWidget(lblSum_, 1);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(8, 6, 8, 0);
  layout->setSpacing(6);
  layout->addLayout(commands);
  layout->addWidget(splitter_, 1);
  layout->addWidget(stbStatus_);

  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
  escape->setContext(Qt::WidgetWithChildrenShortcut);
  connect(escape, &QShortcut::activated, this, Guarded(Prompts(), [this] { close(); }));
}

void TFormBatch::Refresh() {
  model_->Refresh();
  const int count = int(batch_.Count());
  const bool any = count > 0;
  const bool room = count < kMaxBatchDocuments;
  btnNew_->setEnabled(room);
  btnImport_->setEnabled(room);
  for (QPushButton* button : {btnEdit_, btnDelete_, btnClear_, btnExport_, btnExportExcel_})
    button->setEnabled(any);
  lblCount_->setText(BatchCountText(batch_));
  lblSum_->setText(BatchSumText(batch_));
}

// ---- working copy ----

void TFormBatch::LoadWorkingCopy() {
  // A missing or unreadable file leaves the batch empty, silently.
  LoadBatchFile(registers_.Paths().ParamFile(kWorkingCopy), batch_);
  shown_ = true;
  needsLoad_ = false;
  Refresh();
}

void TFormBatch::SaveWorkingCopy() const {
  SaveBatchFile(batch_, registers_.Paths().ParamFile(kWorkingCopy));
}

void TFormBatch::BeforeProgramExit() {
  if (shown_) SaveWorkingCopy();
}

void TFormBatch::showEvent(QShowEvent* event) {
  // The main window hides and shows its children with itself; only a screen
  // that was closed reads the file again, so edits since then are not lost.
  if (needsLoad_ && !event->spontaneous()) LoadWorkingCopy();
  TFormOriginal::showEvent(event);
}

void TFormBatch::closeEvent(QCloseEvent* event) {
  if (shown_) WriteReported(Prompts(), TPrompts::kErrorCaption, [this] { SaveWorkingCopy(); });
  needsLoad_ = true;
  TFormOriginal::closeEvent(event);
}

bool TFormBatch::eventFilter(QObject* watched, QEvent* event) {
  const bool isKey = event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease;
  if (watched == grid_ && isKey) {
    const auto* keyEvent = static_cast<QKeyEvent*>(event);
    if (keyEvent->key() == Qt::Key_Return || keyEvent->key() == Qt::Key_Enter) {
      // The document opens when Enter is released, so that no part of the
      // keystroke reaches the entry screen. A release whose press the list did
      // not see (Enter that closed a message) opens nothing.
      if (keyEvent->isAutoRepeat()) return true;
      if (event->type() == QEvent::KeyPress) {
        enterPressed_ = true;
      } else if (std::exchange(enterPressed_, false)) {
        RunCommand(Prompts(), [this] { btnEditClick(); });
      }
      return true;
    }
  }
  return TFormOriginal::eventFilter(watched, event);
}

// ---- documents ----

TFormDefMoney& TFormBatch::DefMoney() {
  if (!defMoney_) {
    defMoney_ = new TFormDefMoney(context_.Registers, this);
    defMoney_->BatchChanged = [this] { Refresh(); };
  }
  return *defMoney_;
}

void TFormBatch::btnNewClick() {
  if (batch_.Count() >= kMaxBatchDocuments) return;
  auto doc = std::make_unique<TPayMoneyInfo>();
  if (!DefMoney().Execute(*doc, registers_.LastPayerAccount, batch_)) {
    Refresh();  // "继续新增" may have added documents
    return;
  }
  registers_.LastPayerAccount = doc->Payer.PayAccNo;
  batch_.Append(std::move(doc));
  Refresh();
  grid_->SetCurrentCell(qMax(grid_->Col(), 0), int(batch_.Count()) - 1);
}

void TFormBatch::btnEditClick() {
  const int row = grid_->Row();
  if (row < 0 || row >= batch_.Count()) return;
  DefMoney().Execute(batch_[row], QString(), batch_);
  Refresh();
}

void TFormBatch::btnDeleteClick() {
  if (batch_.IsEmpty()) return;
  if (!Prompts().Ask(TPrompts::kSystemCaption, QStringLiteral("是否确定删除选定的单据?"))) return;
  TRowRange rows = grid_->SelectedRows();
  rows.Last = qMin(rows.Last, int(batch_.Count()) - 1);
  if (rows.First < 0 || rows.First > rows.Last) return;
  for (int i = rows.Last; i >= rows.First; --i) batch_.Remove(i);
  if (!pnlFail_->Fails().isEmpty()) {
    RenumberFailures(pnlFail_->Fails(), rows.First + 1, rows.Last + 1);
    pnlFail_->Redraw();
  }
  Refresh();
}

void TFormBatch::btnClearClick() {
  if (batch_.IsEmpty()) return;
  if (Prompts().Message(QMessageBox::Question, windowTitle(),
                        QStringLiteral("确定要清空所有记录吗?"),
                        QMessageBox::Ok | QMessageBox::Cancel) != QMessageBox::Ok)
    return;
  batch_.Clear();
  pnlFail_->Fails().clear();
  pnlFail_->Redraw();
  pnlFail_->btnHideClick();
  Refresh();
  WriteReported(Prompts(), TPrompts::kErrorCaption, [this] { SaveWorkingCopy(); });
}

void TFormBatch::btnFindClick() {
  grid_->Find();
}

void TFormBatch::btnFindNextClick() {
  grid_->FindNext();
}

void TFormBatch::OpenFailedDocument(int seqNo) {
  if (seqNo < 1 || seqNo > batch_.Count()) return;
  grid_->SetCurrentCell(qMax(grid_->Col(), 0), seqNo - 1);
  btnEditClick();
}

// ---- export ----

void TFormBatch::btnExportClick() {
  if (batch_.IsEmpty()) return;
  QString path = Prompts().SaveFileOfKind(TFileKind::Batches, QStringLiteral("保存"),
                                          QStringLiteral("文本文件(*.txt);;所有文件(*.*)"));
  if (path.isEmpty()) return;
  path = WithDefaultSuffix(path, QStringLiteral("txt"));
  const bool written = WriteReported(Prompts(), TPrompts::kErrorCaption, [this, &path] {
    WriteFileAtomically(path, BatchTextBytes(batch_));
    SaveBatchFile(batch_, registers_.Paths().BatchLogFile(ArchiveFileName(path)));
  });
  if (written) Prompts().ShowStatus(ExportedNote(batch_.Count()));
}

void TFormBatch::btnExportExcelClick() {
  if (batch_.IsEmpty()) {
    Prompts().Warning(TPrompts::kSystemCaption,
                      QStringLiteral("当前没有数据可以导出,请先更新数据!"));
    return;
  }
  try {
    std::unique_ptr<TSpreadsheetApp> app = context_.Registers.StartSpreadsheet();
    QString path = Prompts().SaveFileOfKind(TFileKind::Batches, QStringLiteral("保存"),
                                            QStringLiteral("Excel文件(*.xls);;Excel文件(*.xlsx)"));
    if (path.isEmpty()) return;
    path = WithDefaultSuffix(path, QStringLiteral("xls"));
    std::unique_ptr<TWorkbook> book = app->NewWorkbook();
    TWorksheet sheet = book->Worksheet(1);
    // The layout follows the trade type known from the logon; an export never
    // asks the server.
    if (context_.Session.User().TradeType == 1)
      WriteBatchSheet12(batch_, sheet);
    else
      WriteBatchSheet16(batch_, sheet);
    book->SaveAs(path);
    Prompts().ShowStatus(ExportedNote(batch_.Count()));
  } catch (const TSpreadsheetError&) {
    Prompts().Warning(TPrompts::kSystemCaption, QStringLiteral("连接到EXCEL文件失败!"));
  }
}

// ---- import ----

void TFormBatch::btnImportClick() {
  if (batch_.Count() >= kMaxBatchDocuments) return;
  const QString path =
      Prompts().OpenFileOfKind(TFileKind::Batches, QStringLiteral("打开"),
                               QStringLiteral("文本文件(*.txt);;Excel文件(*.xls *.xlsx)"));
  if (path.isEmpty()) return;
  const qsizetype before = batch_.Count();
  if (IsWorkbookName(path))
    ImportWorkbook(path);
  else
    ImportText(path);
  if (batch_.Count() != before) Refresh();
  Prompts().ShowStatus(ImportedNote(batch_.Count() - before));
}

bool TFormBatch::BatchFull() {
  if (batch_.Count() < kMaxBatchDocuments) return false;
  Prompts().Info(windowTitle(), QStringLiteral("800条以后的付款记录将无法导入!"));
  return true;
}

bool TFormBatch::AskContinueAfter(int lineNo) {
  return AskContinue(QStringLiteral("导入第%1行失败,继续吗?").arg(lineNo));
}

bool TFormBatch::AskContinue(const QString& question) {
  return Prompts().Message(QMessageBox::Question, windowTitle(), question,
                           QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

void TFormBatch::ImportText(const QString& path) {
  const std::optional<QByteArray> bytes = ReadWholeFile(path);
  if (!bytes) {
    Prompts().Error(TPrompts::kErrorCaption,
                    QStringLiteral("无法读取文件 %1。").arg(QDir::toNativeSeparators(path)));
    return;
  }
  const QStringList lines = BatchTextLines(*bytes);
  for (qsizetype i = 0; i < lines.size(); ++i) {
    if (BatchFull()) return;
    std::optional<TPayMoneyInfo> doc = ReadBatchLine(lines[i]);
    if (!doc) {
      if (!AskContinueAfter(int(i) + 1)) return;
      continue;
    }
    TPayMoneyInfo& added = batch_.Append(std::make_unique<TPayMoneyInfo>(std::move(*doc)));
    registers_.RefreshParties(added.Payer, added.Payee);
  }
}

void TFormBatch::ImportWorkbook(const QString& path) {
  std::unique_ptr<TSpreadsheetApp> app;
  try {
    app = context_.Registers.StartSpreadsheet();
  } catch (const TSpreadsheetStartError&) {
    Prompts().Error(TPrompts::kErrorCaption, QStringLiteral("Excel may not be installed"));
    return;
  } catch (const TSpreadsheetError&) {
    return;
  }
  QList<TBatchSheetRow> rows;
  try {
    std::unique_ptr<TWorkbook> book = app->OpenWorkbook(path);
    rows = ReadBatchSheet(book->Worksheet(1));
  } catch (const TSpreadsheetCellError& e) {
    Prompts().Error(TPrompts::kErrorCaption, e.Message());
    return;
  } catch (const TSpreadsheetError&) {
    return;  // a workbook that cannot be read ends the import quietly
  }
  for (TBatchSheetRow& row : rows) {
    if (BatchFull()) return;
    if (row.AccountLostDigits) {
      if (!AskContinue(LostDigitsRowsMessage({row.Row}) + QStringLiteral("\n继续导入其余行吗?")))
        return;
      continue;
    }
    if (row.BadAmount) {
      if (!AskContinueAfter(row.Row)) return;
      continue;
    }
    if (row.Doc.Money <= TAmount()) return;  // ends the import without a message
    if (HasFieldSeparator(row.Doc)) {
      // A "|" would shift the fields of the line sent to the bank.
      if (!AskContinueAfter(row.Row)) return;
      continue;
    }
    TPayMoneyInfo& added = batch_.Append(std::make_unique<TPayMoneyInfo>(std::move(row.Doc)));
    registers_.RefreshParties(added.Payer, added.Payee);
  }
}

// ---- submission ----

void TFormBatch::btnSubmitClick() {
  if (batch_.IsEmpty()) {
    Prompts().Info(TPrompts::kNoticeCaption, QStringLiteral("当前没有数据可以提交！"));
    return;
  }
  for (const QString& problem : {AmountProblem(batch_), PasswordProblem(edtPassword_->text())}) {
    if (!problem.isEmpty()) {
      Prompts().Info(TPrompts::kNoticeCaption, problem);
      return;
    }
  }
  TSessionControl& session = context_.Session;
  if (!session.IsLoggedOn() && !session.LogOn(window())) return;

  TWindowsDisabled disabled(*this);
  try {
    ShowVerdict(SubmitBatch(batch_, secret_field::Gbk(edtPassword_), session.User(),
                            session.Server(), Prompts()));
  } catch (const TClerkError& e) {
    Prompts().Error(TPrompts::kErrorCaption, e.Message());
  } catch (...) {
    Prompts().Error(TPrompts::kErrorCaption, UnexpectedErrorText());
  }
  secret_field::Wipe(edtPassword_);
}

void TFormBatch::ShowVerdict(const TUploadVerdict& verdict) {
  switch (verdict.Kind) {
    case TUploadVerdict::Success:
      pnlFail_->btnHideClick();
      Prompts().Info(TPrompts::kNoticeCaption, verdict.Message);
      break;
    case TUploadVerdict::Unexpected:
      pnlFail_->btnHideClick();
      Prompts().Warning(TPrompts::kWarningCaption, verdict.Message);
      break;
    case TUploadVerdict::PartialSuccess:
      pnlFail_->ShowFails(verdict.Fails, verdict.ItemNum);
      Prompts().Info(TPrompts::kNoticeCaption, verdict.Message);
      Prompts().Warning(TPrompts::kWarningCaption, QStringLiteral("单据提交部分失败，请检查。"));
      break;
    case TUploadVerdict::Failure:
      pnlFail_->ShowFails(verdict.Fails, verdict.ItemNum);
      Prompts().Warning(TPrompts::kWarningCaption, QStringLiteral("单据提交失败，请检查。"));
      break;
  }
}
