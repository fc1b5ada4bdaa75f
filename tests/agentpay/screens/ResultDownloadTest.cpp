#include <gtest/gtest.h>

#include <QComboBox>
#include <QDate>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "agentpay/screens/FormSubstPayRetDownLoad.h"
#include "agentpay/screens/PaySubmitPanel.h"
#include "agentpay/screens/fmPayFile.h"
#include "agentpay/screens/fmPayoutcomefile.h"
#include "platform/codec/Gbk.h"
#include "platform/files/AtomicFile.h"
#include "session/screens/BankSession.h"
#include "support/Children.h"
#include "support/SessionFixture.h"
#include "widgets/grid/MapleGrid.h"

namespace {

class ResultDownloadTest : public SessionFixture {
 protected:
  ResultDownloadTest() {
    // Hidden until the test shows it, as the main window keeps a screen
    // until its menu entry is chosen.
    screen.setParent(&main);
    screen.hide();
    main.show();
  }
  ~ResultDownloadTest() override { screen.setParent(nullptr); }

  void LogOnAndShow(const char* custId, const char* password) {
    ScriptLogon(custId, "001", password);
    ASSERT_TRUE(session.LogOn(nullptr));
    screen.show();
  }
  void Click(const char* button) { Child<QPushButton>(screen, button).click(); }
  void Type(const char* field, const QString& text) {
    Child<QLineEdit>(screen, field).setText(text);
  }
  void Choose(const char* box, const QString& text) {
    auto& combo = Child<QComboBox>(screen, box);
    combo.setCurrentIndex(combo.findText(text));
    if (QByteArray(box) == "cmbQueryType") screen.cmbQueryTypeChange();
  }
  // The query from the given date on, all states of the older interface.
  void QueryFrom(const QString& date) {
    Type("edtStartDate", date);
    Click("btnQuery");
  }
  int RowOf(const QString& creditNo) const {
    const QList<TPayResultDoc>& docs = screen.Table().Docs();
    for (int row = 0; row < docs.size(); ++row)
      if (docs[row].CreditNo == creditNo) return row;
    return -1;
  }
  void Select(const QString& creditNo) {
    const int row = RowOf(creditNo);
    ASSERT_GE(row, 0) << creditNo.toStdString();
    Child<TMapleGrid>(screen, "grdDocs").SelectRows(row, row);
  }
  // The next result-kind dialog: the kind with that caption, then its button.
  void ScriptKind(const char* caption) {
    prompts.AnswerModal([caption](QDialog& dialog) {
      for (QRadioButton* kind : dialog.findChildren<QRadioButton*>())
        if (kind->text() == QString::fromUtf8(caption)) kind->setChecked(true);
      Child<QPushButton>(dialog, "btnOk").click();
      return dialog.result();
    });
  }
  // The next save dialog gets a file of the output folder.
  QString ScriptSave(const char* name) {
    QString path = out.filePath(QString::fromUtf8(name));
    prompts.AnswerFile(path);
    return path;
  }
  QByteArray Read(const QString& path) const {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
  }
  QByteArray Start(const char* txCode) const {
    const TUSER& user = const_cast<TBankSession&>(session).User();
    return "TXCODE=" + QByteArray(txCode) + "&SKEY=" + user.SKey.toLatin1() +
           "&CUSTOMERID=" + user.CustId.toLatin1() + "&USERID=001&PT_LANGUAGE=CN" +
           "&NVX_IBSVersion=V6&PT_STYLE=8&resType=HTM";
  }
  bool Enabled(const char* button) { return Child<QPushButton>(screen, button).isEnabled(); }
  QString PageLabel() { return Child<QLabel>(screen, "lblPage").text(); }

  TBankSession session{Config(), prompts};
  QWidget main;
  TFormSubstPayRetDownLoad screen{
      TPayFileContext{TScreenServices{prompts, {}}, session, dir.Path(), dir.Path()}};
  QTemporaryDir out;
  const QString today = QDate::currentDate().toString("yyyyMMdd");
  const QString firstOfMonth =
      QDate(QDate::currentDate().year(), QDate::currentDate().month(), 1).toString("yyyyMMdd");
};

TEST_F(ResultDownloadTest, theNewerInterfaceChecksTheConditionsAndPagesThroughTheDocuments) {
  LogOnAndShow("3100012345", "a12345");
  EXPECT_EQ(RequestsOf("N19101").value(0).Body, Start("N19101") + "&TRAN_TYPE=0");
  EXPECT_EQ(Child<QComboBox>(screen, "cmbAccount").count(), 4);
  EXPECT_TRUE(Child<QComboBox>(screen, "cmbEItem").isHidden());

  Click("btnQuery");
  EXPECT_EQ(RequestsOf("N19102").value(0).Body,
            Start("N19102") + "&CREDIT_NO=&Vchr_StDt=" + firstOfMonth.toLatin1() +
                "&Vchr_CODt=" + today.toLatin1() +
                "&Vchr_Beg_Amt=&Vchr_CtOf_Amt=&EtrUnt_AccNo=&VCHR_TP_CODE=1&Vchr_St=700"
                "&SBSTRCVPY_PRJ_TPCD=0&PAGE=1");
  EXPECT_GE(RowOf("DF9000000001"), 0);
  EXPECT_EQ(screen.Table().Docs().value(0).StateText, "成功");

  // Refused before any request: month 13, a date before the upgrade, amounts.
  const qsizetype asked = RequestsOf("N19102").size();
  const auto refused = [&](const char* from, const char* low, const char* high) {
    Type("edtStartDate", from);
    Type("edtLowAmount", low);
    Type("edtHighAmount", high);
    Click("btnQuery");
    return prompts.LastMessage().Text;
  };
  EXPECT_EQ(refused("20261301", "", ""), "起止日期输入格式不合法！正确输入应为YYYYMMDD格式！");
  EXPECT_EQ(refused("20260531", "", ""), "系统升级之前的流水请到网银页面查询，升级日期[20260601]");
  EXPECT_EQ(refused("20260601", "1e5", ""), "交易金额格式不合法！标准格式为100表示100.00。");
  EXPECT_EQ(refused("20260601", "100", "99"), "交易金额下限大于金额上限，请重新输入！");
  EXPECT_EQ(RequestsOf("N19102").size(), asked);

  // Every condition filled.
  Child<QComboBox>(screen, "cmbAccount").setCurrentIndex(1);
  Choose("cmbState", "失败");
  Type("edtEndDate", today);
  Type("edtCreditNo", "DF9000000015");
  Type("edtHighAmount", "999999.99");
  Click("btnQuery");
  EXPECT_EQ(RequestsOf("N19102").last().Body,
            Start("N19102") +
                "&CREDIT_NO=DF9000000015&Vchr_StDt=20260601&Vchr_CODt=" + today.toLatin1() +
                "&Vchr_Beg_Amt=100&Vchr_CtOf_Amt=999999.99&EtrUnt_AccNo=3100012345001"
                "&VCHR_TP_CODE=1&Vchr_St=800&SBSTRCVPY_PRJ_TPCD=0&PAGE=1");

  // Seven successful 批量代发 documents, five to a page.
  Child<QComboBox>(screen, "cmbAccount").setCurrentIndex(0);
  Choose("cmbState", "成功");
  Type("edtCreditNo", "");
  Type("edtLowAmount", "");
  Type("edtHighAmount", "");
  Click("btnQuery");
  EXPECT_EQ(PageLabel(), "共2页 第1页");
  EXPECT_TRUE(Enabled("btnNext"));
  EXPECT_FALSE(Enabled("btnPrior"));
  Click("btnNext");
  EXPECT_EQ(PageLabel(), "共2页 第2页");
  EXPECT_FALSE(Enabled("btnNext"));
  EXPECT_TRUE(Enabled("btnPrior"));
  EXPECT_TRUE(RequestsOf("N19102").last().Body.endsWith("&PAGE=2"));

  // A click on a title sorts by it, the next one the other way round.
  auto& grid = Child<TMapleGrid>(screen, "grdDocs");
  for (const char* title : {"▲凭证号码", "▼凭证号码"}) {
    Q_EMIT grid.horizontalHeader()->sectionClicked(0);
    EXPECT_EQ(grid.ColumnText(0), title);
  }

  // A failed query clears the page label and leaves the documents.
  const qsizetype shown = screen.Table().Docs().size();
  sim.SetFault("error");
  Click("btnPrior");
  EXPECT_EQ(PageLabel(), "");
  EXPECT_EQ(screen.Table().Docs().size(), shown);
  EXPECT_TRUE(main.isEnabled() && screen.isEnabled());

  // The logoff takes the session's accounts and documents off the screen.
  session.LogOff();
  EXPECT_EQ(Child<QComboBox>(screen, "cmbAccount").count(), 1);
  EXPECT_TRUE(screen.Table().Docs().isEmpty());
}

TEST_F(ResultDownloadTest, theNewerInterfaceDownloadsTheChosenRecordsOfASuccessfulDocument) {
  LogOnAndShow("3100012345", "a12345");
  Click("btnQuery");
  auto& grid = Child<TMapleGrid>(screen, "grdDocs");
  grid.SelectRows(0, 1);
  Click("btnDownload");
  EXPECT_EQ(prompts.LastMessage().Text, "没有可下载内容！");

  // A failed document that could be downloaded is still refused.
  Choose("cmbState", "失败");
  Type("edtStartDate", "20260601");
  Click("btnQuery");
  ASSERT_EQ(screen.Table().Docs().size(), 1);
  ScriptKind("失败");
  Click("btnDownload");
  EXPECT_EQ(prompts.LastMessage().Text, "只有成功的单据才能下载结果文件。");
  EXPECT_TRUE(RequestsOf("N19107").isEmpty());

  Choose("cmbState", "成功");
  Click("btnQuery");
  Select("DF9000000001");
  prompts.AnswerModal(QDialog::Rejected);
  Click("btnDownload");
  EXPECT_TRUE(RequestsOf("N19107").isEmpty());

  ScriptKind("失败");
  const QString saved = ScriptSave("失败记录.txt");
  grid.OnDblClick(0, RowOf("DF9000000001"));
  const TSimRequest named = RequestsOf("N19107").value(0);
  EXPECT_EQ(named.Body, Start("N19107") +
                            "&VchID=DF9000000001&Btch_ID=PC9000000001&Txn_Jrnl_ID=LS9000000001"
                            "&Fmt_File_TpCd=2");
  const TSimRequest file = sim.Requests().last();
  EXPECT_EQ(file.Path, "/NNVX/NECV6FileDownload");
  EXPECT_TRUE(
      file.Body.contains("&FILEPATH=/rcpt/3100012345&SOURCE=DF9000000001_F.txt"
                         "&FILENAME=DF9000000001_F.txt&NAMEFLAG=1"));
  EXPECT_EQ(prompts.FileDialogs().back().Path.section('/', -1), "DF9000000001_F.txt");
  EXPECT_TRUE(codec::FromGbk(Read(saved)).endsWith("|失败|账户已冻结\r\n"));

  // The bank names no file.
  sim.SetFault("bare", 1, {{"txcode", "N19107"}});
  ScriptKind("全部");
  Click("btnDownload");
  EXPECT_EQ(prompts.LastMessage().Caption, "错误");
  EXPECT_EQ(prompts.LastMessage().Text, "下载文件不存在");
}

TEST_F(ResultDownloadTest, theOlderInterfaceAsksForTheKindOnlyWhereTheBankKeepsThree) {
  LogOnAndShow("3100067890", "c12345");
  EXPECT_EQ(RequestsOf("661504").value(0).Body, Start("661504"));
  Choose("cmbQueryType", "批量代扣");
  EXPECT_FALSE(Child<QComboBox>(screen, "cmbEItem").isHidden());
  EXPECT_EQ(Child<QComboBox>(screen, "cmbEItem").currentText(), "***请选择***");
  Click("btnQuery");
  EXPECT_EQ(
      RequestsOf("661501").value(0).Body,
      Start("661501") + "&TRANTYPE=1&EITEM=&COMPLETED=2&STARTDATE=" + firstOfMonth.toLatin1() +
          "&ENDDATE=" + today.toLatin1() + "&FROMAMMOUNT=&TOAMMOUNT=&CREDITNO=&ACCNO=&PAGE=1");

  Choose("cmbQueryType", "批量代发");
  Choose("cmbState", "完成单据");
  QueryFrom("20260101");
  ASSERT_GE(RowOf("DF9100000002"), 0);
  EXPECT_EQ(screen.Table().Docs()[RowOf("DF9100000002")].Contents, "全部");
  EXPECT_EQ(screen.Table().Docs()[RowOf("DF9100000001")].Contents, "全部，成功，失败");

  // No choice for a document without separate results.
  const std::size_t modals = prompts.ModalRuns().size();
  Select("DF9100000002");
  const QString all = ScriptSave("全部.txt");
  Click("btnDownload");
  EXPECT_EQ(prompts.ModalRuns().size(), modals);
  EXPECT_TRUE(sim.Requests().last().Body.contains("&SOURCE=CCGZ0001.txt&"));
  EXPECT_FALSE(Read(all).isEmpty());

  // The bank packs the failed records of a document with separate results.
  Select("DF9100000001");
  ScriptKind("失败结果");
  const QString zip = ScriptSave("失败.zip");
  Click("btnDownload");
  EXPECT_EQ(sim.Requests().last().Body,
            "SKEY=" + session.User().SKey.toLatin1() +
                "&CUSTOMERID=3100067890&USERID=001&FILEPATH=B2B.customer.bill&FILENAME="
                "&SOURCE=FSB0001.txt.zip&NAMEFLAG=1&LOCAL_REMOTE=0&IS_VERIFY=0&TXCODE=660702");
  EXPECT_TRUE(Read(zip).startsWith("PK"));

  // A name of the bank never decides where the file lands.
  Select("DF9100000004");
  ScriptSave("x.txt");
  Click("btnDownload");
  EXPECT_EQ(prompts.FileDialogs().back().Path.section('/', -1), "x.txt");
  EXPECT_FALSE(prompts.FileDialogs().back().Path.contains(".."));

  // A notice page instead of the file.
  sim.SetFault("notice");
  Click("btnDownload");
  EXPECT_EQ(prompts.LastMessage().Caption, "错误");
  EXPECT_TRUE(prompts.LastMessage().Text.contains("提示信息"));

  // Only documents the bank processed successfully have results.
  Choose("cmbState", "全部单据");
  QueryFrom("20260101");
  const QList<TPayResultDoc>& docs = screen.Table().Docs();
  for (int row = 0; row < docs.size(); ++row) {
    if (docs[row].Status == "4") Child<TMapleGrid>(screen, "grdDocs").SelectRows(row, row);
  }
  Click("btnDownload");
  EXPECT_EQ(prompts.LastMessage().Text, "只有账务系统处理成功的单据才能下载结果文件。");
}

TEST_F(ResultDownloadTest, aConfirmedSalaryFileComesBackWithTheOutcomeOfEveryRecord) {
  LogOnAndShow("3100012345", "a12345");
  TPayFileContext context{TScreenServices{prompts, {}}, session, dir.Path(), dir.Path()};
  TPayTemplate salary;
  salary.Money = 3;
  salary.Columns = {{"收款账号", 1}, {"姓名", 2}, {"实发金额", 3}};
  TfmPayFile payFile{context};
  payFile.Activate(salary);
  payFile.Records().ReplaceLines({"6222000000010029|张三|1000.00", "6222000000010030|李四|500.50",
                                  "6222000000010086|王五|20"});
  TPaySubmitPanel& panel = payFile.SubmitPanel();
  panel.rgIsPayModeClick(0);
  prompts.AnswerModal([](QDialog& dialog) {
    Child<QLineEdit>(dialog, "edtPassword").setText("123456");
    Child<QPushButton>(dialog, "btnOk").click();
    return dialog.result();
  });
  Child<QPushButton>(payFile, "btnSubmit").click();
  const QString number =
      QRegularExpression("凭证号：(DF\\d+)").match(prompts.LastMessage().Text).captured(1);
  ASSERT_FALSE(number.isEmpty()) << prompts.LastMessage().Text.toStdString();

  Type("edtCreditNo", number);
  Click("btnQuery");
  ASSERT_EQ(screen.Table().Docs().size(), 1);
  EXPECT_EQ(screen.Table().Docs()[0].TotalNum, "3");
  Select(number);
  ScriptKind("失败");
  const QString failed = ScriptSave("failed.txt");
  Click("btnDownload");

  TfmPayoutcomefile outcomes{context};
  QTemporaryDir templates;
  WriteFileAtomically(templates.filePath("t.xml"), TemplateFileBytes(salary));
  prompts.AnswerFile(templates.filePath("t.xml"));
  outcomes.btnOpenTemplateClick();
  prompts.AnswerFile(failed);
  outcomes.btnViewClick();
  EXPECT_EQ(outcomes.Outcomes().Rows(),
            QList<QStringList>({{"6222000000010029", "张三", "1000.00", "失败", "账户已冻结"},
                                {"6222000000010086", "王五", "20", "失败", "户名与账号不符"}}));
}

}  // namespace
