#include <gtest/gtest.h>

#include "SimClient.h"
#include "support/BankSim.h"

namespace {

TEST(BankSimSession, LaterRequestsNeedTheLiveSessionOfTheirOperator) {
  TBankSim sim;
  TSimClient client(sim.Port());
  const QString sKey = client.Logon("3100012345", "001", "a12345").Element("SKEY");
  EXPECT_EQ(client.Post(kV6, TSimClient::SessionBody("NC1001", sKey, "3100012345", "001"))
                .Element("TradeType"),
            "1");

  const auto expectExpired = [&](const QString& key, const QByteArray& customer,
                                 const QByteArray& user) {
    const TSimReplyData reply =
        client.Post(kV6, TSimClient::SessionBody("NC1001", key, customer, user));
    EXPECT_EQ(reply.Element("ERRORCODE"), "EBLN0003")
        << (key + ' ' + customer + ' ' + user).toStdString();
    EXPECT_EQ(reply.Element("ERRORMSG"), "会话已失效，请重新登录");
  };
  expectExpired("", "3100012345", "001");
  expectExpired("0123456789ABCDEF0123456789ABCDEF", "3100012345", "001");
  expectExpired(sKey, "3100067890", "001");
  expectExpired(sKey, "3100012345", "002");

  // A new logon of the same operator ends the old session; others stay.
  const QString other = client.Logon("3100067890", "001", "c12345").Element("SKEY");
  const QString renewed = client.Logon("3100012345", "001", "a12345").Element("SKEY");
  expectExpired(sKey, "3100012345", "001");
  EXPECT_EQ(client.Post(kV6, TSimClient::SessionBody("NC1001", renewed, "3100012345", "001"))
                .Element("AgentType"),
            "1");
  EXPECT_EQ(client.Post(kV6, TSimClient::SessionBody("NC1001", other, "3100067890", "001"))
                .Element("TradeType"),
            "0");
}

TEST(BankSimSession, SessionTypeIsTheCustomers) {
  TBankSim sim;
  TSimClient client(sim.Port());
  const QString newer = client.Logon("3100012345", "001", "a12345").Element("SKEY");
  const QString older = client.Logon("3100067890", "001", "c12345").Element("SKEY");
  const TSimReplyData newerType =
      client.Post(kV6, TSimClient::SessionBody("NC1001", newer, "3100012345", "001"));
  EXPECT_EQ(newerType.Element("TradeType"), "1");
  EXPECT_EQ(newerType.Element("AgentType"), "1");
  const TSimReplyData olderType =
      client.Post(kV6, TSimClient::SessionBody("NC1001", older, "3100067890", "001"));
  EXPECT_EQ(olderType.Element("TradeType"), "0");
  EXPECT_EQ(olderType.Element("AgentType"), "0");
}

TEST(BankSimSession, AnnouncementAndVersionFollowTheSettings) {
  TBankSim sim;
  TSimClient client(sim.Port());
  const QString sKey = client.Logon("3100012345", "001", "a12345").Element("SKEY");
  const QByteArray body =
      TSimClient::SessionBody("6P0010", sKey, "3100012345", "001") + "&ClientVerTime=20261201";
  const TSimReplyData demo = client.Post(kV5, body);
  EXPECT_EQ(demo.Element("ISHOWMSG"), "1");
  EXPECT_EQ(demo.Element("MSG"),
            "尊敬的客户：本行网银系统将于2026年12月20日凌晨0:00至6:00进行系统升级，期间暂停服务。");

  sim.Configure("announce", " 1 ");
  sim.Configure("announceMsg", "今晚停机 & <维护>");
  const TSimReplyData changed = client.Post(kV5, body);
  EXPECT_EQ(changed.Element("ISHOWMSG"), " 1 ");
  EXPECT_TRUE(changed.Text().contains("<MSG>今晚停机 &amp; &lt;维护&gt;</MSG>"));
  EXPECT_TRUE(changed.WellFormedXml());

  sim.Configure("announce", "0");
  EXPECT_EQ(client.Post(kV5, body).Element("ISHOWMSG"), "0");
  sim.Configure("versionTime", "20270101");
  EXPECT_EQ(client.Logon("3100012345", "001", "a12345").Element("TIME"), "20270101");
  EXPECT_THROW(sim.Configure("nosuchsetting", "1"), std::runtime_error);
}

TEST(BankSimSession, ServesTheClientPackageAsAnAttachment) {
  TBankSim sim;
  TSimClient client(sim.Port());
  const TSimReplyData package = client.Get("/download/WeilingB2BClient-setup.zip");
  EXPECT_EQ(package.Status, 200);
  EXPECT_EQ(package.Header("Content-Disposition"),
            "attachment; filename=\"WeilingB2BClient-setup.zip\"");
  EXPECT_EQ(package.ContentType, "application/zip");
  EXPECT_TRUE(package.Body.startsWith("PK\x03\x04"));
  EXPECT_GT(package.Body.size(), 100);

  for (const QByteArray& target :
       {QByteArray("/download/other.zip"), QByteArray("/"), QByteArray(kV5)}) {
    const TSimReplyData missing = client.Get(target);
    EXPECT_EQ(missing.Status, 404) << target.toStdString();
    EXPECT_TRUE(missing.Text().contains("404")) << target.toStdString();
  }
  EXPECT_EQ(client.Post("/NNVX/Other", "TXCODE=690101").Status, 404);
}

}  // namespace
