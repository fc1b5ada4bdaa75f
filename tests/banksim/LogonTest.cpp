#include <gtest/gtest.h>

#include "SimClient.h"
#include "support/BankSim.h"

namespace {

TEST(BankSimLogon, AnswersEveryElementAndOpensANewSessionEachTime) {
  TBankSim sim;
  TSimClient client(sim.Port());
  const TSimReplyData reply = client.Logon("3100012345", "001", "a12345");
  EXPECT_EQ(reply.Status, 200);
  EXPECT_EQ(reply.ContentType, "text/xml; charset=GBK");
  EXPECT_TRUE(reply.Body.startsWith("<?xml version=\"1.0\" encoding=\"GBK\"?>"));
  EXPECT_TRUE(reply.WellFormedXml());
  EXPECT_EQ(reply.Element("OPENTYPE"), "0");
  EXPECT_EQ(reply.Element("CUST_ID"), "3100012345");
  EXPECT_EQ(reply.Element("USERID"), "001");
  EXPECT_EQ(reply.Element("TX_CODE"), "690101");
  EXPECT_EQ(reply.Element("CNAME"), "download/WeilingB2BClient-setup.zip");
  EXPECT_EQ(reply.Element("TIME"), "20261201");
  EXPECT_GE(reply.Element("SKEY").size(), 16);
  EXPECT_TRUE(reply.Header("Set-Cookie").startsWith("JSESSIONID="));
  EXPECT_TRUE(reply.Header("Set-Cookie").endsWith("; Path=/"));

  const TSimReplyData again = client.Logon("3100012345", "001", "a12345");
  EXPECT_NE(again.Element("SKEY"), reply.Element("SKEY"));
  EXPECT_NE(again.Header("Set-Cookie"), reply.Header("Set-Cookie"));
}

TEST(BankSimLogon, RejectsUnknownCustomerOrOperatorAndWrongPassword) {
  TBankSim sim;
  TSimClient client(sim.Port());
  for (const auto& [customer, user] :
       {std::pair{"3100099999", "001"}, {"3100012345", "009"}, {"3100067890", "002"}, {"", ""}}) {
    const TSimReplyData reply = client.Logon(customer, user, "a12345");
    EXPECT_EQ(reply.Element("ERRORCODE"), "EBLN0001") << customer << " " << user;
    EXPECT_EQ(reply.Element("ERRORMSG"), "客户号或操作员号不存在");
    EXPECT_TRUE(reply.Element("SKEY").isNull());
    EXPECT_TRUE(reply.Header("Set-Cookie").isEmpty());
  }
  for (const char* password : {"a1234", "A12345", "b12345", "a123456", ""}) {
    const TSimReplyData reply = client.Logon("3100012345", "001", password);
    EXPECT_EQ(reply.Element("ERRORCODE"), "EBLN0002") << password;
    EXPECT_EQ(reply.Element("ERRORMSG"), "登录密码错误");
  }
  // The other customer's operator 001 has a password of its own.
  EXPECT_EQ(client.Logon("3100067890", "001", "a12345").Element("ERRORCODE"), "EBLN0002");
  EXPECT_EQ(client.Logon("3100067890", "001", "c12345").Element("OPENTYPE"), "0");
}

TEST(BankSimLogon, TellsTheOpenTypeOfAReviewer) {
  TBankSim sim;
  const TSimReplyData reply = TSimClient(sim.Port()).Logon("3100012345", "002", "b12345");
  EXPECT_EQ(reply.Element("OPENTYPE"), "1");
  EXPECT_EQ(reply.Element("USERID"), "002");
}

TEST(BankSimLogon, AcceptsTheLogonAsGetWithAQuery) {
  TBankSim sim;
  const TSimReplyData reply =
      TSimClient(sim.Port())
          .Get(QByteArray(kV5) + "?TXCODE=690101&CUSTOMERID=3100012345&USERID=001&LOG_PWD=a12345");
  EXPECT_EQ(reply.Element("CUST_ID"), "3100012345");
}

TEST(BankSimLogon, ChecksThePathOfEachCodeAndRejectsUnknownCodes) {
  TBankSim sim;
  TSimClient client(sim.Port());
  const TSimReplyData onV6 = client.Post(
      kV6, "PT_LANGUAGE=CN&CUSTOMERID=3100012345&USERID=001&LOG_PWD=a12345&TXCODE=690101");
  EXPECT_FALSE(onV6.Element("ERRORCODE").isEmpty());
  EXPECT_TRUE(onV6.Element("SKEY").isNull());

  const QString sKey = client.Logon("3100012345", "001", "a12345").Element("SKEY");
  const TSimReplyData typeOnV5 =
      client.Post(kV5, TSimClient::SessionBody("NC1001", sKey, "3100012345", "001"));
  EXPECT_FALSE(typeOnV5.Element("ERRORCODE").isEmpty());
  EXPECT_TRUE(typeOnV5.Element("TradeType").isNull());
  const TSimReplyData noticeOnV6 =
      client.Post(kV6, TSimClient::SessionBody("6P0010", sKey, "3100012345", "001"));
  EXPECT_TRUE(noticeOnV6.Element("ISHOWMSG").isNull());

  for (const QByteArray& code : {QByteArray("999999"), QByteArray()}) {
    const TSimReplyData unknown =
        client.Post(kV5, TSimClient::SessionBody(code, sKey, "3100012345", "001"));
    EXPECT_EQ(unknown.Element("ERRORCODE"), "EBLN9999");
    EXPECT_EQ(unknown.Element("ERRORMSG"), "交易码不支持");
  }
}

}  // namespace
