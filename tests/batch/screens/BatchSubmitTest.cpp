#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>

#include "BatchFixture.h"
#include "batch/documents/BatchFile.h"
#include "batch/screens/FailPanel.h"
#include "batch/submission/BatchUpload.h"
#include "session/screens/BankSession.h"
#include "support/Children.h"
#include "support/ProcessMemory.h"
#include "support/SessionFixture.h"
#include "support/StartedRegisters.h"

namespace {

// Two documents to payees at this bank and, with a third, one to another bank
// without its interbank number, which the simulator rejects.
void SampleDocuments(TFormBatch& screen, const QString& payer, bool withRejected) {
  screen.Batch().Clear();
  screen.Batch().Append(BatchDoc(payer, "6217000033334444", 1500));
  screen.Batch().Append(BatchDoc(payer, "6217000055556666", 100));
  if (withRejected) screen.Batch().Append(BatchDoc(payer, "4367000077778888", 1, "0"));
  screen.Refresh();
}

// The session of the run, counting the logons it was asked for.
class TCountingSession : public TBankSession {
 public:
  using TBankSession::TBankSession;
  bool LogOn(QWidget* parent) override {
    ++Logons;
    return TBankSession::LogOn(parent);
  }
  int Logons = 0;
};

class BatchSubmitTest : public SessionFixture {
 protected:
  BatchSubmitTest()
      : registers(dir.Path()),
        session(Config(), prompts),
        screen(TBatchContext{{{prompts, {}}, registers, &TSpreadsheetApp::Start}, session}) {
    screen.show();
  }

  void LogOn(const char* custId, const char* password) {
    ScriptLogon(custId, "001", password);
    session.LogOn(nullptr);
    ASSERT_TRUE(session.IsLoggedOn());
    sim.ClearRequests();
    session.Logons = 0;
  }

  // Types the password and submits with fresh prompts; answers what the bank got.
  QList<TSimRequest> Submit(const QString& password) {
    sim.ClearRequests();
    prompts = TScriptedPrompts();
    Child<QLineEdit>(screen, "edtPassword").setText(password);
    screen.btnSubmitClick();
    return sim.Requests();
  }

  int Uploads() const {
    int count = 0;
    for (const TSimRequest& request : sim.Requests())
      count += request.Path == "/NNVX/NECV6NEWB2BFile" ? 1 : 0;
    return count;
  }

  void ExpectMessages(const QList<std::tuple<QMessageBox::Icon, QString, QString>>& expected) {
    ASSERT_EQ(prompts.Messages().size(), std::size_t(expected.size()));
    for (int i = 0; i < expected.size(); ++i) {
      const TScriptedMessage& message = prompts.Messages()[std::size_t(i)];
      EXPECT_EQ(message.Icon, std::get<0>(expected[i])) << i;
      EXPECT_EQ(message.Caption, std::get<1>(expected[i])) << i;
      EXPECT_EQ(message.Text, std::get<2>(expected[i])) << i;
    }
  }

  TStartedRegisters registers;
  TCountingSession session;
  TFormBatch screen;
};

}  // namespace

TEST_F(BatchSubmitTest, nothingIsSentWithoutDocumentsOrWithAPasswordOfTheWrongLength) {
  LogOn("3100012345", "a12345");
  EXPECT_TRUE(Submit("123456").isEmpty());
  ExpectMessages({{QMessageBox::Information, "提示", "当前没有数据可以提交！"}});

  SampleDocuments(screen, "3100012345001", false);
  for (const char* refused : {"", "      ", "12345"}) {
    EXPECT_TRUE(Submit(refused).isEmpty()) << refused;
    EXPECT_EQ(prompts.LastMessage().Caption, "提示");
    EXPECT_EQ(Child<QLineEdit>(screen, "edtPassword").text(), refused);  // kept: nothing was sent
  }
  EXPECT_EQ(prompts.LastMessage().Text, "交易密码必须大于6位小于12位。");

  // An amount kept from an older batch file that no clerk could type is not sent.
  const TAmount kept = screen.Batch()[1].Money;
  screen.Batch()[1].Money = TAmount::FromUnits(10);
  EXPECT_TRUE(Submit("123456").isEmpty());
  EXPECT_EQ(prompts.LastMessage().Text, "第2笔转账记录的金额不正确，请修改后再提交！");
  screen.Batch()[1].Money = kept;

  // Six and twelve characters go to the bank; twelve is the wrong password here.
  EXPECT_EQ(Submit("123456789012").size(), 1);
  ExpectMessages({{QMessageBox::Critical, "错误", "信息提示\r\r交易密码错误。(EBLN0004)"}});
  EXPECT_EQ(Child<QLineEdit>(screen, "edtPassword").text(), "");
  EXPECT_EQ(Submit("123456").size(), 1);
  EXPECT_EQ(prompts.LastMessage().Text.left(6), "单据提交成功");

  // Enter in the password field submits as the button does.
  SampleDocuments(screen, "3100012345001", false);
  sim.ClearRequests();
  auto& password = Child<QLineEdit>(screen, "edtPassword");
  password.setText("123456");
  QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
  QApplication::sendEvent(&password, &enter);
  EXPECT_EQ(sim.Requests().size(), 1);
  EXPECT_EQ(prompts.LastMessage().Text.left(6), "单据提交成功");
}

TEST_F(BatchSubmitTest, successHidesThePanelAndPartialSuccessListsTheRejectedDocuments) {
  LogOn("3100012345", "a12345");  // trade type 1
  SampleDocuments(screen, "3100012345001", true);
  const QByteArray before = BatchFileBytes(screen.Batch());

  const QList<TSimRequest> sent = Submit("123456");
  ASSERT_EQ(sent.size(), 1);
  EXPECT_EQ(sent[0].Path, "/NNVX/NECV6NEWB2BFile");
  ExpectMessages({{QMessageBox::Information, "提示",
                   "单据提交部分成功\r\n\r\n合计笔数：2\r\n合计金额：1600.00\r\n"
                   "操作员姓名：制单员\r\n操作员号码：001"},
                  {QMessageBox::Warning, "警告", "单据提交部分失败，请检查。"}});
  TFailPanel& panel = Child<TFailPanel>(screen, "pnlFail");
  EXPECT_TRUE(panel.IsOpen());
  EXPECT_EQ(Child<QLabel>(panel, "lblFailSum").text(), "合计笔数：3");
  ASSERT_EQ(panel.Fails().size(), 1);
  EXPECT_EQ(Column(Child<TMapleGrid>(panel, "grdFail"), 0), QStringList({"003"}));
  EXPECT_EQ(Column(Child<TMapleGrid>(panel, "grdFail"), 5), QStringList({"他行收款人联行号为空"}));
  EXPECT_EQ(BatchFileBytes(screen.Batch()), before);
  EXPECT_EQ(Child<QLineEdit>(screen, "edtPassword").text(), "");

  // "另存为" writes the list; a double click opens the document it names.
  prompts.AnswerFile(dir.File("fails"));
  panel.btnSaveAsClick();
  EXPECT_EQ(dir.Read("fails.txt"), FailListFileBytes(panel.Fails()));
  prompts.AnswerModal(QDialog::Rejected);
  Child<TMapleGrid>(panel, "grdFail").OnDblClick(0, 0);
  ASSERT_EQ(prompts.ModalRuns().size(), 1u);
  EXPECT_EQ(prompts.ModalRuns()[0].WindowTitle, "付款单据");
  EXPECT_EQ(Child<TMapleGrid>(screen, "grdBatch").Row(), 2);

  screen.Batch().Remove(2);
  screen.Refresh();
  Submit("123456");
  ExpectMessages({{QMessageBox::Information, "提示",
                   "单据提交成功\r\n\r\n合计笔数：2\r\n合计金额：1600.00\r\n"
                   "操作员姓名：制单员\r\n操作员号码：001"}});
  EXPECT_FALSE(panel.IsOpen());

  // The old interface knows no partial success.
  LogOn("3100067890", "c12345");
  SampleDocuments(screen, "3100067890001", true);
  EXPECT_EQ(Submit("123456").value(0).Path, "/NNVX/NECV5B2BFile");
  ExpectMessages({{QMessageBox::Warning, "警告", "单据提交失败，请检查。"}});
  EXPECT_EQ(Child<QLabel>(panel, "lblFailSum").text(), "合计笔数：3");
  EXPECT_TRUE(panel.IsOpen());
}

TEST_F(BatchSubmitTest, everyFaultIsShownAndLeavesTheBatchAndTheWindowsAsTheyWere) {
  LogOn("3100012345", "a12345");
  SampleDocuments(screen, "3100012345001", true);
  const QByteArray before = BatchFileBytes(screen.Batch());
  QWidget main;
  screen.setParent(&main);
  main.show();
  screen.show();
  for (const char* mode : {"error", "busy503", "nonxml", "empty", "drop", "tooclose"}) {
    sim.SetFault(mode);
    Submit("123456");
    EXPECT_EQ(prompts.LastMessage().Caption, "错误") << mode;
    EXPECT_EQ(prompts.LastMessage().Icon, QMessageBox::Critical) << mode;
    EXPECT_TRUE(main.isEnabled() && screen.isEnabled()) << mode;
    EXPECT_EQ(Child<QLineEdit>(screen, "edtPassword").text(), "") << mode;
    EXPECT_EQ(BatchFileBytes(screen.Batch()), before) << mode;
    EXPECT_FALSE(Child<TFailPanel>(screen, "pnlFail").IsOpen()) << mode;
  }
  screen.setParent(nullptr);
}

TEST_F(BatchSubmitTest, aClerkNotLoggedOnIsLoggedOnFirstAndACancelledLogonSendsNothing) {
  SampleDocuments(screen, "3100012345001", false);
  prompts.AnswerModal(QDialog::Rejected);
  Child<QLineEdit>(screen, "edtPassword").setText("123456");
  screen.btnSubmitClick();
  EXPECT_EQ(session.Logons, 1);
  EXPECT_FALSE(session.IsLoggedOn());
  EXPECT_EQ(Uploads(), 0);
  EXPECT_EQ(Child<QLineEdit>(screen, "edtPassword").text(), "123456");

  ScriptLogon("3100012345", "001", "a12345");
  screen.btnSubmitClick();
  EXPECT_EQ(session.Logons, 2);
  EXPECT_EQ(Uploads(), 1);
  EXPECT_EQ(prompts.LastMessage().Text.left(6), "单据提交成功");
}

TEST_F(BatchSubmitTest, theTransactionPasswordLeavesNoCopyInMemory) {
  LogOn("3100012345", "a12345");
  SampleDocuments(screen, "3100012345001", false);
  // The probe sees the field's copy; after the submission none may be left.
  const auto copies = [] {
    return CountInProcessMemory(QByteArrayView(reinterpret_cast<const char*>(u"123456"), 12));
  };
  const int before = copies();
  Child<QLineEdit>(screen, "edtPassword").setText(QString::fromUtf8("123456"));
  EXPECT_EQ(copies(), before + 1);
  screen.btnSubmitClick();
  EXPECT_TRUE(prompts.LastMessage().Text.startsWith("单据提交成功"));
  EXPECT_EQ(copies(), before);
}
