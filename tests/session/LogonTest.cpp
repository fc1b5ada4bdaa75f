#include <QFile>

#include "session/screens/Announcement.h"
#include "session/screens/FormShowUpdateMsg.h"
#include "session/transport/GetData.h"
#include "session/transport/Logon.h"
#include "support/SessionFixture.h"

namespace {

const QByteArray kDemoLogonBody =
    "PT_LANGUAGE=CN&CUSTOMERID=3100012345&USERID=001&LOG_PWD=a12345&TXCODE=690101"
    "&NVX_IBSVersion=V6&PT_STYLE=8&resType=HTM";

class LogonTest : public SessionFixture {
 protected:
  void LogOn(const char* custId = "3100012345", const char* operId = "001",
             const char* password = "a12345") {
    TLOGON logon = TLOGON::Make(Config(), QString::fromUtf8(custId), QString::fromUtf8(operId),
                                SecretGbk(QString::fromUtf8(password)));
    TGetData::Logon(logon, user, prompts);
    EXPECT_TRUE(logon.PostData.IsEmpty());
  }

  QString LogonError(const char* password = "a12345") {
    try {
      LogOn("3100012345", "001", password);
    } catch (const EResponseError& e) {
      return e.Message();
    }
    return QStringLiteral("(no error)");
  }
};

TEST_F(LogonTest, specialBytesOfTheValuesCannotCutTheLogonBody) {
  const TLOGON logon = TLOGON::Make(Config(), "31", "001", SecretGbk(u"a&b=c+d%"));
  EXPECT_TRUE(logon.PostData.View().contains("&LOG_PWD=a%26b%3Dc%2Bd%25&TXCODE=690101&"));
}

TEST_F(LogonTest, demoLogonSendsTheExactBodyFillsTheSessionAndSaysSo) {
  sim.Configure("recordPasswords", "1");
  LogOn();

  const QList<TSimRequest> requests = sim.Requests();
  ASSERT_EQ(requests.size(), 1);
  EXPECT_EQ(requests[0].Method, "POST");
  EXPECT_EQ(requests[0].Path, "/NNVX/NECV5B2BMainPlat");
  EXPECT_EQ(requests[0].Header("Content-Type"), "application/x-www-form-urlencoded");
  EXPECT_EQ(requests[0].Body, kDemoLogonBody);

  EXPECT_TRUE(user.LoggedOn);
  EXPECT_EQ(user.CustId, "3100012345");
  EXPECT_EQ(user.UserId, "001");
  EXPECT_FALSE(user.SKey.isEmpty());
  EXPECT_EQ(user.TxCode, "690101");
  EXPECT_EQ(user.ClientName, "download/WeilingB2BClient-setup.zip");

  ASSERT_EQ(prompts.Messages().size(), 1u);
  EXPECT_EQ(prompts.LastMessage().Caption, "提示");
  EXPECT_EQ(prompts.LastMessage().Text, "登录成功！");
}

TEST_F(LogonTest, newerVersionAsksAndDownloadsThePackageOnlyWhenWanted) {
  sim.Configure("versionTime", "20270115");

  prompts.Answer(QMessageBox::No);
  LogOn();
  EXPECT_TRUE(user.LoggedOn);
  ASSERT_EQ(prompts.Messages().size(), 1u);
  EXPECT_EQ(prompts.LastMessage().Caption, "询问");
  EXPECT_EQ(prompts.LastMessage().Text, "登录成功，客户端版本已升级，是否需要立即更新？");
  EXPECT_EQ(prompts.LastMessage().Buttons, QMessageBox::Yes | QMessageBox::No);
  EXPECT_EQ(sim.Requests().size(), 1);
  EXPECT_TRUE(prompts.FileDialogs().empty());

  user = TUSER{};
  sim.ClearRequests();
  const QString saved = dir.File("setup.zip");
  prompts.Answer(QMessageBox::Yes);
  prompts.AnswerFile(saved);
  LogOn();
  const QList<TSimRequest> requests = sim.Requests();
  ASSERT_EQ(requests.size(), 2);
  EXPECT_EQ(requests[1].Method, "GET");
  EXPECT_EQ(requests[1].Path, "/download/WeilingB2BClient-setup.zip");
  ASSERT_EQ(prompts.FileDialogs().size(), 1u);
  EXPECT_EQ(prompts.FileDialogs()[0].Caption, "文件下载");
  QFile package(saved);
  ASSERT_TRUE(package.open(QIODevice::ReadOnly));
  EXPECT_GT(package.size(), 0);
}

TEST_F(LogonTest, operatorWhoIsNotAPreparerOpensNoSession) {
  LogOn("3100012345", "002", "b12345");
  EXPECT_FALSE(user.LoggedOn);
  EXPECT_TRUE(user.SKey.isEmpty());
  EXPECT_TRUE(user.CustId.isEmpty());
  EXPECT_EQ(prompts.LastMessage().Caption, "提示");
  EXPECT_EQ(prompts.LastMessage().Text,
            "您登陆所使用的操作员不是网银的制单员，请重新使用网银制单员进行登录！");
}

TEST_F(LogonTest, rejectedAndFailedLogonsGiveTheirMessagesAndOpenNoSession) {
  EXPECT_EQ(LogonError("a12346"), "信息提示\r\r登录密码错误。(EBLN0002)");
  sim.SetFault("busy503");
  EXPECT_EQ(LogonError(),
            "返回信息为服务器暂时不能访问,原因可能是网银服务器忙或网络故障,请稍后再试!");
  // A dropped logon is reported, and its body (with the password) went once.
  sim.ClearRequests();
  sim.SetFault("drop");
  EXPECT_EQ(LogonError(),
            "返回信息为服务器暂时不能访问,原因可能是网银服务器忙或网络故障,请稍后再试!");
  EXPECT_EQ(sim.Requests().size(), 1);
  sim.SetFault("tooclose");
  EXPECT_EQ(LogonError(), "用户两次提交时间间隔太短，请稍后提交！");
  sim.SetFault("nonxml");
  EXPECT_EQ(LogonError(), "网络通讯故障，请稍后再试！");
  sim.SetFault("empty");
  EXPECT_EQ(LogonError(), "网络通讯故障，请稍后再试！");
  EXPECT_FALSE(user.LoggedOn);
  EXPECT_TRUE(prompts.Messages().empty());

  LogOn();
  EXPECT_TRUE(user.LoggedOn);
}

TEST_F(LogonTest, sessionTypeIsAskedOncePerSessionAndAFailedQueryShowsItsError) {
  LogOn();
  user.TradeType = -1;
  user.AgentType = -1;
  EXPECT_EQ(TGetData::QueryTradeType(Config(), user, prompts), 1);
  EXPECT_EQ(TGetData::QueryTradeType(Config(), user, prompts), 1);
  EXPECT_EQ(user.AgentType, 1);
  const QList<TSimRequest> queries = RequestsOf("NC1001");
  ASSERT_EQ(queries.size(), 1);
  EXPECT_EQ(queries[0].Path, "/NNVX/NECV6B2BMainPlat");
  EXPECT_EQ(queries[0].Body, "TXCODE=NC1001&SKEY=" + user.SKey.toLatin1() +
                                 "&CUSTOMERID=3100012345&USERID=001&PT_LANGUAGE=CN"
                                 "&NVX_IBSVersion=V6&PT_STYLE=8&resType=HTM");

  user.TradeType = -1;
  sim.SetFault("error", 1, {{"txcode", "NC1001"}, {"code", "EBNC0001"}, {"message", "查询失败"}});
  EXPECT_EQ(TGetData::QueryTradeType(Config(), user, prompts), -1);
  EXPECT_EQ(prompts.LastMessage().Icon, QMessageBox::Critical);
  EXPECT_EQ(prompts.LastMessage().Caption, "错误");
  EXPECT_EQ(prompts.LastMessage().Text, "信息提示\r\r查询失败。(EBNC0001)");

  TServerConfig unreachable = Config();
  unreachable.ServerBaseUrl = QStringLiteral("http://127.0.0.1:1");
  EXPECT_THROW(TGetData::QueryTradeType(unreachable, user, prompts), EResponseError);
  EXPECT_EQ(user.TradeType, -1);
}

TEST_F(LogonTest, announcementIsShownOnlyWhenTheServerSaysOne) {
  LogOn();
  sim.ClearRequests();
  sim.Configure("announce", " 1 ");
  QString shown;
  prompts.AnswerModal([&shown](QDialog& dialog) {
    shown = static_cast<TFormShowUpdateMsg&>(dialog).Message();
    return int(QDialog::Accepted);
  });
  ShowClientAnnouncement(Config(), user, prompts, nullptr);
  ASSERT_EQ(prompts.ModalRuns().size(), 1u);
  EXPECT_EQ(prompts.ModalRuns()[0].WindowTitle, "客户端公告");
  EXPECT_EQ(shown,
            "尊敬的客户：本行网银系统将于2026年12月20日凌晨0:00至6:00进行系统升级，期间暂停服务。");
  const QList<TSimRequest> requests = sim.Requests();
  ASSERT_EQ(requests.size(), 1);
  EXPECT_EQ(requests[0].Path, "/NNVX/NECV5B2BMainPlat");
  EXPECT_EQ(requests[0].Body, "TXCODE=6P0010&SKEY=" + user.SKey.toLatin1() +
                                  "&CUSTOMERID=3100012345&USERID=001&PT_LANGUAGE=CN"
                                  "&NVX_IBSVersion=V6&PT_STYLE=8&resType=HTM"
                                  "&ClientVerTime=20261201");

  sim.Configure("announce", "0");
  ShowClientAnnouncement(Config(), user, prompts, nullptr);
  EXPECT_EQ(prompts.ModalRuns().size(), 1u);
}

}  // namespace
