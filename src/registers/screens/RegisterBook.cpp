#include "registers/screens/RegisterBook.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/prompts/Prompts.h"
#include "platform/spreadsheet/Spreadsheet.h"
#include "registers/records/PayeeInfo.h"
#include "registers/records/PayerInfo.h"
#include "shell/CommandGuard.h"

namespace {

const QString kCaption = QStringLiteral("系统提示");

QLabel* HeadingLabel(const QString& heading, QWidget* parent) {
  auto* label = new QLabel(heading, parent);
  label->setObjectName(QStringLiteral("lblHeading"));
  QFont font = label->font();
  font.setPointSizeF(font.pointSizeF() * 1.4);
  font.setBold(true);
  label->setFont(font);
  return label;
}

}  // namespace

TRegisterBook::TRegisterBook(TDataMain& data, const QString& caption, const QString& heading,
                             QWidget* parent)
    : TFormOriginal(parent), data_(data) {
  setWindowTitle(caption);
  CreateControls(heading);
}

void TRegisterBook::CreateControls(const QString& heading) {
  lblHeading_ = HeadingLabel(heading, this);

  pnlButtons_ = new QWidget(this);
  pnlButtons_->setObjectName(QStringLiteral("pnlButtons"));
  auto* buttons = new QHBoxLayout(pnlButtons_);
  buttons->setContentsMargins(0, 0, 0, 0);
  buttons->setSpacing(8);
  buttons->addStretch();

  grid_ = new TMapleGrid(this);
  grid_->setObjectName(QStringLiteral("grdList"));
  grid_->SetFixRowHeight(24);
  grid_->SetRowSelect(true);
  grid_->OnGetCellText = [this](int col, int row, QString& text) {
    text = col == 0 ? QString::number(row + 1) : EntryText(col, row);
  };
  grid_->OnDblClick = [this](int, int) { btnEditClick(); };

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(8, 6, 8, 8);
  layout->setSpacing(6);
  layout->addWidget(lblHeading_);
  layout->addWidget(pnlButtons_);
  layout->addWidget(grid_, 1);
}

void TRegisterBook::SetColumns(const QList<TColumnSpec>& columns) {
  grid_->SetColumns(columns);
}

QPushButton* TRegisterBook::AddCommand(const QString& name, const QString& caption,
                                       std::function<void()> command, bool alwaysEnabled) {
  auto* button = new QPushButton(caption, pnlButtons_);
  button->setObjectName(name);
  button->setMinimumWidth(88);
  button->setAutoDefault(false);
  connect(button, &QPushButton::clicked, this, [command = std::move(command)] { command(); });
  auto* buttons = static_cast<QHBoxLayout*>(pnlButtons_->layout());
  buttons->insertWidget(buttons->count() - 1, button);
  if (!alwaysEnabled) entryCommands_ << button;
  return button;
}

void TRegisterBook::Refresh() {
  const int count = EntryCount();
  grid_->SetTotalRowCount(count);
  for (QPushButton* button : entryCommands_) button->setEnabled(count > 0);
  grid_->viewport()->update();
}

int TRegisterBook::CurrentEntry() const {
  const int row = grid_->Row();
  return row >= 0 && row < EntryCount() ? row : -1;
}

void TRegisterBook::MakeCurrent(int row) {
  if (row >= 0 && row < EntryCount()) grid_->SetCurrentCell(qMax(grid_->Col(), 0), row);
}

TRowRange TRegisterBook::SelectedEntries() const {
  const int count = EntryCount();
  TRowRange rows = grid_->SelectedRows();
  // The grid may show empty rows beyond the entries.
  rows.Last = qMin(rows.Last, count - 1);
  if (rows.First < 0 || rows.First > rows.Last) return {};
  return rows;
}

void TRegisterBook::btnFindClick() {
  grid_->Find();
}

void TRegisterBook::btnFindNextClick() {
  grid_->FindNext();
}

bool TRegisterBook::Confirm(const QString& question) {
  return Prompts().message(QMessageBox::Question, kCaption, question,
                           QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

bool TRegisterBook::SaveReported(const std::function<void()>& save) {
  return WriteReported(kCaption, save);
}

void TRegisterBook::DeleteEntries(const QString& question, bool clearAll) {
  if (!Confirm(question)) return;
  const TRowRange rows = clearAll ? TRowRange{0, EntryCount() - 1} : SelectedEntries();
  if (rows.First < 0 || rows.Last < rows.First) return;
  RemoveEntries(rows.First, rows.Last);
  SaveAndRefresh();
}

bool TRegisterBook::SaveAndRefresh() {
  const bool saved = SaveReported([this] { SaveEntries(); });
  Refresh();
  return saved;
}

QString TRegisterBook::AskImportFile() {
  return Prompts().openFileName(QStringLiteral("打开"), QString(), RegisterFileFilter());
}

QString TRegisterBook::AskExportFile(const QString& filter) {
  return Prompts().saveFileName(QStringLiteral("保存"), QString(), filter);
}

void TRegisterBook::ExportWorkbook(bool empty, const std::function<void()>& write) {
  if (empty) {
    Prompts().warning(kCaption, QStringLiteral("当前没有数据可以导出,请先更新数据!"));
    return;
  }
  try {
    write();
  } catch (const TSpreadsheetError&) {
    Prompts().warning(kCaption, QStringLiteral("连接到EXCEL文件失败!"));
  }
}

bool TRegisterBook::WorkbookRead(TImportResult result) {
  // NotStarted was already reported by the reader.
  if (result == TImportResult::Failed)
    Prompts().warning(kCaption, QStringLiteral("连接到EXCEL文件失败!"));
  return result == TImportResult::Read;
}

void TRegisterBook::showEvent(QShowEvent* event) {
  // Other screens may have changed the register meanwhile.
  Refresh();
  TFormOriginal::showEvent(event);
}

QList<TColumnSpec> PayerColumns() {
  return {{QStringLiteral("序号"), 48, TColumnAlignment::Center},
          {QStringLiteral("付款账号"), 170, TColumnAlignment::Left},
          {QStringLiteral("付款账户名称"), 240, TColumnAlignment::Left},
          {QStringLiteral("开户行全称"), 240, TColumnAlignment::Left},
          {QStringLiteral("分组名称"), 110, TColumnAlignment::Left},
          {QStringLiteral("账户别名"), 110, TColumnAlignment::Left},
          {QStringLiteral("账户类别"), 80, TColumnAlignment::Center}};
}

QString PayerCell(const TPayerInfo& payer, int col) {
  switch (col) {
    case 1:
      return payer.PayAccNo;
    case 2:
      return payer.PayAccName;
    case 3:
      return payer.CounterName;
    case 4:
      return payer.SortId;
    case 5:
      return payer.AccAlias;
    case 6:
      return payer.RightTypeText();
    default:
      return {};
  }
}

QList<TColumnSpec> PayeeColumns() {
  return {{QStringLiteral("序号"), 48, TColumnAlignment::Center},
          {QStringLiteral("收款账号"), 170, TColumnAlignment::Left},
          {QStringLiteral("收款账户名称"), 240, TColumnAlignment::Left},
          {QStringLiteral("开户行全称"), 240, TColumnAlignment::Left},
          {QStringLiteral("分组名称"), 110, TColumnAlignment::Left},
          {QStringLiteral("账户别名"), 110, TColumnAlignment::Left},
          {QStringLiteral("所属银行"), 80, TColumnAlignment::Center}};
}

QString PayeeCell(const TPayeeInfo& payee, int col) {
  switch (col) {
    case 1:
      return payee.RcvAccNo;
    case 2:
      return payee.RcvAccName;
    case 3:
      return payee.CounterName;
    case 4:
      return payee.SortID;
    case 5:
      return payee.AccAlias;
    case 6:
      return payee.BankCategoryText();
    default:
      return {};
  }
}

QString RegisterFileFilter() {
  return QStringLiteral("*.txt;;*.xls;;所有文件 (*.*)");
}

QString WorkbookFileFilter() {
  return QStringLiteral("*.xls;;所有文件 (*.*)");
}

bool IsWorkbookName(const QString& path) {
  return path.contains(QLatin1String(".xls"), Qt::CaseInsensitive);
}
