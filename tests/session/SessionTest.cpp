#include "SessionFixture.h"
#include "session/BankSession.h"
#include "shell/AppInfo.h"
#include "shell/MainWindow.h"

namespace {

class SessionTest : public SessionFixture {
 protected:
  SessionTest() : session(std::make_shared<TBankSession>(Config())) {}
  // How often a dialog of that name was run modally.
  int ModalRuns(const char* objectName) const {
    int runs = 0;
    for (const TScriptedModal& run : prompts.modalRuns())
      if (run.objectName == QLatin1String(objectName)) ++runs;
    return runs;
  }
  std::shared_ptr<TBankSession> session;
};

TEST_F(SessionTest, logonAsksTheSessionTypeOnceAndLogoffForgetsTheSessionAndItsCookie) {
  int hookRuns = 0;
  session->AddLogoffHook([&hookRuns] { ++hookRuns; });

  ScriptLogon("3100012345", "001", "a12345");
  EXPECT_TRUE(session->LogOn(nullptr));
  EXPECT_TRUE(session->IsLoggedOn());
  EXPECT_EQ(SessionUser().TradeType, 1);
  EXPECT_EQ(SessionUser().AgentType, 1);
  ASSERT_EQ(RequestsOf("NC1001").size(), 1);
  EXPECT_TRUE(RequestsOf("NC1001")[0].Header("Cookie").contains("JSESSIONID="));
  EXPECT_EQ(ModalRuns("fmLogon"), 1);

  session->LogOff();
  EXPECT_FALSE(session->IsLoggedOn());
  EXPECT_EQ(hookRuns, 1);
  const TUSER& user = SessionUser();
  EXPECT_TRUE(user.CustId.isEmpty() && user.UserId.isEmpty() && user.SKey.isEmpty() &&
              user.TxCode.isEmpty());
  EXPECT_EQ(user.ClientName, "download/WeilingB2BClient-setup.zip");

  sim.ClearRequests();
  ScriptLogon("3100067890", "001", "c12345");
  EXPECT_TRUE(session->LogOn(nullptr));
  const QList<TSimRequest> logons = RequestsOf("690101");
  ASSERT_EQ(logons.size(), 1);
  EXPECT_FALSE(logons[0].HasHeader("Cookie"));
  EXPECT_EQ(RequestsOf("NC1001").size(), 1);
  EXPECT_EQ(SessionUser().TradeType, 0);
}

TEST_F(SessionTest, cancelledLogonStartsNothing) {
  prompts.answerModal(QDialog::Rejected);
  EXPECT_FALSE(session->LogOn(nullptr));
  EXPECT_FALSE(session->IsLoggedOn());
  EXPECT_TRUE(sim.Requests().isEmpty());
}

TEST_F(SessionTest, failedSessionTypeQueryEndsTheSessionButAFailedExchangeKeepsIt) {
  sim.SetFault("error", 1, {{"txcode", "NC1001"}, {"code", "EBNC0001"}, {"message", "查询失败"}});
  ScriptLogon("3100012345", "001", "a12345");
  EXPECT_FALSE(session->LogOn(nullptr));
  EXPECT_FALSE(session->IsLoggedOn());
  EXPECT_EQ(prompts.lastMessage().caption, "错误");
  EXPECT_EQ(prompts.lastMessage().text, "信息提示\r\r查询失败。(EBNC0001)");

  sim.SetFault("drop", 0, {{"txcode", "NC1001"}});
  ScriptLogon("3100012345", "001", "a12345");
  EXPECT_TRUE(session->LogOn(nullptr));
  sim.ClearFault();
  EXPECT_EQ(SessionUser().TradeType, -1);
  EXPECT_EQ(SessionUser().AgentType, -1);
  EXPECT_EQ(prompts.lastMessage().caption, AppTitle());
  EXPECT_EQ(prompts.lastMessage().text,
            "返回信息为服务器暂时不能访问,原因可能是网银服务器忙或网络故障,请稍后再试!");
}

class MainWindowSessionTest : public SessionTest {
 protected:
  MainWindowSessionTest() {
    dir.write("param/Menu.ini", codec::toGbk(QStringLiteral("[联机]\r\n账户明细=6\r\n")));
    form = std::make_unique<TFormMain>(dir.path());
    form->SetSessionControl(session);
  }
  std::unique_ptr<TFormMain> form;
};

TEST_F(MainWindowSessionTest, menuCodeThatNeedsASessionLogsOnFirst) {
  prompts.answerModal(QDialog::Rejected);
  form->RunMenuCode(6);
  EXPECT_EQ(ModalRuns("fmLogon"), 1);
  EXPECT_EQ(form->CurrentScreen(), nullptr);

  ScriptLogon("3100012345", "001", "a12345");
  form->RunMenuCode(6);
  EXPECT_EQ(ModalRuns("fmLogon"), 2);
  EXPECT_TRUE(session->IsLoggedOn());
  ASSERT_NE(form->CurrentScreen(), nullptr);
  EXPECT_EQ(form->CurrentScreen(), form->ScreenInstance(6));

  form->btnEnterClick();
  EXPECT_EQ(ModalRuns("fmLogon"), 2);
  EXPECT_EQ(prompts.lastMessage().text, "客户端已与服务器联机，请先退出企业网银再进行登陆操作。");
}

TEST_F(MainWindowSessionTest, quitAnsweredYesLogsOffAndTheNextRequestCarriesNoCookie) {
  ScriptLogon("3100012345", "001", "a12345");
  form->btnEnterClick();
  ASSERT_TRUE(session->IsLoggedOn());

  prompts.answer(QMessageBox::No);
  form->btnQuitWYClick();
  EXPECT_TRUE(session->IsLoggedOn());

  prompts.answer(QMessageBox::Yes);
  form->btnQuitWYClick();
  EXPECT_EQ(prompts.lastMessage().caption, "退出联机");
  EXPECT_FALSE(session->IsLoggedOn());

  sim.ClearRequests();
  ScriptLogon("3100012345", "001", "a12345");
  form->btnEnterClick();
  EXPECT_TRUE(session->IsLoggedOn());
  ASSERT_EQ(RequestsOf("690101").size(), 1);
  EXPECT_FALSE(RequestsOf("690101")[0].HasHeader("Cookie"));
}

}  // namespace
