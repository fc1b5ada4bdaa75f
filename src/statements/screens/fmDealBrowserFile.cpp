#include "statements/screens/fmDealBrowserFile.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "platform/prompts/Prompts.h"
#include "statements/offline/FileVouchers.h"
#include "statements/records/FlowFile.h"
#include "statements/records/StatementTotals.h"
#include "statements/screens/StatementGrid.h"
#include "statements/screens/VoucherPanelParts.h"
#include "statements/screens/VoucherPrinting.h"
#include "widgets/base/CommandRow.h"

TfmDealBrowserFile::TfmDealBrowserFile(const TStatementContext& context, QWidget* parent)
    : TFormOriginal(context.Screen, parent), context_(context), table_(FlowFileRow()) {
  setObjectName(QStringLiteral("fmDealBrowserFile"));
  setWindowTitle(QStringLiteral("浏览转账流水"));
  CreateControls();
}

// The grid asks the table for its texts until it goes, so it goes first.
TfmDealBrowserFile::~TfmDealBrowserFile() {
  delete grid_;
}

void TfmDealBrowserFile::CreateControls() {
  TCommandRow buttons(*this, Prompts());
  buttons.Add("SpeedButton1", QStringLiteral("打开"), QStringLiteral("打开历史数据或网银交易数据"),
              [this] { SpeedButton1Click(); });
  buttons.Add("SpeedButton3", QStringLiteral("预览"), QStringLiteral("预览当前选中的数据"),
              [this] { SpeedButton3Click(); });
  buttons.Add("SpeedButton4", QStringLiteral("打印"), QStringLiteral("打印当前选中的数据"),
              [this] { SpeedButton4Click(); });

  grid_ = new TStatementGrid(Prompts(), table_, this);
  grid_->setObjectName(QStringLiteral("DBGrid2"));
  grid_->OnRowClick = [this](int recNo) { DBGrid2CellClick(recNo); };
  grid_->Refresh();
  totals_ = new TTotalsLine(this);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(buttons.Layout());
  layout->addWidget(grid_, 1);
  layout->addWidget(CreateVoucherPanel());
  layout->addWidget(totals_);
}

QWidget* TfmDealBrowserFile::CreateVoucherPanel() {
  auto* panel = new QGroupBox(this);
  panel->setObjectName(QStringLiteral("pnlVoucher"));
  auto* grid = new QGridLayout(panel);
  lblCurrency_ = AddCaptioned(*grid, 0, 0, QStringLiteral("币 别："), "lblCurrency");
  lblDate_ = AddCaptioned(*grid, 0, 2, QStringLiteral("日 期："), "lblDate");
  lblVoucherNo_ = AddCaptioned(*grid, 0, 4, QStringLiteral("凭证号："), "lblVoucherNo");
  lblMaker_ = AddCaptioned(*grid, 1, 0, QStringLiteral("制 单："), "lblMaker");
  lblChecker_ = AddCaptioned(*grid, 1, 2, QStringLiteral("复 核："), "lblChecker");
  lblApprover_ = AddCaptioned(*grid, 1, 4, QStringLiteral("主 管："), "lblApprover");
  payer_ = new TPartyPanel(
      QStringLiteral("汇款人"),
      {QStringLiteral("全  称："), QStringLiteral("账  号："), QStringLiteral("汇出行名称：")},
      "pnlPayer", panel);
  payee_ = new TPartyPanel(
      QStringLiteral("收款人"),
      {QStringLiteral("全  称："), QStringLiteral("账  号："), QStringLiteral("汇入行名称：")},
      "pnlPayee", panel);
  grid->addWidget(payer_, 2, 0, 1, 3);
  grid->addWidget(payee_, 2, 3, 1, 3);
  lblAmountInWords_ = AddCaptioned(*grid, 3, 0, QStringLiteral("大写金额："), "lblAmountInWords");
  lblAmount_ = AddCaptioned(*grid, 3, 4, QStringLiteral("小写金额："), "lblAmount");
  lblPurpose_ = AddCaptioned(*grid, 4, 0, QStringLiteral("用  途："), "lblPurpose");
  lblStatus_ = AddCaptioned(*grid, 4, 4, QStringLiteral("交易状态："), "lblStatus");
  lblRemark1_ = AddCaptioned(*grid, 5, 0, QStringLiteral("备注一："), "lblRemark1");
  lblRemark2_ = AddCaptioned(*grid, 5, 4, QStringLiteral("备注二："), "lblRemark2");
  for (const int column : {1, 3, 5}) grid->setColumnStretch(column, 1);
  return panel;
}

void TfmDealBrowserFile::SpeedButton1Click() {
  const QString path = Prompts().OpenFileOfKind(TFileKind::Statements, QStringLiteral("打开"),
                                                QStringLiteral("所有文件(*.*)"));
  if (path.isEmpty()) return;
  const TStatementFileRead read = ReadFlowFile(path, table_);
  grid_->Refresh();
  if (!read.Ok()) {
    Prompts().Warning(TPrompts::kSystemCaption, read.Failure);
    return;
  }
  if (table_.RowCount() > 0) {
    table_.First();
    grid_->SelectRecord(table_.RecNo());
    DBGrid2CellClick(table_.RecNo());
  }
  UpdateTotals();
}

void TfmDealBrowserFile::UpdateTotals() {
  if (const std::optional<TStatementTotals> totals = FlowFileTotals(table_))
    totals_->ShowFlow(totals->SumText(), totals->CountText());
}

void TfmDealBrowserFile::DBGrid2CellClick(int recNo) {
  const TFlowFilePanel panel = FlowFilePanelOf(table_, recNo);
  payer_->Show(panel.Payer);
  payee_->Show(panel.Payee);
  lblAmount_->setText(panel.Amount);
  lblAmountInWords_->setText(panel.AmountInWords);
  lblVoucherNo_->setText(panel.VoucherNo);
  lblMaker_->setText(panel.Maker);
  lblChecker_->setText(panel.Checker);
  lblApprover_->setText(panel.Approver);
  lblRemark1_->setText(panel.Remark1);
  lblRemark2_->setText(panel.Remark2);
  lblPurpose_->setText(panel.Purpose);
  lblStatus_->setText(panel.Status);
  lblDate_->setText(panel.Date);
  lblCurrency_->setText(panel.Currency);
}

bool TfmDealBrowserFile::PrepareVouchers() {
  if (table_.Selection().Count() == 0) {
    Prompts().Warning(TPrompts::kSystemCaption, QStringLiteral("请选择要打印的数据!"));
    return false;
  }
  QList<int> unreadDates;
  vouchers_ = FlowFileVouchers(table_, table_.Selection().Records(),
                               !lblVoucherNo_->text().isEmpty(), &unreadDates);
  if (!unreadDates.isEmpty()) {
    QStringList records;
    for (const int recNo : unreadDates) records << QString::number(recNo);
    Prompts().Warning(TPrompts::kSystemCaption,
                      QStringLiteral("第%1条记录的制单时间不是可识别的日期，凭证上按原样打印。")
                          .arg(records.join(QStringLiteral("、"))));
  }
  return true;
}

void TfmDealBrowserFile::SpeedButton3Click() {
  if (PrepareVouchers()) PrintVouchers(Prompts(), vouchers_, TVoucherOutput::Preview);
}

void TfmDealBrowserFile::SpeedButton4Click() {
  if (PrepareVouchers()) PrintVouchers(Prompts(), vouchers_, TVoucherOutput::Printer);
}
