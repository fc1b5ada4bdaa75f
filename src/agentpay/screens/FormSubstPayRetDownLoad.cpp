#include "agentpay/screens/FormSubstPayRetDownLoad.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QShowEvent>
#include <QTextDocumentFragment>
#include <QVBoxLayout>

#include "agentpay/online/PayExchange.h"
#include "agentpay/online/PayLists.h"
#include "agentpay/online/PayResultFiles.h"
#include "agentpay/records/PayResultText.h"
#include "agentpay/screens/FormSplitSelect.h"
#include "agentpay/screens/ResultChoiceDialogs.h"
#include "agentpay/screens/TextFileLines.h"
#include "core/ServerPaths.h"
#include "core/SessionControl.h"
#include "platform/errors/ClerkError.h"
#include "platform/prompts/Prompts.h"
#include "session/transport/FormExchange.h"
#include "session/transport/GetData.h"
#include "session/transport/TempWbFm.h"
#include "widgets/base/CommandGuard.h"
#include "widgets/base/CommandRow.h"
#include "widgets/base/WindowsDisabled.h"
#include "widgets/grid/ListModel.h"
#include "widgets/grid/MapleGrid.h"

namespace {

const QString kChoose = QStringLiteral("***请选择***");

QString Trimmed(const QLineEdit* field) {
  return field->text().trimmed();
}

// The chosen entry of a list whose first entry is "***请选择***"; -1 for that one.
int ChosenEntry(const QComboBox* box) {
  return box->currentText().contains(QStringLiteral("请选择")) ? -1 : box->currentIndex() - 1;
}

void FillChoices(QComboBox* box, const QStringList& texts) {
  box->clear();
  box->addItem(kChoose);
  box->addItems(texts);
  box->setCurrentIndex(0);
}

QLineEdit* DateField(QWidget* parent, const char* name) {
  auto* field = new QLineEdit(parent);
  field->setObjectName(QString::fromLatin1(name));
  field->setMaxLength(8);
  field->setFixedWidth(90);
  return field;
}

}  // namespace

TFormSubstPayRetDownLoad::TFormSubstPayRetDownLoad(const TPayFileContext& context, QWidget* parent)
    : TFormOriginal(context.Screen, parent), context_(context) {
  setObjectName(QStringLiteral("FormSubstPayRetDownLoad"));
  setWindowTitle(QStringLiteral("代发代扣批量结果文件下载"));
  CreateControls();
  ResetConditions();
  // The accounts and documents of a session that ended are not shown any more.
  context_.Session.AddLogoffHook([screen = QPointer<TFormSubstPayRetDownLoad>(this)] {
    if (screen) screen->ResetConditions();
  });
}

// The grid asks the model and the table for their texts until it goes, so it
// goes first.
TFormSubstPayRetDownLoad::~TFormSubstPayRetDownLoad() {
  delete grdDocs_;
}

void TFormSubstPayRetDownLoad::CreateControls() {
  QWidget* conditions = CreateConditions();
  TCommandRow commands(*this, Prompts());
  commands.Add("btnQuery", QStringLiteral("查询"), QStringLiteral("查询代发代扣结果"),
               [this] { btnQueryClick(); });
  commands.Add("btnDownload", QStringLiteral("下载结果"), QStringLiteral("下载选定的代发代扣结果"),
               [this] { btnDownloadClick(); });
  commands.Add("btnConvert", QStringLiteral("转换excel"),
               QStringLiteral("将下载的文本内容转换成EXECL"), [this] { btnConvertClick(); });
  commands.Add("btnSeparator", QStringLiteral("设置分隔符"),
               QStringLiteral("设置将文本转换成EXECL时的分隔符"), [this] { btnSeparatorClick(); });
  commands.AddToggle("btnConditions", QStringLiteral("查询条件"), *conditions);

  grdDocs_ = new TMapleGrid(Prompts(), this);
  grdDocs_->setObjectName(QStringLiteral("grdDocs"));
  grdDocs_->setToolTip(QStringLiteral("双击单据可以下载其结果文件"));
  grdDocs_->setSelectionMode(QAbstractItemView::ExtendedSelection);
  const auto left = TColumnAlignment::Left;
  const auto right = TColumnAlignment::Right;
  model_ = std::make_unique<TRecordListModel<QList<TPayResultDoc>>>(
      table_.Docs(),
      QList<TColumnDef>{{QString(), 130, left},
                        {QString(), 120, left},
                        {QString(), 100, left},
                        {QString(), 160, left},
                        {QString(), 110, right, true},
                        {QString(), 60, right},
                        {QString(), 110, right, true},
                        {QString(), 70, right},
                        {QString(), 170, left},
                        {QString(), 130, left},
                        {QString(), 120, left}},
      &TResultDocsTable::CellText, false);
  grdDocs_->OnGetColumnText = [this](int col, int row, QString& title) {
    if (row < 0) title = table_.Captions().value(col, title);
  };
  grdDocs_->SetListModel(model_.get());
  grdDocs_->OnDblClick = [this](int, int) { btnDownloadClick(); };
  grdDocs_->SetDoubleClickMs(300);
  connect(grdDocs_->horizontalHeader(), &QHeaderView::sectionClicked, this,
          Guarded(Prompts(), [this](int column) {
            table_.SortBy(column);
            ShowDocs();
          }));

  lblPage_ = new QLabel(this);
  lblPage_->setObjectName(QStringLiteral("lblPage"));
  TCommandRow paging(*this, Prompts(), true);
  btnPrior_ = paging.Add("btnPrior", QStringLiteral("上一页"), {}, [this] { btnPriorClick(); });
  btnNext_ = paging.Add("btnNext", QStringLiteral("下一页"), {}, [this] { btnNextClick(); });
  paging.Layout()->insertWidget(0, lblPage_);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(commands.Layout());
  layout->addWidget(conditions);
  layout->addWidget(grdDocs_, 1);
  layout->addLayout(paging.Layout());
}

QWidget* TFormSubstPayRetDownLoad::CreateConditions() {
  grpConditions_ = new QGroupBox(QStringLiteral("请选择查询条件"), this);
  grpConditions_->setObjectName(QStringLiteral("grpConditions"));
  auto* grid = new QGridLayout(grpConditions_);
  const auto label = [this](const QString& text) { return new QLabel(text, grpConditions_); };
  const auto pair = [&](QWidget* first, QWidget* second, const QString& note) {
    auto* row = new QHBoxLayout;
    row->addWidget(first);
    row->addWidget(label(QStringLiteral("——")));
    row->addWidget(second);
    row->addWidget(label(note));
    row->addStretch();
    return row;
  };

  cmbQueryType_ = new QComboBox(grpConditions_);
  cmbQueryType_->setObjectName(QStringLiteral("cmbQueryType"));
  cmbQueryType_->addItems({QStringLiteral("批量代发"), QStringLiteral("批量代扣")});
  connect(cmbQueryType_, &QComboBox::activated, this,
          Guarded(Prompts(), [this] { cmbQueryTypeChange(); }));
  cmbState_ = new QComboBox(grpConditions_);
  cmbState_->setObjectName(QStringLiteral("cmbState"));
  edtStartDate_ = DateField(grpConditions_, "edtStartDate");
  edtEndDate_ = DateField(grpConditions_, "edtEndDate");
  edtLowAmount_ = new QLineEdit(grpConditions_);
  edtLowAmount_->setObjectName(QStringLiteral("edtLowAmount"));
  edtHighAmount_ = new QLineEdit(grpConditions_);
  edtHighAmount_->setObjectName(QStringLiteral("edtHighAmount"));
  cmbAccount_ = new QComboBox(grpConditions_);
  cmbAccount_->setObjectName(QStringLiteral("cmbAccount"));
  edtCreditNo_ = new QLineEdit(grpConditions_);
  edtCreditNo_->setObjectName(QStringLiteral("edtCreditNo"));
  lblEItem_ = label(QStringLiteral("捷缴项目："));
  cmbEItem_ = new QComboBox(grpConditions_);
  cmbEItem_->setObjectName(QStringLiteral("cmbEItem"));

  grid->addWidget(label(QStringLiteral("查询类型：")), 0, 0);
  grid->addWidget(cmbQueryType_, 0, 1);
  grid->addWidget(label(QStringLiteral("单据状态：")), 0, 2);
  grid->addWidget(cmbState_, 0, 3);
  grid->addWidget(label(QStringLiteral("起止日期：")), 1, 0);
  grid->addLayout(pair(edtStartDate_, edtEndDate_,
                       QStringLiteral("（标准输入格式20020405表示2002年04月05日）")),
                  1, 1, 1, 3);
  grid->addWidget(label(QStringLiteral("交易金额：")), 2, 0);
  grid->addLayout(
      pair(edtLowAmount_, edtHighAmount_, QStringLiteral("（标准输入格式100表示100.00）")), 2, 1, 1,
      3);
  grid->addWidget(label(QStringLiteral("付款账号：")), 3, 0);
  grid->addWidget(cmbAccount_, 3, 1, 1, 3);
  grid->addWidget(label(QStringLiteral("凭证号：")), 4, 0);
  grid->addWidget(edtCreditNo_, 4, 1);
  grid->addWidget(lblEItem_, 4, 2);
  grid->addWidget(cmbEItem_, 4, 3);
  grid->setColumnStretch(3, 1);
  return grpConditions_;
}

bool TFormSubstPayRetDownLoad::IsN17() const {
  return UsesN17(context_.Session.User());
}

void TFormSubstPayRetDownLoad::ResetConditions() {
  cmbQueryType_->setCurrentIndex(0);
  cmbState_->clear();
  if (IsN17()) {
    cmbState_->addItems(N17StateChoices());
    cmbState_->setCurrentIndex(0);
  } else {
    cmbState_->addItems(StateChoices661());
    cmbState_->setCurrentIndex(2);
  }
  const QDate today = QDate::currentDate();
  edtStartDate_->setText(
      QDate(today.year(), today.month(), 1).toString(QStringLiteral("yyyyMMdd")));
  edtEndDate_->setText(today.toString(QStringLiteral("yyyyMMdd")));
  edtLowAmount_->clear();
  edtHighAmount_->clear();
  edtCreditNo_->clear();
  lists_ = {};
  FillChoices(cmbAccount_, {});
  FillChoices(cmbEItem_, {});
  cmbQueryTypeChange();
  separator_ = QStringLiteral("|");
  request_ = {};
  table_.SetDocs({});
  ShowDocs();
  lblPage_->clear();
  btnPrior_->setEnabled(false);
  btnNext_->setEnabled(false);
}

void TFormSubstPayRetDownLoad::cmbQueryTypeChange() {
  const bool shown = !IsN17() && cmbQueryType_->currentIndex() == 1;
  lblEItem_->setVisible(shown);
  cmbEItem_->setVisible(shown);
}

void TFormSubstPayRetDownLoad::showEvent(QShowEvent* event) {
  TFormOriginal::showEvent(event);
  // The main window hides and shows its children with itself; only a screen
  // that was closed starts again.
  if (!needsReset_ || event->spontaneous()) return;
  needsReset_ = false;
  RunCommand(Prompts(), [this] { ShowAgain(); });
}

void TFormSubstPayRetDownLoad::closeEvent(QCloseEvent* event) {
  needsReset_ = true;
  TFormOriginal::closeEvent(event);
}

void TFormSubstPayRetDownLoad::ShowAgain() {
  ResetConditions();
  TSessionControl& session = context_.Session;
  if (!session.IsLoggedOn() && !session.LogOn(window())) return;
  ResetConditions();  // the state list follows the interface of the session
  LoadLists();
}

void TFormSubstPayRetDownLoad::LoadLists() {
  TWindowsDisabled disabled(*this);
  TSessionControl& session = context_.Session;
  try {
    const pugi::xml_document reply =
        PostPayForm(session.User(), session.Server(), ResultListsBody(session.User()));
    lists_ = ReadResultLists(session.User(), ReplyRoot(reply));
  } catch (const TClerkError& e) {
    Prompts().Error(TPrompts::kErrorCaption, e.Message());
  }
  QStringList accounts;
  for (const TACCItem& account : std::as_const(lists_.Accounts)) accounts << account.Display;
  FillChoices(cmbAccount_, accounts);
  QStringList items;
  for (const TEPAY& item : std::as_const(lists_.Items)) items << item.Text;
  FillChoices(cmbEItem_, items);
}

bool TFormSubstPayRetDownLoad::SessionReady() {
  TSessionControl& session = context_.Session;
  if (session.IsLoggedOn()) return true;
  if (session.LogOn(window())) {
    ResetConditions();
    LoadLists();
  }
  return false;
}

void TFormSubstPayRetDownLoad::btnQueryClick() {
  if (!SessionReady()) return;
  const TConditionProblem problem =
      CheckConditions(Trimmed(edtStartDate_), Trimmed(edtEndDate_), Trimmed(edtLowAmount_),
                      Trimmed(edtHighAmount_), lists_.MovDate);
  if (!problem.Message.isEmpty()) {
    Prompts().Warning(TPrompts::kSystemCaption, problem.Message);
    QLineEdit* fields[] = {nullptr, edtStartDate_, edtEndDate_, edtLowAmount_, edtHighAmount_};
    if (QLineEdit* field = fields[problem.Field]) field->setFocus();
    return;
  }
  TDFDKReqDate request;
  const int account = ChosenEntry(cmbAccount_);
  if (account >= 0 && account < lists_.Accounts.size())
    request.ACCNO = lists_.Accounts[account].AccNo;
  request.TRANTYPE = QString::number(cmbQueryType_->currentIndex());
  request.COMPLETED =
      IsN17() ? N17StateCode(cmbState_->currentText()) : QString::number(cmbState_->currentIndex());
  request.STARTDATE = Trimmed(edtStartDate_);
  request.ENDDATE = Trimmed(edtEndDate_);
  request.TOAMMOUNT = Trimmed(edtHighAmount_);
  request.FROMAMMOUNT = Trimmed(edtLowAmount_);
  request.CREDITNO = Trimmed(edtCreditNo_);
  const int item = ChosenEntry(cmbEItem_);
  if (!IsN17() && cmbQueryType_->currentIndex() == 1 && item >= 0 && item < lists_.Items.size())
    request.EITEM = lists_.Items[item].BillCode;
  request.Page = 1;
  request_ = request;
  RunPageQuery();
}

void TFormSubstPayRetDownLoad::btnPriorClick() {
  if (!SessionReady()) return;
  --request_.Page;
  RunPageQuery();
}

void TFormSubstPayRetDownLoad::btnNextClick() {
  if (!SessionReady()) return;
  ++request_.Page;
  RunPageQuery();
}

void TFormSubstPayRetDownLoad::RunPageQuery() {
  {
    TWindowsDisabled disabled(*this);
    TSessionControl& session = context_.Session;
    try {
      const pugi::xml_document reply =
          PostPayForm(session.User(), session.Server(), ResultQueryBody(session.User(), request_));
      ShowPage(ReadResultPage(session.User(), ReplyRoot(reply)));
    } catch (const TClerkError& e) {
      lblPage_->clear();
      Prompts().Error(TPrompts::kErrorCaption, e.Message());
    }
  }
  UpdatePaging();
  if (!table_.Docs().isEmpty()) grdDocs_->SetCurrentCell(0, 0);
}

void TFormSubstPayRetDownLoad::ShowPage(const TPayResultPage& page) {
  request_.Page = page.Page;
  request_.Pages = page.Pages;
  table_.SetDocs(page.Docs);
  ShowDocs();
  lblPage_->setText(QStringLiteral("共%1页 第%2页").arg(page.Pages).arg(page.Page));
}

void TFormSubstPayRetDownLoad::UpdatePaging() {
  btnNext_->setEnabled(request_.Page < request_.Pages);
  btnPrior_->setEnabled(request_.Page != 0 && request_.Page != 1);
}

void TFormSubstPayRetDownLoad::ShowDocs() {
  model_->Refresh();
}

// ---- downloads ----

void TFormSubstPayRetDownLoad::btnDownloadClick() {
  if (!SessionReady()) return;
  const TRowRange rows = grdDocs_->SelectedRows();
  const QList<TPayResultDoc>& docs = table_.Docs();
  const bool one = rows.First >= 0 && rows.First == rows.Last && rows.First < docs.size();
  if (!one || docs[rows.First].CreditNo.trimmed().isEmpty() ||
      docs[rows.First].IsDownload != u"1") {
    Prompts().Warning(TPrompts::kSystemCaption, QStringLiteral("没有可下载内容！"));
    return;
  }
  const TPayResultDoc doc = docs[rows.First];
  if (IsN17())
    DownloadN17(doc);
  else
    Download661(doc);
}

void TFormSubstPayRetDownLoad::DownloadN17(const TPayResultDoc& doc) {
  TfrmSelectDownloadType kinds(Prompts(), this);
  const std::optional<QString> choice = kinds.Execute();
  if (!choice) return;
  if (doc.Status != u"700") {
    Prompts().Warning(TPrompts::kSystemCaption, QStringLiteral("只有成功的单据才能下载结果文件。"));
    return;
  }
  TWindowsDisabled disabled(*this);
  TSessionControl& session = context_.Session;
  const pugi::xml_document named = PostPayForm(session.User(), session.Server(),
                                               ResultFileNameBody(session.User(), doc, *choice));
  const QString recptFileNm = OptionalText(ReplyRoot(named), "Recpt_File_Nm");
  if (recptFileNm.isEmpty()) {
    Prompts().Error(TPrompts::kErrorCaption, QStringLiteral("下载文件不存在"));
    return;
  }
  QString reply;
  if (PostForFile(session.Server().ServerBaseUrl + FileDownloadV6Path(),
                  N17FileBody(session.User(), SplitRemoteFile(recptFileNm)), reply))
    return;
  try {
    pugi::xml_document doc2;
    LoadReply(doc2, reply);
    TGetData::CheckReply(doc2);
  } catch (const TClerkError& e) {
    lblPage_->clear();
    Prompts().Error(TPrompts::kErrorCaption, e.Message());
  }
}

void TFormSubstPayRetDownLoad::Download661(const TPayResultDoc& doc) {
  if (doc.Status != u"3") {
    Prompts().Warning(TPrompts::kSystemCaption,
                      QStringLiteral("只有账务系统处理成功的单据才能下载结果文件。"));
    return;
  }
  QString prefix = QStringLiteral("C");
  if (Chooses661Kind(doc)) {
    TFormSubstPayRetSelect kinds(Prompts(), this);
    const std::optional<QString> choice = kinds.Execute();
    if (!choice) return;
    prefix = *choice;
  }
  TWindowsDisabled disabled(*this);
  TSessionControl& session = context_.Session;
  QString reply;
  if (PostForFile(session.Server().ServerBaseUrl + FileDownloadV5Path(),
                  File661Body(session.User(), prefix + File661Name(doc)), reply))
    return;
  if (reply.contains(QStringLiteral("提示信息"))) {
    Prompts().Error(TPrompts::kErrorCaption,
                    QTextDocumentFragment::fromHtml(reply).toPlainText().trimmed());
    return;
  }
  pugi::xml_document answer;
  LoadReply(answer, reply);
  TGetData::CheckReply(answer);
}

// ---- conversion ----

void TFormSubstPayRetDownLoad::btnSeparatorClick() {
  TFormSplitSelect dialog(Prompts(), this);
  separator_ = dialog.Execute(separator_);
}

void TFormSubstPayRetDownLoad::btnConvertClick() {
  const QString path = Prompts().OpenFileOfKind(TFileKind::Downloads, QStringLiteral("打开"),
                                                QStringLiteral("所有文件(*.*)"));
  if (path.isEmpty()) return;
  const QString target = ConvertedWorkbookPath(path);
  if (target.isEmpty()) {
    Prompts().Warning(TPrompts::kSystemCaption, QStringLiteral("文件名有错误!"));
    return;
  }
  const std::optional<QStringList> lines = ReadTextFileLines(Prompts(), path);
  if (!lines) return;
  const QString noSpreadsheet = QStringLiteral("连接到EXCEL文件失败!");
  std::unique_ptr<TWorkbook> book;
  try {
    book = context_.StartSpreadsheet()->NewWorkbook();
  } catch (const TSpreadsheetError&) {
    Prompts().Warning(TPrompts::kSystemCaption, noSpreadsheet);
    return;
  }
  if (!lines->value(0).contains(separator_) &&
      Prompts().Confirm(TPrompts::kSystemCaption, MissingSeparatorQuestion(separator_)))
    btnSeparatorClick();
  if (QFileInfo::exists(target) &&
      !Prompts().Ask(
          TPrompts::kSystemCaption,
          QStringLiteral("文件%1已存在，是否替换？").arg(QDir::toNativeSeparators(target))))
    return;
  try {
    TWorksheet sheet = book->Worksheet(1);
    const QList<QStringList> rows = SplitResultLines(*lines, separator_);
    for (int row = 0; row < rows.size(); ++row)
      for (int column = 0; column < rows[row].size(); ++column)
        sheet.WriteCell(row + 1, column + 1, rows[row][column]);
    book->SaveAs(target);
  } catch (const TSpreadsheetError& e) {
    Prompts().Warning(TPrompts::kSystemCaption, noSpreadsheet + u'\n' + e.Message());
    return;
  }
  Prompts().ShowStatus(QStringLiteral("已转换为%1").arg(QDir::toNativeSeparators(target)));
}
