#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QRegularExpression>
#include <QThread>
#include <QTimer>
#include <future>

#include "SimClient.h"
#include "support/BankSim.h"

namespace {

const QByteArray kLogonBody =
    "PT_LANGUAGE=CN&CUSTOMERID=3100012345&USERID=001&LOG_PWD=a12345&TXCODE=690101";

TEST(BankSimFault, ErrorRepliesCarryCodeAndMessage) {
  TBankSim sim;
  TSimClient client(sim.Port());
  sim.SetFault("error");
  const TSimReplyData byDefault = client.Post(kV5, kLogonBody);
  EXPECT_EQ(byDefault.Element("ERRORCODE"), "EBLN0100");
  EXPECT_EQ(byDefault.Element("ERRORMSG"), "交易处理失败");
  EXPECT_TRUE(byDefault.Element("SKEY").isNull());

  sim.SetFault("error", 1, {{"code", "EBLN7777"}, {"message", "余额\t不足"}});
  const TSimReplyData custom = client.Post(kV5, kLogonBody);
  EXPECT_EQ(custom.Element("ERRORCODE"), "EBLN7777");
  EXPECT_EQ(custom.Element("ERRORMSG"), "余额\t不足");

  sim.SetFault("certificate");
  const TSimReplyData certificate = client.Post(kV5, kLogonBody);
  EXPECT_EQ(certificate.Element("ERRORCODE"), "0130Z1108005");
  EXPECT_TRUE(certificate.WellFormedXml());

  EXPECT_FALSE(client.Post(kV5, kLogonBody).Element("SKEY").isEmpty());
}

TEST(BankSimFault, PagesOfABusyOrBrokenServer) {
  TBankSim sim;
  TSimClient client(sim.Port());
  sim.SetFault("tooclose");
  const TSimReplyData tooClose = client.Post(kV5, kLogonBody);
  EXPECT_EQ(tooClose.Status, 200);
  EXPECT_TRUE(tooClose.WellFormedXml());
  EXPECT_TRUE(tooClose.Text().contains("两次提交时间间隔太短"));

  sim.SetFault("busy503");
  const TSimReplyData busy = client.Post(kV5, kLogonBody);
  EXPECT_EQ(busy.Status, 503);
  EXPECT_TRUE(busy.WellFormedXml());
  QString textContent = busy.Text();
  textContent.remove(QRegularExpression("<[^>]*>"));
  EXPECT_TRUE(textContent.contains("503Service Unavailable"));

  sim.SetFault("nonxml");
  const TSimReplyData nonXml = client.Post(kV5, kLogonBody);
  EXPECT_EQ(nonXml.Status, 200);
  EXPECT_FALSE(nonXml.Body.isEmpty());
  EXPECT_FALSE(nonXml.WellFormedXml());

  sim.SetFault("empty");
  const TSimReplyData empty = client.Post(kV5, kLogonBody);
  EXPECT_EQ(empty.Status, 200);
  EXPECT_TRUE(empty.Body.isEmpty());

  EXPECT_THROW(sim.SetFault("nosuchmode"), std::runtime_error);
  EXPECT_EQ(client.Post(kV5, kLogonBody).Element("OPENTYPE"), "0");
}

TEST(BankSimFault, FaultsCountDownPerMatchingRequestAndQueue) {
  TBankSim sim;
  TSimClient client(sim.Port());
  sim.SetFault("error", 2, {{"txcode", "NC1001"}});
  sim.SetFault("empty", 1);
  // The logon does not match the first fault, so it takes the second.
  EXPECT_TRUE(client.Post(kV5, kLogonBody).Body.isEmpty());
  const QString sKey = client.Post(kV5, kLogonBody).Element("SKEY");
  const QByteArray typeBody = TSimClient::SessionBody("NC1001", sKey, "3100012345", "001");
  EXPECT_EQ(client.Post("/NNVX/NECV6B2BMainPlat", typeBody).Element("ERRORCODE"), "EBLN0100");
  EXPECT_EQ(client.Post("/NNVX/NECV6B2BMainPlat", typeBody).Element("ERRORCODE"), "EBLN0100");
  EXPECT_EQ(client.Post("/NNVX/NECV6B2BMainPlat", typeBody).Element("TradeType"), "1");

  sim.SetFault("nonxml", 0);
  for (int i = 0; i < 3; ++i) EXPECT_FALSE(client.Post(kV5, kLogonBody).WellFormedXml());
  sim.ClearFault();
  EXPECT_EQ(client.Post(kV5, kLogonBody).Element("OPENTYPE"), "0");
}

TEST(BankSimFault, SlowReplyKeepsTheControlInterfaceServing) {
  TBankSim sim;
  sim.SetFault("slow", 1, {{"delay_ms", "600"}});
  QElapsedTimer timer;
  timer.start();
  auto slow = std::async(std::launch::async,
                         [port = sim.Port()] { return TSimClient(port).Post(kV5, kLogonBody); });
  // The control interface answers while the slow reply is pending.
  while (sim.Requests().isEmpty()) QThread::msleep(10);
  EXPECT_LT(timer.elapsed(), 500);
  EXPECT_EQ(TSimClient(sim.Port()).Post(kV5, kLogonBody).Element("OPENTYPE"), "0");
  EXPECT_LT(timer.elapsed(), 500);
  const TSimReplyData reply = slow.get();
  EXPECT_GE(timer.elapsed(), 600);
  EXPECT_EQ(reply.Element("OPENTYPE"), "0");
}

TEST(BankSimFault, DroppedConnectionIsAnErrorOnceForTheClient) {
  TBankSim sim;
  sim.SetFault("drop");
  EXPECT_EQ(TSimClient(sim.Port()).Post(kV5, kLogonBody).Status, 0);

  // The client's network stack reports the drop instead of sending again.
  sim.SetFault("drop");
  sim.ClearRequests();
  QNetworkAccessManager manager;
  QNetworkRequest request(QUrl(sim.BaseUrl() + kV5));
  request.setHeader(QNetworkRequest::ContentTypeHeader, "application/x-www-form-urlencoded");
  QNetworkReply* reply = manager.post(request, kLogonBody);
  QEventLoop loop;
  QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
  QTimer::singleShot(10000, &loop, &QEventLoop::quit);
  loop.exec();
  ASSERT_TRUE(reply->isFinished());
  EXPECT_NE(reply->error(), QNetworkReply::NoError);
  EXPECT_EQ(sim.Requests().size(), 1);
  delete reply;
}

}  // namespace
