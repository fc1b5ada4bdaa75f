#include "core/AppInfo.h"
#include "session/screens/BankSession.h"
#include "support/SessionFixture.h"

namespace {

class SessionTest : public SessionFixture {
 protected:
  SessionTest() : session(std::make_shared<TBankSession>(Config(), prompts)) {}
  // How often a dialog of that name was run modally.
  int ModalRuns(const char* objectName) const {
    int runs = 0;
    for (const TScriptedModal& run : prompts.ModalRuns())
      if (run.ObjectName == QLatin1String(objectName)) ++runs;
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
  EXPECT_EQ(session->User().TradeType, 1);
  EXPECT_EQ(session->User().AgentType, 1);
  ASSERT_EQ(RequestsOf("NC1001").size(), 1);
  EXPECT_TRUE(RequestsOf("NC1001")[0].Header("Cookie").contains("JSESSIONID="));
  EXPECT_EQ(ModalRuns("fmLogon"), 1);

  session->LogOff();
  EXPECT_FALSE(session->IsLoggedOn());
  EXPECT_EQ(hookRuns, 1);
  const TUSER& user = session->User();
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
  EXPECT_EQ(session->User().TradeType, 0);
}

TEST_F(SessionTest, cancelledLogonStartsNothing) {
  prompts.AnswerModal(QDialog::Rejected);
  EXPECT_FALSE(session->LogOn(nullptr));
  EXPECT_FALSE(session->IsLoggedOn());
  EXPECT_TRUE(sim.Requests().isEmpty());
}

TEST_F(SessionTest, failedSessionTypeQueryEndsTheSessionButAFailedExchangeKeepsIt) {
  sim.SetFault("error", 1, {{"txcode", "NC1001"}, {"code", "EBNC0001"}, {"message", "查询失败"}});
  ScriptLogon("3100012345", "001", "a12345");
  EXPECT_FALSE(session->LogOn(nullptr));
  EXPECT_FALSE(session->IsLoggedOn());
  EXPECT_EQ(prompts.LastMessage().Caption, "错误");
  EXPECT_EQ(prompts.LastMessage().Text, "信息提示\r\r查询失败。(EBNC0001)");

  sim.SetFault("drop", 0, {{"txcode", "NC1001"}});
  ScriptLogon("3100012345", "001", "a12345");
  EXPECT_TRUE(session->LogOn(nullptr));
  sim.ClearFault();
  EXPECT_EQ(session->User().TradeType, -1);
  EXPECT_EQ(session->User().AgentType, -1);
  EXPECT_EQ(prompts.LastMessage().Caption, AppTitle());
  EXPECT_EQ(prompts.LastMessage().Text,
            "返回信息为服务器暂时不能访问,原因可能是网银服务器忙或网络故障,请稍后再试!");
}

}  // namespace
