#include "statements/screens/fmDetailBrowserFileLink.h"

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
#include "statements/printing/DetailReceiptLayout.h"
#include "statements/screens/OnlineQueryParts.h"
#include "statements/screens/ReceiptPrinting.h"
#include "statements/screens/StatementGrid.h"
#include "statements/screens/VoucherPanelParts.h"
#include "widgets/base/CommandGuard.h"
#include "widgets/base/CommandRow.h"
#include "widgets/base/WindowsDisabled.h"

TfmDetailBrowserFileLink::TfmDetailBrowserFileLink(const TStatementOnlineContext& context,
                                                   QWidget* parent)
    : TFormOriginal(context.Screen, parent), context_(context), table_(DetailRow()) {
  setObjectName(QStringLiteral("fmDetailBrowserFileLink"));
  setWindowTitle(QStringLiteral("账户明细联机查询"));
  CreateControls();
  Reset();
  // The accounts and rows of a session that ended are not shown any more.
  context_.Session.AddLogoffHook([screen = QPointer<TfmDetailBrowserFileLink>(this)] {
    if (screen) screen->Reset();
  });
}

// The grid asks the table for its texts until it goes, so it goes first.
TfmDetailBrowserFileLink::~TfmDetailBrowserFileLink() {
  delete grid_;
}

void TfmDetailBrowserFileLink::CreateControls() {
  TCommandRow commands(*this, Prompts());
  commands.Add("SpeedButtonQuery", QStringLiteral("查询"),
               QStringLiteral("打开历史数据或网银交易数据"), [this] { SpeedButtonQueryClick(); });
  commands.Add("FlatButtonPreview", QStringLiteral("预览"), QStringLiteral("预览当前选中的数据"),
               [this] { FlatButtonPreviewClick(); });
  commands.Add("FlatButtonPrint", QStringLiteral("打印"), QStringLiteral("打印当前选中的数据"),
               [this] { FlatButtonPrintClick(); });
  commands.Add("FlatButtonDownload", QStringLiteral("下载Excel"),
               QStringLiteral("导出历史交易数据到Excel"), [this] { FlatButtonDownloadClick(); });

  auto* account = new QHBoxLayout;
  account->addWidget(new QLabel(QStringLiteral("账号："), this));
  cmbAcc_ = new QComboBox(this);
  cmbAcc_->setObjectName(QStringLiteral("cmbAcc"));
  cmbAcc_->setMinimumWidth(420);
  connect(cmbAcc_, &QComboBox::currentTextChanged, this, [this] { cmbAccChange(); });
  account->addWidget(cmbAcc_);
  QWidget* criteria = CreateCriteria();
  TCommandRow toggle(*this, Prompts());
  toggle.AddToggle("btnCriteria", QStringLiteral("查询条件"), *criteria);
  account->addLayout(toggle.Layout(), 1);

  grid_ = new TStatementGrid(Prompts(), table_, this);
  grid_->setObjectName(QStringLiteral("DBGrid1"));
  grid_->OnRowClick = [this](int recNo) { DBGrid1CellClick(recNo); };
  TCommandRow paging(*this, Prompts(), true);
  button1_ = paging.Add("Button1", QStringLiteral("上一页"), {}, [this] { Button1Click(); });
  button2_ = paging.Add("Button2", QStringLiteral("下一页"), {}, [this] { Button2Click(); });

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(commands.Layout());
  layout->addLayout(account);
  layout->addWidget(criteria);
  layout->addWidget(grid_, 1);
  layout->addLayout(paging.Layout());
  layout->addWidget(CreateReceiptPanel());
}

QWidget* TfmDetailBrowserFileLink::CreateCriteria() {
  grbSel_ = new QGroupBox(QStringLiteral("请选择查询条件"), this);
  grbSel_->setObjectName(QStringLiteral("grbSel"));
  auto* grid = new QGridLayout(grbSel_);
  const auto edit = [this](const char* name) {
    auto* field = new QLineEdit(grbSel_);
    field->setObjectName(QString::fromLatin1(name));
    return field;
  };
  edtBeginDate_ = DateField(grbSel_, "edtBeginDate");
  edtEndDate_ = DateField(grbSel_, "edtEndDate");
  for (QLineEdit* date : {edtBeginDate_, edtEndDate_})
    connect(date, &QLineEdit::textEdited, this,
            Guarded(Prompts(), [this, date] { IsTmpDate(*date); }));
  edtStartMoney_ = edit("edtStartMoney");
  edtEndMoney_ = edit("edtEndMoney");
  cmbDirection_ = new QComboBox(grbSel_);
  cmbDirection_->setObjectName(QStringLiteral("cmbDirection"));
  cmbDirection_->addItems(DirectionChoices());
  edtRevName_ = edit("edtRevName");
  edtRevAcc_ = edit("edtRevAcc");
  edtReMark_ = edit("edtReMark");

  const auto row = [this](std::initializer_list<QWidget*> widgets) {
    auto* line = new QHBoxLayout;
    for (QWidget* widget : widgets) line->addWidget(widget);
    line->addStretch();
    return line;
  };
  const auto label = [this](const QString& text) { return new QLabel(text, grbSel_); };
  grid->addWidget(label(QStringLiteral("起止日期：")), 0, 0);
  grid->addLayout(row({edtBeginDate_, label(QStringLiteral("——")), edtEndDate_,
                       label(QStringLiteral("（标准输入格式20070405，查询时间段不能超过3个月）"))}),
                  0, 1, 1, 3);
  grid->addWidget(label(QStringLiteral("交易金额：")), 1, 0);
  grid->addLayout(row({edtStartMoney_, label(QStringLiteral("——")), edtEndMoney_}), 1, 1);
  grid->addWidget(label(QStringLiteral("交易方向：")), 1, 2);
  grid->addWidget(cmbDirection_, 1, 3);
  grid->addWidget(label(QStringLiteral("收款人名称：")), 2, 0);
  grid->addWidget(edtRevName_, 2, 1);
  grid->addWidget(label(QStringLiteral("收款人账户：")), 2, 2);
  grid->addWidget(edtRevAcc_, 2, 3);
  grid->addWidget(label(QStringLiteral("交易摘要：")), 3, 0);
  grid->addWidget(edtReMark_, 3, 1);
  grid->setColumnStretch(3, 1);
  return grbSel_;
}

QWidget* TfmDetailBrowserFileLink::CreateReceiptPanel() {
  auto* panel = new QGroupBox(this);
  panel->setObjectName(QStringLiteral("pnlReceipt"));
  auto* grid = new QGridLayout(panel);
  auto* title = new QLabel(QStringLiteral("维岭银行网上银行电子回单"), panel);
  title->setAlignment(Qt::AlignCenter);
  grid->addWidget(title, 0, 0, 1, 8);
  stxtCur_ = AddCaptioned(*grid, 1, 0, QStringLiteral("币别："), "stxtCur");
  stxtDate_ = AddCaptioned(*grid, 1, 2, QStringLiteral("日期："), "stxtDate");
  stxtCreditno_ = AddCaptioned(*grid, 1, 4, QStringLiteral("凭证号："), "stxtCreditno");
  stxtCerCode_ = AddCaptioned(*grid, 1, 6, QStringLiteral("交易流水号："), "stxtCerCode");
  payer_ = ReceiptPayerPanel(panel);
  payee_ = ReceiptPayeePanel(panel);
  grid->addWidget(payer_, 2, 0, 1, 4);
  grid->addWidget(payee_, 2, 4, 1, 4);
  stxtDMoney_ = AddCaptioned(*grid, 3, 0, QStringLiteral("大写金额"), "stxtDMoney");
  stxtMoney_ = AddCaptioned(*grid, 3, 4, QStringLiteral("小写金额"), "stxtMoney");
  stxtUseOf_ = AddCaptioned(*grid, 4, 0, QStringLiteral("用 途"), "stxtUseOf");
  stxtStatus_ = AddCaptioned(*grid, 4, 4, QStringLiteral("钞汇标志"), "stxtStatus");
  grid->addWidget(new QLabel(QStringLiteral("重要提示：电子回单可重复打印，如您已通过银行柜台取得"
                                            "相应纸质回单，请注意核对，勿重复记账。"),
                             panel),
                  5, 0, 1, 8);
  stxtRemark_ = new QLabel(panel);
  stxtRemark_->setObjectName(QStringLiteral("stxtRemark"));
  stxtRemark_->hide();
  for (const int column : {1, 3, 5, 7}) grid->setColumnStretch(column, 1);
  return panel;
}

void TfmDetailBrowserFileLink::showEvent(QShowEvent* event) {
  TFormOriginal::showEvent(event);
  // The main window hides and shows its children with itself; a screen that
  // was closed starts again.
  if (!needsReset_ || event->spontaneous()) return;
  needsReset_ = false;
  RunCommand(Prompts(), [this] { FormShow(); });
}

void TfmDetailBrowserFileLink::closeEvent(QCloseEvent* event) {
  needsReset_ = true;
  TFormOriginal::closeEvent(event);
}

void TfmDetailBrowserFileLink::FormShow() {
  Reset();
  if (context_.Session.IsLoggedOn()) LoadAccounts();
}

void TfmDetailBrowserFileLink::Reset() {
  const QDate today = QDate::currentDate();
  edtBeginDate_->setText(
      QDate(today.year(), today.month(), 1).toString(QStringLiteral("yyyyMMdd")));
  edtEndDate_->setText(today.toString(QStringLiteral("yyyyMMdd")));
  for (QLineEdit* field : {edtStartMoney_, edtEndMoney_, edtRevName_, edtRevAcc_, edtReMark_})
    field->clear();
  accounts_.clear();
  cmbAcc_->clear();
  cmbAcc_->setCurrentIndex(-1);
  cmbAccChange();
  table_.Empty();
  table_.Append();
  grid_->Refresh();
  receipt_ = {};
  ShowReceipt();
  button1_->setEnabled(false);
  button2_->setEnabled(false);
}

void TfmDetailBrowserFileLink::LoadAccounts() {
  TWindowsDisabled disabled(*this);
  TSessionControl& session = context_.Session;
  const pugi::xml_document reply = PostForm(QueryUrl(session), DetailAccountsBody(session.User()));
  try {
    const QList<TACCItem> accounts = ReadDetailAccounts(ReplyRoot(reply));
    for (const TACCItem& entry : accounts) {
      accounts_.append(entry);
      cmbAcc_->addItem(entry.Display);
    }
  } catch (const TClerkError& e) {
    Prompts().Error(TPrompts::kErrorCaption, e.Message());
  }
  cmbAcc_->setCurrentIndex(-1);
  cmbAccChange();
}

void TfmDetailBrowserFileLink::cmbAccChange() {
  grbSel_->setEnabled(!cmbAcc_->currentText().isEmpty());
}

bool TfmDetailBrowserFileLink::IsTmpDate(QLineEdit& field) {
  return CheckDateField(Prompts(), field);
}

void TfmDetailBrowserFileLink::SpeedButtonQueryClick() {
  TSessionControl& session = context_.Session;
  if (!session.IsLoggedOn()) {
    if (!session.LogOn(window())) return;
    // The accounts of the new session replace those of the old one.
    accounts_.clear();
    cmbAcc_->clear();
    LoadAccounts();
  }
  if (cmbAcc_->currentText().trimmed().isEmpty()) {
    Prompts().Warning(TPrompts::kSystemCaption, QStringLiteral("请先选择需要查询的账号！"));
    return;
  }
  const TDetailProblem problem = CheckDetailConditions(
      edtBeginDate_->text(), edtEndDate_->text(), edtStartMoney_->text(), edtEndMoney_->text());
  if (!problem.Message.isEmpty()) {
    Prompts().Warning(TPrompts::kSystemCaption, problem.Message);
    QLineEdit* fields[] = {nullptr, edtBeginDate_, edtEndDate_, edtStartMoney_, edtEndMoney_};
    if (QLineEdit* field = fields[problem.Field]) field->setFocus();
    return;
  }
  SelItem query;
  const TACCItem account = accounts_.value(cmbAcc_->currentIndex());
  query.AccNo = account.AccNo;
  query.AccName = account.AccName;
  query.AccBank = account.BankName;
  query.StartDate = edtBeginDate_->text().trimmed();
  query.EndDate = edtEndDate_->text().trimmed();
  query.LowAmount = edtStartMoney_->text().trimmed();
  query.HighAmount = edtEndMoney_->text().trimmed();
  query.DcFlag = DirectionCode(cmbDirection_->currentIndex(), session.User().TradeType);
  query.CounterName = edtRevName_->text().trimmed();
  query.CounterAccNo = edtRevAcc_->text().trimmed();
  query.Remark = edtReMark_->text().trimmed();
  query_ = query;
  RunQuery();
}

void TfmDetailBrowserFileLink::Button1Click() {
  if (context_.Session.IsLoggedOn()) --query_.Page;
  RunQuery();
}

void TfmDetailBrowserFileLink::Button2Click() {
  if (context_.Session.IsLoggedOn()) ++query_.Page;
  RunQuery();
}

void TfmDetailBrowserFileLink::RunQuery() {
  TWindowsDisabled disabled(*this);
  TSessionControl& session = context_.Session;
  QueryPage(
      Prompts(), QueryUrl(session), DetailQueryBody(session.User(), query_),
      [&](const pugi::xml_node& root) {
        ReadDetailPage(root, session.User().TradeType, query_, table_);
      },
      *grid_, table_);
  UpdatePaging(*button1_, *button2_, query_.Page, query_.Pages);
}

void TfmDetailBrowserFileLink::DBGrid1CellClick(int recNo) {
  receipt_ = DetailReceiptOf(table_, recNo);
  ShowReceipt();
}

void TfmDetailBrowserFileLink::ShowReceipt() {
  stxtCur_->setText(receipt_.Currency);
  stxtDate_->setText(receipt_.Date);
  stxtCreditno_->setText(receipt_.VoucherNo);
  stxtCerCode_->setText(receipt_.SerialNo);
  payer_->Show(receipt_.Payer);
  payee_->Show(receipt_.Payee);
  stxtDMoney_->setText(receipt_.AmountInWords);
  stxtMoney_->setText(receipt_.Money);
  stxtUseOf_->setText(receipt_.Purpose);
  stxtStatus_->setText(receipt_.CashFlag);
  stxtRemark_->setText(receipt_.DetailNo);
}

void TfmDetailBrowserFileLink::FlatButtonDownloadClick() {
  TSessionControl& session = context_.Session;
  if (!session.IsLoggedOn()) {
    Prompts().Warning(TPrompts::kSystemCaption, QStringLiteral("请先登陆！"));
    return;
  }
  const int recNo = table_.RecNo();
  if (recNo < 1 || table_.Text(recNo, QStringLiteral("交易日期")).isEmpty()) {
    Prompts().Warning(TPrompts::kSystemCaption, QStringLiteral("请先进行查询！"));
    return;
  }
  if (query_.ReturnAll != u"0") {
    Prompts().Warning(TPrompts::kSystemCaption,
                      QStringLiteral("因查询时间范围过大以致下载失败，请缩短查询时间范围！"));
    return;
  }
  TWindowsDisabled disabled(*this);
  DownloadFile(QueryUrl(session), DetailExcelBody(session.User(), query_));
}

void TfmDetailBrowserFileLink::FlatButtonPreviewClick() {
  PrintReceipt(true);
}

void TfmDetailBrowserFileLink::FlatButtonPrintClick() {
  PrintReceipt(false);
}

void TfmDetailBrowserFileLink::PrintReceipt(bool preview) {
  if (receipt_.Payer.Account.trimmed().isEmpty()) {
    Prompts().Warning(TPrompts::kSystemCaption, preview ? QStringLiteral("请选择要预览的数据!")
                                                        : QStringLiteral("请选择要打印的数据!"));
    return;
  }
  TSessionControl& session = context_.Session;
  {
    TWindowsDisabled disabled(*this);
    try {
      const pugi::xml_document reply =
          PostForm(CountUrl(session), DetailCountBody(session.User(), receipt_, !preview));
      receipt_.PrintCount = PrintCount(ReplyRoot(reply));
      receipt_.PrintCountLine = CountLine(receipt_.PrintCount);
    } catch (const EResponseError& e) {
      Prompts().Error(TPrompts::kErrorCaption, e.Message());
      return;
    }
  }
  const TDetailReceiptLayout layout(receipt_);
  ::PrintReceipt(Prompts(), layout, preview ? TReceiptOutput::Preview : TReceiptOutput::Printer,
                 [this, &session] {
                   SendPrintReport(Prompts(), CountUrl(session),
                                   AfterDetailPrint(session.User(), receipt_));
                 });
}
