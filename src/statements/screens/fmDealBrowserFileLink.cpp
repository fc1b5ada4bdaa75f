#include "statements/screens/fmDealBrowserFileLink.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDate>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "core/SessionUser.h"
#include "platform/errors/ClerkError.h"
#include "platform/prompts/Prompts.h"
#include "session/transport/FormExchange.h"
#include "session/transport/GetData.h"
#include "statements/online/OnlineReceipts.h"
#include "statements/printing/DealReceiptLayout.h"
#include "statements/screens/OnlineQueryParts.h"
#include "statements/screens/ReceiptPrinting.h"
#include "statements/screens/StatementGrid.h"
#include "statements/screens/VoucherPanelParts.h"
#include "widgets/base/CommandGuard.h"
#include "widgets/base/CommandRow.h"
#include "widgets/base/WindowsDisabled.h"

namespace {

const QString kChoose = QStringLiteral("***请选择***");

}  // namespace

TfmDealBrowserFileLink::TfmDealBrowserFileLink(const TStatementOnlineContext& context,
                                               QWidget* parent)
    : TFormOriginal(context.Screen, parent), context_(context), table_(FlowRow()) {
  setObjectName(QStringLiteral("fmDealBrowserFileLink"));
  setWindowTitle(QStringLiteral("交易流水联机查询"));
  CreateControls();
  Reset();
  // The accounts and rows of a session that ended are not shown any more.
  context_.Session.AddLogoffHook([screen = QPointer<TfmDealBrowserFileLink>(this)] {
    if (screen) screen->Reset();
  });
}

// The grid asks the table for its texts until it goes, so it goes first.
TfmDealBrowserFileLink::~TfmDealBrowserFileLink() {
  delete grid_;
}

void TfmDealBrowserFileLink::CreateControls() {
  TCommandRow commands(*this, Prompts());
  commands.Add("SpeedButtonQuery", QStringLiteral("查询"), QStringLiteral("查询交易流水"),
               [this] { SpeedButtonQueryClick(); });
  commands.Add("SpeedButtonPreview", QStringLiteral("预览"), QStringLiteral("预览当前选中的数据"),
               [this] { SpeedButtonPreviewClick(); });
  commands.Add("SpeedButtonPrint", QStringLiteral("打印"), QStringLiteral("打印当前选中的数据"),
               [this] { SpeedButtonPrintClick(); });
  commands.Add("SpeedButtonDownload", QStringLiteral("下载Excel"),
               QStringLiteral("打印当前选中的数据"), [this] { SpeedButtonDownloadClick(); });
  QWidget* criteria = CreateCriteria();
  TCommandRow note(*this, Prompts());
  note.AddToggle("btnCriteria", QStringLiteral("查询条件"), *criteria);
  note.Layout()->insertWidget(
      1, new QLabel(QStringLiteral("提示：转账流水查询支持查询网上银行提交的转账交易信息"), this));

  grid_ = new TStatementGrid(Prompts(), table_, this);
  grid_->setObjectName(QStringLiteral("DBGrid1"));
  grid_->OnRowClick = [this](int recNo) { DBGrid1CellClick(recNo); };
  TCommandRow paging(*this, Prompts(), true);
  button1_ = paging.Add("Button1", QStringLiteral("上一页"), {}, [this] { Button1Click(); });
  button2_ = paging.Add("Button2", QStringLiteral("下一页"), {}, [this] { Button2Click(); });

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(commands.Layout());
  layout->addLayout(note.Layout());
  layout->addWidget(criteria);
  layout->addWidget(grid_, 1);
  layout->addLayout(paging.Layout());
  layout->addWidget(CreateReceiptPanel());
}

QWidget* TfmDealBrowserFileLink::CreateCriteria() {
  grbSel_ = new QGroupBox(QStringLiteral("请选择查询条件"), this);
  grbSel_->setObjectName(QStringLiteral("grbSel"));
  auto* grid = new QGridLayout(grbSel_);
  const auto edit = [this](const char* name) {
    auto* field = new QLineEdit(grbSel_);
    field->setObjectName(QString::fromLatin1(name));
    return field;
  };
  const auto combo = [this](const char* name) {
    auto* box = new QComboBox(grbSel_);
    box->setObjectName(QString::fromLatin1(name));
    return box;
  };
  cmbDateType_ = combo("cmbDateType");
  cmbDateType_->addItems({QStringLiteral("制单日期："), QStringLiteral("提交银行日期：")});
  edtBeginDate_ = DateField(grbSel_, "edtBeginDate");
  edtEndDate_ = DateField(grbSel_, "edtEndDate");
  for (QLineEdit* date : {edtBeginDate_, edtEndDate_})
    connect(date, &QLineEdit::textEdited, this,
            Guarded(Prompts(), [this, date] { IsTmpDate(*date); }));
  cmbDJTYPE_ = combo("cmbDJTYPE");
  edtStartMoney_ = edit("edtStartMoney");
  edtEndMoney_ = edit("edtEndMoney");
  edtCreditNo_ = edit("edtCreditNo");
  edtRevName_ = edit("edtRevName");
  edtRevAcc_ = edit("edtRevAcc");
  cmbAcc_ = combo("cmbAcc");
  cmbAcc_->setMinimumWidth(420);

  const auto row = [](std::initializer_list<QWidget*> widgets) {
    auto* line = new QHBoxLayout;
    for (QWidget* widget : widgets) line->addWidget(widget);
    line->addStretch();
    return line;
  };
  const auto label = [this](const QString& text) { return new QLabel(text, grbSel_); };
  grid->addWidget(cmbDateType_, 0, 0);
  grid->addLayout(row({edtBeginDate_, label(QStringLiteral("——")), edtEndDate_,
                       label(QStringLiteral("（标准输入格式20020405表示2002年04月05日）"))}),
                  0, 1, 1, 3);
  grid->addWidget(label(QStringLiteral("单据状态：")), 1, 0);
  grid->addWidget(cmbDJTYPE_, 1, 1);
  grid->addWidget(label(QStringLiteral("交易金额：")), 1, 2);
  grid->addLayout(row({edtStartMoney_, label(QStringLiteral("——")), edtEndMoney_}), 1, 3);
  grid->addWidget(label(QStringLiteral("凭证号：")), 2, 0);
  grid->addWidget(edtCreditNo_, 2, 1);
  grid->addWidget(label(QStringLiteral("收款人名称：")), 2, 2);
  grid->addWidget(edtRevName_, 2, 3);
  grid->addWidget(label(QStringLiteral("收款人账户：")), 3, 0);
  grid->addWidget(edtRevAcc_, 3, 1);
  grid->addWidget(label(QStringLiteral("付款账号：")), 3, 2);
  grid->addWidget(cmbAcc_, 3, 3);
  grid->setColumnStretch(3, 1);
  return grbSel_;
}

QWidget* TfmDealBrowserFileLink::CreateReceiptPanel() {
  auto* panel = new QGroupBox(this);
  panel->setObjectName(QStringLiteral("pnlReceipt"));
  auto* grid = new QGridLayout(panel);
  auto* title = new QLabel(QStringLiteral("维岭银行网上银行电子回单"), panel);
  title->setAlignment(Qt::AlignCenter);
  grid->addWidget(title, 0, 0, 1, 6);
  stxtCur_ = AddCaptioned(*grid, 1, 0, QStringLiteral("币别："), "stxtCur");
  stxtDate_ = AddCaptioned(*grid, 1, 2, QStringLiteral("日期："), "stxtDate");
  stxtCreditno_ = AddCaptioned(*grid, 1, 4, QStringLiteral("凭证号："), "stxtCreditno");
  payer_ = ReceiptPayerPanel(panel);
  payee_ = ReceiptPayeePanel(panel);
  grid->addWidget(payer_, 2, 0, 1, 3);
  grid->addWidget(payee_, 2, 3, 1, 3);
  stxtDMoney_ = AddCaptioned(*grid, 3, 0, QStringLiteral("大写金额"), "stxtDMoney");
  stxtMoney_ = AddCaptioned(*grid, 3, 4, QStringLiteral("小写金额"), "stxtMoney");
  stxtUseOf_ = AddCaptioned(*grid, 4, 0, QStringLiteral("用  途"), "stxtUseOf");
  stxtStatus_ = AddCaptioned(*grid, 4, 2, QStringLiteral("交易状态"), "stxtStatus");
  stxtCerCode_ = AddCaptioned(*grid, 4, 4, QStringLiteral("验证码"), "stxtCerCode");
  stxtMakOper_ = AddCaptioned(*grid, 5, 0, QStringLiteral("     制   单："), "stxtMakOper");
  stxtChkOper_ = AddCaptioned(*grid, 5, 2, QStringLiteral("     复   核："), "stxtChkOper");
  stxtAppOper_ = AddCaptioned(*grid, 5, 4, QStringLiteral("     主   管："), "stxtAppOper");
  grid->addWidget(
      new QLabel(QStringLiteral("重要提示：银行受理成功，本回单不作为收付方交易确认的最终依据。"),
                 panel),
      6, 0, 1, 6);
  for (const int column : {1, 3, 5}) grid->setColumnStretch(column, 1);
  return panel;
}

void TfmDealBrowserFileLink::showEvent(QShowEvent* event) {
  TFormOriginal::showEvent(event);
  // The main window hides and shows its children with itself; a screen that
  // was closed starts again.
  if (!needsReset_ || event->spontaneous()) return;
  needsReset_ = false;
  RunCommand(Prompts(), [this] { FormShow(); });
}

void TfmDealBrowserFileLink::closeEvent(QCloseEvent* event) {
  needsReset_ = true;
  TFormOriginal::closeEvent(event);
}

void TfmDealBrowserFileLink::FormShow() {
  Reset();
  if (context_.Session.IsLoggedOn()) LoadAccounts();
}

void TfmDealBrowserFileLink::Reset() {
  const QDate today = QDate::currentDate();
  edtBeginDate_->setText(
      QDate(today.year(), today.month(), 1).toString(QStringLiteral("yyyyMMdd")));
  edtEndDate_->setText(today.toString(QStringLiteral("yyyyMMdd")));
  cmbDJTYPE_->clear();
  cmbDJTYPE_->addItems(FlowStateChoices(context_.Session.User().TradeType));
  cmbDJTYPE_->setCurrentIndex(0);
  cmbDateType_->setCurrentIndex(0);
  for (QLineEdit* field : {edtStartMoney_, edtEndMoney_, edtCreditNo_, edtRevName_, edtRevAcc_})
    field->clear();
  accounts_.clear();
  cmbAcc_->clear();
  cmbAcc_->addItem(kChoose);
  cmbAcc_->setCurrentIndex(0);
  table_.Empty();
  table_.Append();
  grid_->Refresh();
  receipt_ = {};
  receiptWorkflowId_.clear();
  ShowReceipt();
  button1_->setEnabled(false);
  button2_->setEnabled(false);
}

void TfmDealBrowserFileLink::LoadAccounts() {
  TWindowsDisabled disabled(*this);
  TSessionControl& session = context_.Session;
  const pugi::xml_document reply = PostForm(QueryUrl(session), FlowAccountsBody(session.User()));
  try {
    for (const TACCItem& entry : ReadFlowAccounts(ReplyRoot(reply))) {
      accounts_.append(entry);
      cmbAcc_->addItem(entry.Display);
    }
  } catch (const TClerkError& e) {
    Prompts().Error(TPrompts::kErrorCaption, e.Message());
  }
}

bool TfmDealBrowserFileLink::IsTmpDate(QLineEdit& field) {
  return CheckDateField(Prompts(), field);
}

void TfmDealBrowserFileLink::SpeedButtonQueryClick() {
  TSessionControl& session = context_.Session;
  if (!session.IsLoggedOn()) {
    if (!session.LogOn(window())) return;
    // The lists follow the interface of the new session.
    Reset();
    LoadAccounts();
  }
  const TFlowProblem problem = CheckFlowConditions(edtBeginDate_->text(), edtEndDate_->text(),
                                                   edtStartMoney_->text(), edtEndMoney_->text());
  if (!problem.Message.isEmpty()) {
    Prompts().Warning(TPrompts::kSystemCaption, problem.Message);
    QLineEdit* fields[] = {nullptr, edtBeginDate_, edtEndDate_, edtStartMoney_, edtEndMoney_};
    if (QLineEdit* field = fields[problem.Field]) field->setFocus();
    return;
  }
  const int tradeType = session.User().TradeType;
  TFlowSelItem query;
  query.DjType = FlowStateCode(cmbDJTYPE_->currentIndex(), tradeType);
  query.BeginDate = edtBeginDate_->text().trimmed();
  query.EndDate = edtEndDate_->text().trimmed();
  query.StartMoney = edtStartMoney_->text().trimmed();
  query.EndMoney = edtEndMoney_->text().trimmed();
  query.CreditNo = edtCreditNo_->text().trimmed();
  query.DateType = DateKindCode(cmbDateType_->currentIndex(), tradeType);
  query.RevName = edtRevName_->text().trimmed();
  query.RevAccNo = edtRevAcc_->text().trimmed();
  const QString chosen = cmbAcc_->currentText();
  if (!chosen.contains(QStringLiteral("请选择")) && !chosen.trimmed().isEmpty())
    query.AccNo = accounts_.value(cmbAcc_->currentIndex() - 1).AccNo;
  query_ = query;
  RunQuery();
}

void TfmDealBrowserFileLink::Button1Click() {
  if (context_.Session.IsLoggedOn()) --query_.Page;
  RunQuery();
}

void TfmDealBrowserFileLink::Button2Click() {
  if (context_.Session.IsLoggedOn()) ++query_.Page;
  RunQuery();
}

void TfmDealBrowserFileLink::RunQuery() {
  TWindowsDisabled disabled(*this);
  TSessionControl& session = context_.Session;
  QueryPage(
      Prompts(), QueryUrl(session), FlowQueryBody(session.User(), query_),
      [&](const pugi::xml_node& root) {
        ReadFlowPage(root, session.User().TradeType, query_, table_);
      },
      *grid_, table_);
  UpdatePaging(*button1_, *button2_, query_.Page, query_.Pages);
}

void TfmDealBrowserFileLink::DBGrid1CellClick(int recNo) {
  if (table_.Text(recNo, QStringLiteral("凭证号")).trimmed().isEmpty()) return;
  TSessionControl& session = context_.Session;
  const int tradeType = session.User().TradeType;
  if (!HasReceipt(table_, recNo, tradeType)) {
    Prompts().Warning(TPrompts::kSystemCaption,
                      QStringLiteral("只有成功单据才能够进行电子回单打印。"));
    return;
  }
  TWindowsDisabled disabled(*this);
  try {
    const pugi::xml_document reply =
        PostForm(QueryUrl(session), DealReceiptBody(session.User(), table_, recNo));
    receipt_ = ReadDealReceipt(ReplyRoot(reply), tradeType);
    receiptWorkflowId_ = table_.Text(recNo, QStringLiteral("流程业务标识"));
  } catch (const EResponseError& e) {
    Prompts().Error(TPrompts::kErrorCaption, e.Message());
  }
  ShowReceipt();
}

void TfmDealBrowserFileLink::ShowReceipt() {
  stxtCur_->setText(receipt_.Currency);
  stxtDate_->setText(receipt_.Date);
  stxtCreditno_->setText(receipt_.VoucherNo);
  payer_->Show(receipt_.Payer);
  payee_->Show(receipt_.Payee);
  stxtDMoney_->setText(receipt_.AmountInWords);
  QString money = receipt_.Amount;
  money.remove(u'￥').remove(u'元');
  stxtMoney_->setText(money);
  stxtUseOf_->setText(receipt_.Purpose);
  stxtStatus_->setText(receipt_.Status);
  stxtCerCode_->setText(receipt_.CheckCode);
  stxtMakOper_->setText(receipt_.Maker);
  stxtChkOper_->setText(receipt_.Checker);
  stxtAppOper_->setText(receipt_.Approver);
}

void TfmDealBrowserFileLink::SpeedButtonDownloadClick() {
  TSessionControl& session = context_.Session;
  if (!session.IsLoggedOn()) {
    Prompts().Warning(TPrompts::kSystemCaption, QStringLiteral("请先登陆！"));
    return;
  }
  const int recNo = table_.RecNo();
  if (recNo < 1 || table_.Text(recNo, QStringLiteral("凭证号")).isEmpty()) {
    Prompts().Warning(TPrompts::kSystemCaption, QStringLiteral("请先进行查询！"));
    return;
  }
  TWindowsDisabled disabled(*this);
  DownloadFile(QueryUrl(session), FlowExcelBody(session.User(), query_));
}

void TfmDealBrowserFileLink::SpeedButtonPreviewClick() {
  PrintReceipt(true);
}

void TfmDealBrowserFileLink::SpeedButtonPrintClick() {
  PrintReceipt(false);
}

void TfmDealBrowserFileLink::PrintReceipt(bool preview) {
  if (receipt_.Payer.Account.trimmed().isEmpty()) {
    Prompts().Warning(TPrompts::kSystemCaption, QStringLiteral("请选择要打印的数据!"));
    return;
  }
  TSessionControl& session = context_.Session;
  {
    TWindowsDisabled disabled(*this);
    try {
      const pugi::xml_document reply =
          PostForm(QueryUrl(session), DealCountBody(session.User(), receipt_, receiptWorkflowId_));
      receipt_.PrintCountLine =
          session.User().TradeType == 1 ? QString() : CountLine(PrintCount(ReplyRoot(reply)));
    } catch (const EResponseError& e) {
      Prompts().Error(TPrompts::kErrorCaption, e.Message());
      return;
    }
  }
  const TDealReceiptLayout layout(receipt_);
  ::PrintReceipt(Prompts(), layout, preview ? TReceiptOutput::Preview : TReceiptOutput::Printer,
                 [this, &session] {
                   const QByteArray report = AfterDealPrint(session.User(), receipt_);
                   if (!report.isEmpty()) SendPrintReport(Prompts(), CountUrl(session), report);
                 });
}
