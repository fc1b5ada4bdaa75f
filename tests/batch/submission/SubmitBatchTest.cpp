#include "SampleBatch.h"
#include "batch/submission/BatchUpload.h"
#include "session/screens/BankSession.h"
#include "session/transport/ResponseError.h"
#include "support/ProcessMemory.h"
#include "support/SessionFixture.h"

namespace {

class SubmitBatchTest : public SessionFixture {
 protected:
  // Logs on through the logon dialog (which asks the trade type) and forgets
  // the logon's requests.
  void LogOn(const char* custId, const char* password) {
    ScriptLogon(custId, "001", password);
    ASSERT_TRUE(session.LogOn(nullptr));
    sim.ClearRequests();
  }

  QString SubmitError(const QString& password) {
    try {
      SubmitBatch(batch, SecretGbk(password), session.User(), Config(), prompts);
    } catch (const EResponseError& e) {
      return e.Message();
    }
    return "(none)";
  }

  const TBatch batch = SampleBatch();
  TBankSession session{Config(), prompts};
};

}  // namespace

TEST_F(SubmitBatchTest, postsTheBodyAndEveryFaultRaisesItsResponseError) {
  sim.Configure("recordPasswords", "1");
  LogOn("3100012345", "a12345");  // trade type 1, transaction password 123456
  const QString busy = "返回信息为服务器暂时不能访问,原因可能是网银服务器忙或网络故障,请稍后再试!";
  const QList<QPair<QString, QString>> faults = {
      {"error", "信息提示\r\r交易处理失败。(EBLN0100)"},
      {"busy503", busy},
      {"nonxml", "网络通讯故障，请稍后再试！"},
      {"empty", "网络通讯故障，请稍后再试！"},
      {"drop", busy},
      {"tooclose", "用户两次提交时间间隔太短，请稍后提交！"}};
  for (const auto& [mode, message] : faults) {
    sim.SetFault(mode);
    EXPECT_EQ(SubmitError("123456"), message) << mode.toStdString();
  }
  EXPECT_EQ(SubmitError(" 123456"), "信息提示\r\r交易密码错误。(EBLN0004)");

  const QList<TSimRequest> requests = sim.Requests();
  ASSERT_EQ(requests.size(), faults.size() + 1);  // the trade type came with the logon
  EXPECT_EQ(requests.last().Path, "/NNVX/NECV6NEWB2BFile");
  EXPECT_EQ(requests.last().Header("Content-Type"),
            "multipart/form-data; boundary=---------------------------7d8119e403d4");
  EXPECT_EQ(
      requests.last().Body,
      UploadBody(batch, SecretGbk(u" 123456"), session.User(), "NN1310").View().toByteArray());
}

TEST_F(SubmitBatchTest, verdictsOfTheBankForBothInterfaces) {
  LogOn("3100012345", "a12345");
  TUploadVerdict verdict =
      SubmitBatch(batch, SecretGbk(u"123456"), session.User(), Config(), prompts);
  EXPECT_EQ(verdict.Kind, TUploadVerdict::PartialSuccess);
  EXPECT_EQ(verdict.Message,
            "单据提交部分成功\r\n\r\n合计笔数：2\r\n合计金额：1600.50\r\n"
            "操作员姓名：制单员\r\n操作员号码：001");
  ASSERT_EQ(verdict.Fails.size(), 1);
  EXPECT_EQ(verdict.Fails[0].SeqNo, "003");
  EXPECT_EQ(verdict.Fails[0].Reason, "他行收款人联行号为空");

  TBatch accepted = SampleBatch();
  accepted.Remove(2);
  sim.SetFault("slow", 1, {{"delay_ms", "1500"}});  // waited for
  verdict = SubmitBatch(accepted, SecretGbk(u"123456"), session.User(), Config(), prompts);
  EXPECT_EQ(verdict.Kind, TUploadVerdict::Success);
  EXPECT_TRUE(
      verdict.Message.startsWith("单据提交成功\r\n\r\n合计笔数：2\r\n合计金额：1600.50\r\n"));

  LogOn("3100067890", "c12345");  // the old interface knows no partial success
  verdict = SubmitBatch(SampleBatch("3100067890001"), SecretGbk(u"123456"), session.User(),
                        Config(), prompts);
  EXPECT_EQ(verdict.Kind, TUploadVerdict::Failure);
  EXPECT_EQ(verdict.Fails.size(), 1);
  EXPECT_EQ(sim.Requests().last().Path, "/NNVX/NECV5B2BFile");

  EXPECT_EQ(ServiceTelephone(Config()), "");
  WriteClientSysIni("ServiceTel=010-12345678\r\n");
  EXPECT_EQ(ServiceTelephone(Config()), "010-12345678");
}

TEST_F(SubmitBatchTest, theBodyIsWipedWhenTheBankCannotBeReached) {
  // The network stack never takes a body it cannot send, so any copy of the
  // password part found is the program's own. The probe sees the body while
  // it lives.
  const QByteArrayView part = "name=\"PASSWORD\"\r\n\r\nk3j5h7\r\n";
  TUSER known = user;
  known.TradeType = 1;
  {
    const TSecretBytes body = UploadBody(batch, SecretGbk(u"k3j5h7"), known, "NN1310");
    EXPECT_EQ(CountInProcessMemory(part), 1);
  }
  EXPECT_EQ(CountInProcessMemory(part), 0);

  TServerConfig unreachable = Config();
  unreachable.ServerBaseUrl = QStringLiteral("http://127.0.0.1:1");
  EXPECT_THROW(SubmitBatch(batch, SecretGbk(u"k3j5h7"), known, unreachable, prompts),
               EResponseError);
  EXPECT_EQ(CountInProcessMemory(part), 0);
}
