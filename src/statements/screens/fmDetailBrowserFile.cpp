#include "statements/screens/fmDetailBrowserFile.h"

#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/prompts/Prompts.h"
#include "platform/spreadsheet/Spreadsheet.h"
#include "statements/offline/FileVouchers.h"
#include "statements/offline/HisTraList.h"
#include "statements/records/DetailFile.h"
#include "statements/records/StatementTotals.h"
#include "statements/screens/StatementGrid.h"
#include "statements/screens/VoucherPanelParts.h"
#include "statements/screens/VoucherPrinting.h"
#include "widgets/base/CommandRow.h"

namespace {

const QString kNoSpreadsheet = QStringLiteral("连接到EXCEL文件失败!");

}  // namespace

TfmDetailBrowserFile::TfmDetailBrowserFile(const TStatementContext& context, QWidget* parent)
    : TFormOriginal(context.Screen, parent), context_(context), table_(DetailFileRow()) {
  setObjectName(QStringLiteral("fmDetailBrowserFile"));
  setWindowTitle(QStringLiteral("浏览交易明细"));
  CreateControls();
}

// The grid asks the table for its texts until it goes, so it goes first.
TfmDetailBrowserFile::~TfmDetailBrowserFile() {
  delete grid_;
}

void TfmDetailBrowserFile::CreateControls() {
  auto* header = new QHBoxLayout;
  header->addWidget(new QLabel(QStringLiteral("账户名称："), this));
  lblAccName_ = new QLabel(this);
  lblAccName_->setObjectName(QStringLiteral("lblAccName"));
  header->addWidget(lblAccName_);
  header->addSpacing(40);
  header->addWidget(new QLabel(QStringLiteral("账号："), this));
  lblAccNo_ = new QLabel(this);
  lblAccNo_->setObjectName(QStringLiteral("lblAccNo"));
  header->addWidget(lblAccNo_);
  header->addStretch();

  TCommandRow buttons(*this, Prompts());
  buttons.Add("FlatButton1", QStringLiteral("打开"), QStringLiteral("打开历史数据或网银交易数据"),
              [this] { FlatButton1Click(); });
  buttons.Add("FlatButton2", QStringLiteral("导出Excel"), QStringLiteral("导出历史交易数据到Excel"),
              [this] { FlatButton2Click(); });
  buttons.Add("FlatButton3", QStringLiteral("预览"), QStringLiteral("预览当前选中的数据"),
              [this] { FlatButton3Click(); });
  buttons.Add("FlatButton4", QStringLiteral("打印"), QStringLiteral("打印当前选中的数据"),
              [this] { FlatButton4Click(); });

  grid_ = new TStatementGrid(Prompts(), table_, this);
  grid_->setObjectName(QStringLiteral("DBGrid1"));
  grid_->OnRowClick = [this](int recNo) { DBGrid1CellClick(recNo); };
  grid_->Refresh();
  totals_ = new TTotalsLine(this);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(buttons.Layout());
  layout->addLayout(header);
  layout->addWidget(grid_, 1);
  layout->addWidget(CreateVoucherPanel());
  layout->addWidget(totals_);
}

QWidget* TfmDetailBrowserFile::CreateVoucherPanel() {
  auto* panel = new QGroupBox(this);
  panel->setObjectName(QStringLiteral("pnlVoucher"));
  auto* grid = new QGridLayout(panel);
  lblDate_ = AddCaptioned(*grid, 0, 0, QStringLiteral("日期："), "lblDate");
  lblVoucherNo_ = AddCaptioned(*grid, 0, 2, QStringLiteral("凭证号："), "lblVoucherNo");
  const QStringList lines{QStringLiteral("全  称："), QStringLiteral("账  号："),
                          QStringLiteral("开户行：")};
  payer_ = new TPartyPanel(QStringLiteral("付款人"), lines, "pnlPayer", panel);
  payee_ = new TPartyPanel(QStringLiteral("收款人"), lines, "pnlPayee", panel);
  grid->addWidget(payer_, 1, 0, 1, 2);
  grid->addWidget(payee_, 1, 2, 1, 2);
  lblAmount_ = AddCaptioned(*grid, 2, 0, QStringLiteral("金额："), "lblAmount");
  lblAmountInWords_ = AddCaptioned(*grid, 2, 2, QStringLiteral("大写金额："), "lblAmountInWords");
  lblSummary_ = AddCaptioned(*grid, 3, 0, QStringLiteral("摘  要："), "lblSummary");
  lblRemark_ = AddCaptioned(*grid, 3, 2, QStringLiteral("备  注："), "lblRemark");
  grid->setColumnStretch(1, 1);
  grid->setColumnStretch(3, 1);
  return panel;
}

void TfmDetailBrowserFile::FlatButton1Click() {
  const QString path = Prompts().OpenFileOfKind(TFileKind::Statements, QStringLiteral("打开"),
                                                QStringLiteral("所有文件(*.*)"));
  if (path.isEmpty()) return;
  const TStatementFileRead read = ReadDetailFile(path, table_);
  grid_->Refresh();
  if (!read.Ok()) {
    Prompts().Warning(TPrompts::kSystemCaption, read.Failure);
    return;
  }
  accNo_ = read.AccNo;
  accName_ = read.AccName;
  lblAccNo_->setText(accNo_);
  lblAccName_->setText(accName_);
  if (table_.RowCount() > 0) {
    table_.First();
    grid_->SelectRecord(table_.RecNo());
    DBGrid1CellClick(table_.RecNo());
  }
  UpdateTotals();
}

void TfmDetailBrowserFile::UpdateTotals() {
  if (const std::optional<TStatementTotals> totals = DetailFileTotals(table_))
    totals_->ShowDetail(totals->DebitText(), totals->CreditText(), totals->CountText());
}

void TfmDetailBrowserFile::DBGrid1CellClick(int recNo) {
  const TDetailFilePanel panel = DetailFilePanelOf(table_, recNo);
  lblDate_->setText(panel.Date);
  lblVoucherNo_->setText(panel.VoucherNo);
  lblAmount_->setText(panel.Amount);
  lblAmountInWords_->setText(panel.AmountInWords);
  lblSummary_->setText(panel.Summary);
  lblRemark_->setText(panel.Remark);
  if (!panel.Payer || !panel.Payee) {
    Prompts().Warning(TPrompts::kSystemCaption,
                      QStringLiteral("文件的内容有误，请检查借贷标志是否为\"借方\"或\"贷方\"！"));
    return;
  }
  payer_->Show(*panel.Payer);
  payee_->Show(*panel.Payee);
}

void TfmDetailBrowserFile::FlatButton2Click() {
  const QString templatePath =
      QDir(context_.ParamDir).filePath(QString::fromUtf16(kHisTraListFile));
  if (!QFileInfo::exists(templatePath)) {
    Prompts().Warning(TPrompts::kSystemCaption, QStringLiteral("系统文件损坏,请重新安装系统"));
    return;
  }
  if (table_.RowCount() == 0) {
    Prompts().Warning(TPrompts::kSystemCaption,
                      QStringLiteral("当前系统没有历史交易明细数据,请先更新数据!"));
    return;
  }
  std::unique_ptr<TWorkbook> book;
  try {
    book = context_.StartSpreadsheet()->OpenWorkbook(templatePath);
    TWorksheet sheet = book->Worksheet(1);
    FillHisTraList(sheet, table_, accNo_, accName_);
  } catch (const TSpreadsheetError&) {
    Prompts().Warning(TPrompts::kSystemCaption, kNoSpreadsheet);
    return;
  }
  const QString path = Prompts().SaveFileOfKind(
      TFileKind::Statements, QStringLiteral("导出Excel"),
      QStringLiteral("Excel文件(*.xls);;Excel文件(*.xlsx)"), QStringLiteral("历史交易明细.xls"));
  if (path.isEmpty()) return;
  try {
    book->SaveAs(path);
  } catch (const TSpreadsheetError& e) {
    Prompts().Warning(TPrompts::kSystemCaption, kNoSpreadsheet + u'\n' + e.Message());
    return;
  }
  if (!Prompts().OpenUrl(QUrl::fromLocalFile(path)))
    Prompts().Warning(TPrompts::kSystemCaption,
                      QStringLiteral("已导出到%1，但无法用电子表格程序打开它。")
                          .arg(QDir::toNativeSeparators(path)));
}

bool TfmDetailBrowserFile::PrepareVouchers() {
  if (table_.Selection().Count() == 0) {
    Prompts().Warning(TPrompts::kSystemCaption, QStringLiteral("请选择要打印的数据!"));
    return false;
  }
  vouchers_ = DetailFileVouchers(table_, table_.Selection().Records());
  return true;
}

void TfmDetailBrowserFile::FlatButton3Click() {
  if (PrepareVouchers()) PrintVouchers(Prompts(), vouchers_, TVoucherOutput::Preview);
}

void TfmDetailBrowserFile::FlatButton4Click() {
  if (PrepareVouchers()) PrintVouchers(Prompts(), vouchers_, TVoucherOutput::Printer);
}
