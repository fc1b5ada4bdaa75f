#include <gtest/gtest.h>

#include <QTemporaryDir>

#include "SimClient.h"
#include "platform/codec/Gbk.h"
#include "support/BankSim.h"

namespace {

TEST(BankSimRequestLog, KeepsTheExactBytesOfEveryBankRequestAndMasksPasswordsUnlessAsked) {
  TBankSim sim;
  TSimClient client(sim.Port());
  client.Post(kV5, "LOG_PWD=a12345&TXCODE=690101&PASSWD=x&USERID=001");
  client.Post(
      "/NNVX/NECV6NEWB2BFile",
      "--b\r\nContent-Disposition: form-data; name=\"PASSWORD\"\r\n\r\n 123456\r\n--b--\r\n");
  EXPECT_EQ(sim.Requests()[0].Body, "LOG_PWD=******&TXCODE=690101&PASSWD=*&USERID=001");
  EXPECT_EQ(sim.Requests()[1].Body,
            "--b\r\nContent-Disposition: form-data; name=\"PASSWORD\"\r\n\r\n*******\r\n--b--\r\n");
  sim.ClearRequests();

  sim.Configure("recordPasswords", "1");
  // GBK bytes as they are, and the four bytes a form value must escape.
  const QByteArray body = "TXCODE=690101&CUSTOMERID=3100012345&USERID=001&LOG_PWD=a12345&NOTE=" +
                          codec::ToGbk(u"工资 发放") + "%26%3D%2B%25\r\n";
  client.Post(kV5, body);
  client.Get("/download/WeilingB2BClient-setup.zip?x=%E5%B7%A5");
  sim.Configure("announce", "0");  // control requests are not recorded

  const QList<TSimRequest> requests = sim.Requests();
  ASSERT_EQ(requests.size(), 2);
  EXPECT_EQ(requests[0].Method, "POST");
  EXPECT_EQ(requests[0].Path, kV5);
  EXPECT_EQ(requests[0].Query, "");
  EXPECT_EQ(requests[0].Body, body);
  EXPECT_EQ(requests[0].Header("content-type"), "application/x-www-form-urlencoded");
  EXPECT_EQ(requests[0].Header("Content-Length"), QByteArray::number(body.size()));
  EXPECT_FALSE(requests[0].HasHeader("Cookie"));
  EXPECT_FALSE(requests[0].HasHeader("REMOTE_ADDR"));
  EXPECT_EQ(requests[0].Field("NOTE"), codec::ToGbk(u"工资 发放") + "&=+%\r\n");
  EXPECT_EQ(requests[0].Field("LOG_PWD"), "a12345");
  EXPECT_EQ(requests[0].Field("MISSING"), "");
  EXPECT_EQ(requests[1].Method, "GET");
  EXPECT_EQ(requests[1].Path, "/download/WeilingB2BClient-setup.zip");
  EXPECT_EQ(requests[1].Query, "x=%E5%B7%A5");

  sim.ClearRequests();
  EXPECT_TRUE(sim.Requests().isEmpty());
}

TEST(BankSimRequestLog, WithoutControlNothingIsRecordedOrServed) {
  TBankSim demo({QStringLiteral("--demo")}, false);
  TSimClient client(demo.Port());
  client.Post(kV5, "TXCODE=690101&CUSTOMERID=3100012345&USERID=001&LOG_PWD=a12345");
  EXPECT_EQ(client.Get("/__sim/requests").Status, 404);
}

TEST(BankSimRequestLog, ReadsFormValuesAsGbk) {
  TBankSim sim;
  // A customer number in full-width digits is not the demo customer.
  const TSimReplyData reply =
      TSimClient(sim.Port())
          .Post(kV5, "TXCODE=690101&CUSTOMERID=" + codec::ToGbk(u"３１００012345") +
                         "&USERID=001&LOG_PWD=a12345");
  EXPECT_EQ(reply.Element("ERRORCODE"), "EBLN0001");
}

TEST(BankSimEncoding, UtfEightSwitchChangesDeclarationCharsetAndBytes) {
  TBankSim sim;
  TSimClient client(sim.Port());
  const QByteArray wrongPassword = "TXCODE=690101&CUSTOMERID=3100012345&USERID=001&LOG_PWD=wrong1";
  const TSimReplyData gbk = client.Post(kV5, wrongPassword);
  EXPECT_TRUE(gbk.Body.contains(codec::ToGbk(u"登录密码错误")));

  sim.Configure("encoding", "UTF-8");
  const TSimReplyData utf8 = client.Post(kV5, wrongPassword);
  EXPECT_EQ(utf8.ContentType, "text/xml; charset=UTF-8");
  EXPECT_TRUE(utf8.Body.startsWith("<?xml version=\"1.0\" encoding=\"UTF-8\"?>"));
  EXPECT_TRUE(utf8.Body.contains(QString("登录密码错误").toUtf8()));
  EXPECT_EQ(utf8.Element("ERRORMSG"), "登录密码错误");

  EXPECT_THROW(sim.Configure("encoding", "GB2312"), std::runtime_error);
  sim.Configure("encoding", "GBK");
  EXPECT_EQ(client.Post(kV5, wrongPassword).ContentType, "text/xml; charset=GBK");
}

TEST(BankSimData, StartsOnADataFileAndRefusesABrokenOne) {
  QTemporaryDir dir;
  const QString good = dir.filePath("bank.json");
  QFile file(good);
  ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  file.write(R"({"versionTime": "20250101", "clientPackage": "pkg/new.exe",
    "downloads": [{"path": "pkg/new.exe", "base64": "TVo="}],
    "customers": [{"id": "42", "name": "测试", "tradeType": 1, "agentType": 0,
      "operators": [{"id": "007", "password": "secret7", "openType": "0"}]}]})");
  file.close();
  TBankSim sim({"--data", good});
  TSimClient client(sim.Port());
  const TSimReplyData logon = client.Logon("42", "007", "secret7");
  EXPECT_EQ(logon.Element("TIME"), "20250101");
  EXPECT_EQ(logon.Element("CNAME"), "pkg/new.exe");
  EXPECT_EQ(client
                .Post("/NNVX/NECV5B2BMainPlat",
                      TSimClient::SessionBody("6P0010", logon.Element("SKEY"), "42", "007"))
                .Element("ISHOWMSG"),
            "0");
  const TSimReplyData package = client.Get("/pkg/new.exe");
  EXPECT_EQ(package.Body, "MZ");
  EXPECT_EQ(package.ContentType, "application/octet-stream");
  EXPECT_EQ(client.Logon("3100012345", "001", "a12345").Element("ERRORCODE"), "EBLN0001");

  const QString broken = dir.filePath("broken.json");
  QFile brokenFile(broken);
  ASSERT_TRUE(brokenFile.open(QIODevice::WriteOnly));
  brokenFile.write(R"({"customers": [{"name": "no id"}]})");
  brokenFile.close();
  EXPECT_THROW(TBankSim({"--data", broken}), std::runtime_error);
  EXPECT_THROW(TBankSim({"--data", dir.filePath("missing.json")}), std::runtime_error);
}

}  // namespace
