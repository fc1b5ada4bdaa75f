#include "certpay/screens/FormCertPay.h"

#include <QAbstractItemView>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>

#include "certpay/books/CertPayBooks.h"
#include "certpay/books/ImportLines.h"
#include "certpay/screens/CertColumns.h"
#include "certpay/screens/CertFileCommands.h"
#include "certpay/screens/FormDefCertPay.h"
#include "core/TextHelpers.h"
#include "platform/prompts/Prompts.h"
#include "platform/spreadsheet/AccountCells.h"
#include "registers/books/RegisterWorkbook.h"
#include "widgets/base/CommandGuard.h"
#include "widgets/base/CommandRow.h"
#include "widgets/grid/ListModel.h"
#include "widgets/grid/MapleGrid.h"

TFormCertPay::TFormCertPay(const TCertPayContext& context, QWidget* parent)
    : TFormOriginal(context.Screen, parent), context_(context), docs_(context.CertPay.Documents()) {
  setObjectName(QStringLiteral("FormCertPay"));
  setWindowTitle(QStringLiteral("中央财政批量支付文件制作"));
  CreateControls();
  Refresh();
}

TFormCertPay::~TFormCertPay() {
  // The grid lets go of the list before the list goes.
  grid_->SetListModel(nullptr);
}

void TFormCertPay::CreateControls() {
  TCommandRow commands(*this, Prompts());
  const auto add = [&](const char* name, const QString& caption, void (TFormCertPay::*click)(),
                       bool needsDocuments) {
    QPushButton* button =
        commands.Add(name, caption, QString(), [this, click] { (this->*click)(); });
    button->setAutoDefault(false);
    if (needsDocuments) documentCommands_ << button;
    return button;
  };
  add("btnNew", QStringLiteral("新增"), &TFormCertPay::btnNewClick, false);
  add("btnEdit", QStringLiteral("修改"), &TFormCertPay::btnEditClick, true);
  add("btnDelete", QStringLiteral("删除"), &TFormCertPay::btnDeleteClick, true);
  add("btnClear", QStringLiteral("清空"), &TFormCertPay::btnClearClick, true);
  add("btnFind", QStringLiteral("查询"), &TFormCertPay::btnFindClick, false);
  add("btnFindNext", QStringLiteral("查询下一个"), &TFormCertPay::btnFindNextClick, false);
  add("btnExport", QStringLiteral("导出"), &TFormCertPay::btnExportClick, true);
  add("btnExportExcel", QStringLiteral("导出Excel"), &TFormCertPay::btnExportExcelClick, true);
  btnImport_ = add("btnImport", QStringLiteral("导入"), &TFormCertPay::btnImportClick, false);
  add("btnSavePayee", QStringLiteral("保存收款人信息"), &TFormCertPay::btnSavePayeeClick, true);

  grid_ = new TMapleGrid(Prompts(), this);
  grid_->setObjectName(QStringLiteral("grdCertPay"));
  grid_->SetFixRowHeight(24);
  model_ = new TRecordListModel<TOwningList<TUserInput>>(docs_, UserInputColumns(), &UserInputCell,
                                                         true, this);
  grid_->SetListModel(model_);
  grid_->OnDblClick = [this](int, int) { btnEditClick(); };
  // The grid's double click reaches btnEditClick for its documents only.
  connect(grid_, &QAbstractItemView::doubleClicked, this, Guarded(Prompts(), [this] {
            if (docs_.IsEmpty()) btnNewClick();
          }));

  auto* stbStatus = new QStatusBar(this);
  stbStatus->setObjectName(QStringLiteral("stbStatus"));
  stbStatus->setSizeGripEnabled(false);
  lblCount_ = new QLabel(this);
  lblCount_->setObjectName(QStringLiteral("lblCount"));
  lblCount_->setMinimumWidth(120);
  lblSum_ = new QLabel(this);
  lblSum_->setObjectName(QStringLiteral("lblSum"));
  stbStatus->addWidget(lblCount_);
  stbStatus->addWidget(lblSum_, 1);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(8, 6, 8, 0);
  layout->setSpacing(6);
  layout->addLayout(commands.Layout());
  layout->addWidget(grid_, 1);
  layout->addWidget(stbStatus);
}

void TFormCertPay::Refresh() {
  model_->Refresh();
  const bool any = !docs_.IsEmpty();
  for (QPushButton* button : documentCommands_) button->setEnabled(any);
  btnImport_->setEnabled(docs_.Count() < kMaxImportedDocuments);
  TAmount sum;
  for (const TUserInput& doc : docs_) sum += doc.Amount();
  lblCount_->setText(QStringLiteral("共 %1 笔").arg(docs_.Count()));
  lblSum_->setText(QStringLiteral("总金额 %1 元").arg(sum.ToText()));
}

void TFormCertPay::Save() {
  saveFailed_ = !WriteReported(Prompts(), TPrompts::kErrorCaption,
                               [this] { context_.CertPay.SaveDocuments(docs_); });
}

void TFormCertPay::BeforeProgramExit() {
  if (saveFailed_) context_.CertPay.SaveDocuments(docs_);
}

TFormDefCertPay& TFormCertPay::DefCertPay() {
  if (!defCertPay_) {
    defCertPay_ = new TFormDefCertPay(context_, this);
    defCertPay_->DocumentContinued = [this](const TUserInput& doc) {
      Append(doc);
      Save();
      Refresh();
    };
  }
  return *defCertPay_;
}

void TFormCertPay::Append(const TUserInput& doc) {
  docs_.Append(std::make_unique<TUserInput>(doc));
}

void TFormCertPay::btnNewClick() {
  TUserInput doc;
  if (!DefCertPay().Execute(doc)) return;
  Append(doc);
  Save();
  Refresh();
  grid_->SetCurrentCell(qMax(grid_->Col(), 0), int(docs_.Count()) - 1);
}

void TFormCertPay::btnEditClick() {
  const int row = grid_->Row();
  if (docs_.IsEmpty()) {
    btnNewClick();
    return;
  }
  if (row < 0 || row >= docs_.Count()) return;
  if (!DefCertPay().Execute(docs_[row])) return;
  Save();
  Refresh();
}

void TFormCertPay::btnDeleteClick() {
  if (docs_.IsEmpty()) return;
  if (!Prompts().Ask(TPrompts::kSystemCaption, QStringLiteral("是否确定删除选定的单据?"))) return;
  TRowRange rows = grid_->SelectedRows();
  rows.Last = qMin(rows.Last, int(docs_.Count()) - 1);
  if (rows.First < 0 || rows.First > rows.Last) return;
  for (int i = rows.Last; i >= rows.First; --i) docs_.Remove(i);
  Save();
  Refresh();
}

void TFormCertPay::btnClearClick() {
  if (docs_.IsEmpty()) return;
  if (!AskContinue(QStringLiteral("真的要清空所有单子吗?"))) return;
  docs_.Clear();
  Save();
  Refresh();
}

void TFormCertPay::btnFindClick() {
  grid_->Find();
}

void TFormCertPay::btnFindNextClick() {
  grid_->FindNext();
}

void TFormCertPay::btnExportClick() {
  if (docs_.IsEmpty()) return;
  QString path = Prompts().SaveFileOfKind(TFileKind::Batches, QStringLiteral("保存"),
                                          QStringLiteral("文本文件(*.txt);;所有文件(*.*)"));
  if (path.isEmpty()) return;
  path = WithDefaultSuffix(path, QStringLiteral("txt"));
  if (ExportTextFile(path, CertPayFileBytes(docs_), Prompts())) TellExported(Prompts());
}

void TFormCertPay::btnExportExcelClick() {
  if (docs_.IsEmpty()) return;
  QString path = Prompts().SaveFileOfKind(TFileKind::Batches, QStringLiteral("保存"),
                                          QStringLiteral("Excel文件(*.xls);;Excel文件(*.xlsx)"));
  if (path.isEmpty()) return;
  path = WithDefaultSuffix(path, QStringLiteral("xls"));
  if (ExportWorkbook(path, context_.StartSpreadsheet, Prompts(),
                     [this](TWorksheet& sheet) { WriteCertPaySheet(docs_, sheet); }))
    TellExported(Prompts());
}

void TFormCertPay::btnImportClick() {
  if (docs_.Count() >= kMaxImportedDocuments) return;
  const QString path =
      Prompts().OpenFileOfKind(TFileKind::Batches, QStringLiteral("打开"),
                               QStringLiteral("文本文件(*.txt);;Excel文件(*.xls *.xlsx)"));
  if (path.isEmpty()) return;
  const qsizetype before = docs_.Count();
  if (IsWorkbookName(path))
    ImportWorkbook(path);
  else
    ImportText(path);
  if (docs_.Count() == before) return;
  Save();
  Refresh();
}

bool TFormCertPay::Full() {
  if (docs_.Count() < kMaxImportedDocuments) return false;
  Prompts().Info(windowTitle(), QStringLiteral("已经到了200条,导入中止!"));
  return true;
}

bool TFormCertPay::AskContinue(const QString& question) {
  return Prompts().Message(QMessageBox::Question, windowTitle(), question,
                           QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

void TFormCertPay::ImportText(const QString& path) {
  const std::optional<QByteArray> bytes = ReadImportFile(path, Prompts());
  if (!bytes) return;
  const QStringList lines = ImportLines(*bytes, 0);
  for (qsizetype i = 0; i < lines.size(); ++i) {
    if (Full()) return;
    const std::optional<TUserInput> doc = ReadPaymentLine(lines[i]);
    if (!doc) {
      if (!AskContinue(QStringLiteral("导入第%1行失败,继续吗?").arg(i + 1))) return;
      continue;
    }
    Append(*doc);
  }
  Prompts().Info(TPrompts::kNoticeCaption, QStringLiteral("导入完成！"));
}

void TFormCertPay::ImportWorkbook(const QString& path) {
  const std::unique_ptr<TWorkbook> book =
      OpenImportWorkbook(path, context_.StartSpreadsheet, Prompts());
  if (!book) return;
  QList<TCertPayRow> rows;
  try {
    rows = ReadCertPaySheet(book->Worksheet(1));
  } catch (const TSpreadsheetCellError& e) {
    Prompts().Error(TPrompts::kErrorCaption, e.Message());
    return;
  } catch (const TSpreadsheetError&) {
    Prompts().Warning(TPrompts::kSystemCaption, QStringLiteral("连接到EXCEL文件失败!"));
    return;
  }
  for (const TCertPayRow& row : rows) {
    if (Full()) return;
    if (row.AccountLostDigits) {
      if (!AskContinue(LostDigitsRowsMessage({row.Row}) + QStringLiteral("\n继续导入其余行吗?")))
        return;
      continue;
    }
    if (!row.Doc) {
      if (!AskContinue(QStringLiteral("导入第%1行失败,继续吗?").arg(row.Row))) return;
      continue;
    }
    Append(*row.Doc);
  }
  Prompts().Info(TPrompts::kNoticeCaption, QStringLiteral("导入完成！"));
}

void TFormCertPay::btnSavePayeeClick() {
  TRowRange rows = grid_->SelectedRows();
  rows.Last = qMin(rows.Last, int(docs_.Count()) - 1);
  if (rows.First < 0 || rows.First > rows.Last) return;
  TCertPayStore& store = context_.CertPay;
  for (int i = rows.First; i <= rows.Last; ++i) {
    auto payee = std::make_unique<TCertPayee>(docs_[i].Payee());
    TCertPayStore::AddCertPayee(store.CertPayees, payee);
  }
  if (WriteReported(Prompts(), TPrompts::kErrorCaption,
                    [&store] { store.SaveList(store.CertPayees, info_configs::CertPayees()); }))
    Prompts().Info(TPrompts::kNoticeCaption, QStringLiteral("保存收款人信息成功！"));
}
