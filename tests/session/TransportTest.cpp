#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkCookie>
#include <QNetworkCookieJar>
#include <QNetworkReply>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTimer>

#include "core/ServerPaths.h"
#include "core/SessionUser.h"
#include "platform/prompts/ScriptedPrompts.h"
#include "session/transport/FormBody.h"
#include "session/transport/GetData.h"
#include "session/transport/TempWbFm.h"
#include "session/transport/WebDownloader.h"
#include "support/BankSim.h"

namespace {

const QString kBusy =
    QStringLiteral("返回信息为服务器暂时不能访问,原因可能是网银服务器忙或网络故障,请稍后再试!");
const QString kNetwork = QStringLiteral("网络通讯故障，请稍后再试！");
const QString kAnnouncement = QStringLiteral(
    "尊敬的客户：本行网银系统将于2026年12月20日凌晨0:00至6:00进行系统升级，期间暂停服务。");
const char* const kPackagePath = "/download/WeilingB2BClient-setup.zip";

// The simulator, a session browser of the test's own and scripted prompts.
class Transport : public testing::Test {
 protected:
  Transport() {}

  QString V5() const { return sim.BaseUrl() + MainPlatV5Path(); }

  // One exchange by the road every screen takes; the error message, or empty.
  QString Exchange(const QByteArray& body, pugi::xml_document& doc) {
    RSend2Srv srv;
    srv.Url = V5();
    srv.Headers = FormContentTypeHeader();
    srv.PostData = body;
    try {
      TGetData::Send(srv);
      LoadReply(doc, srv.Response);
      TGetData::CheckReply(doc);
    } catch (const EResponseError& e) {
      return e.Message();
    }
    return {};
  }

  // Logs the demo operator on by posting the logon body; the session user it got.
  TUSER LogOn() {
    TFormBody body;
    body.Add("PT_LANGUAGE", QStringLiteral("CN"))
        .Add("CUSTOMERID", QStringLiteral("3100012345"))
        .Add("USERID", QStringLiteral("001"))
        .Add("LOG_PWD", QStringLiteral("a12345"))
        .Add("TXCODE", QStringLiteral("690101"));
    pugi::xml_document doc;
    EXPECT_EQ(Exchange(body.Bytes(), doc), QString());
    TUSER user;
    user.CustId = QStringLiteral("3100012345");
    user.UserId = QStringLiteral("001");
    user.SKey = RequiredText(ReplyRoot(doc), "SKEY");
    return user;
  }

  // The announcement's MSG, or the error message of the exchange.
  QString Announcement(const TUSER& user) {
    pugi::xml_document doc;
    const QString error =
        Exchange(TFormBody::Standard(QStringLiteral("6P0010"), user).Bytes(), doc);
    return error.isEmpty() ? RequiredText(ReplyRoot(doc), "MSG") : error;
  }

  TBankSim sim;
  TScriptedPrompts prompts;
  TTempWbFm browser{prompts};
};

// The bytes the simulator serves at a path, fetched past the session browser.
QByteArray FetchDirectly(const QString& url) {
  QNetworkAccessManager network;
  QNetworkReply* reply = network.get(QNetworkRequest(QUrl(url)));
  QEventLoop loop;
  QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
  loop.exec();
  QByteArray bytes = reply->readAll();
  delete reply;
  return bytes;
}

// A server on loopback that answers every request with `head` at once and
// `tail` after `tailDelayMs`.
class SlowTailServer {
 public:
  SlowTailServer(const QByteArray& head, const QByteArray& tail, int tailDelayMs) {
    server_.listen(QHostAddress::LocalHost);
    QObject::connect(&server_, &QTcpServer::newConnection, [=, this] {
      while (QTcpSocket* socket = server_.nextPendingConnection()) {
        QObject::connect(socket, &QTcpSocket::readyRead, socket, [=] {
          socket->readAll();
          socket->write(head);
          QTimer::singleShot(tailDelayMs, socket, [=] {
            socket->write(tail);
            socket->disconnectFromHost();
          });
        });
      }
    });
  }
  QString Url(const char* path) const {
    return QStringLiteral("http://127.0.0.1:%1").arg(server_.serverPort()) + QLatin1String(path);
  }

 private:
  QTcpServer server_;
};

}  // namespace

TEST_F(Transport, BodyBytesAndHeaderLinesGoUnchanged) {
  TFormBody body;
  body.Add("TXCODE", QStringLiteral("999999")).Add("NAME", QStringLiteral("维岭 a&b=c+d%"));
  TWebDownloader downloader(&browser);
  downloader.PostAndWait(V5(), body.Bytes(),
                         FormContentTypeHeader() + QStringLiteral("\r\nX-Note: 维 1\r\n"));
  downloader.PostAndWait(V5(), body.Bytes(), FormContentTypeHeader());
  downloader.PostAndWait(V5() + QStringLiteral("?TXCODE=6P0010"), {}, {});

  const QList<TSimRequest> requests = sim.Requests();
  ASSERT_EQ(requests.size(), 3);  // the same request twice: nothing came from a cache
  EXPECT_EQ(requests[0].Method, "POST");
  EXPECT_EQ(requests[0].Body, QByteArray("TXCODE=999999&NAME=\xCE\xAC\xC1\xEB a%26b%3Dc%2Bd%25"));
  EXPECT_EQ(requests[0].Header("Content-Type"), "application/x-www-form-urlencoded");
  EXPECT_EQ(requests[0].Header("X-Note"), "\xCE\xAC 1");
  EXPECT_EQ(requests[1].Body, requests[0].Body);
  EXPECT_EQ(requests[2].Method, "GET");
  EXPECT_EQ(requests[2].Query, "TXCODE=6P0010");
  EXPECT_FALSE(downloader.TransportFailed());
  // The unknown code got an error reply, which is the document now.
  EXPECT_TRUE(downloader.GetReplyText().startsWith(QStringLiteral("<?xml")));
}

TEST_F(Transport, CookiesLastForTheRunAndGoAtLogoff) {
  const TUSER user = LogOn();
  EXPECT_EQ(Announcement(user), kAnnouncement);
  EXPECT_EQ(Announcement(user), kAnnouncement);

  QList<TSimRequest> requests = sim.Requests();
  ASSERT_EQ(requests.size(), 3);
  EXPECT_FALSE(requests[0].HasHeader("Cookie"));
  const QList<QNetworkCookie> cookies =
      browser.Network().cookieJar()->cookiesForUrl(QUrl(sim.BaseUrl() + MainPlatV5Path()));
  ASSERT_EQ(cookies.size(), 1);
  EXPECT_EQ(cookies[0].name(), "JSESSIONID");
  const QByteArray sent = "JSESSIONID=" + cookies[0].value();
  EXPECT_EQ(requests[1].Header("Cookie"), sent);
  EXPECT_EQ(requests[2].Header("Cookie"), sent);

  browser.GoOffline();
  EXPECT_FALSE(browser.HasDocument());
  EXPECT_EQ(Announcement(user), kAnnouncement);
  requests = sim.Requests();
  ASSERT_EQ(requests.size(), 4);
  EXPECT_FALSE(requests[3].HasHeader("Cookie"));
}

TEST_F(Transport, RepliesInGbkAndUtf8AreBothDecoded) {
  const TUSER user = LogOn();
  EXPECT_EQ(Announcement(user), kAnnouncement);
  sim.Configure(QStringLiteral("encoding"), QStringLiteral("UTF-8"));
  EXPECT_EQ(Announcement(user), kAnnouncement);
  // NC1001 belongs to the other path: an error reply, read in UTF-8 as well.
  pugi::xml_document doc;
  EXPECT_EQ(Exchange(TFormBody::Standard(QStringLiteral("NC1001"), user).Bytes(), doc),
            QStringLiteral("信息提示\r\r交易码与访问路径不符。(EBLN9998)"));
}

TEST_F(Transport, EveryFaultGivesItsMessageAndTheNextExchangeWorks) {
  const TUSER user = LogOn();
  const QList<QPair<QString, QString>> cases = {
      {QStringLiteral("tooclose"), QStringLiteral("用户两次提交时间间隔太短，请稍后提交！")},
      {QStringLiteral("busy503"), kBusy},
      {QStringLiteral("nonxml"), kNetwork},
      {QStringLiteral("empty"), kNetwork},
      {QStringLiteral("drop"), kBusy},
      {QStringLiteral("error"), QStringLiteral("信息提示\r\r交易处理失败。(EBLN0100)")},
      {QStringLiteral("certificate"), QStringLiteral("信息提示\r证书不正确，请重新登录！")},
  };
  for (const auto& [mode, message] : cases) {
    SCOPED_TRACE(mode.toStdString());
    sim.SetFault(mode);
    EXPECT_EQ(Announcement(user), message);
    sim.ClearFault();
    EXPECT_EQ(Announcement(user), kAnnouncement);
  }
}

TEST_F(Transport, RefusedConnectionReadsAsUnreachablePage) {
  QTcpServer probe;
  ASSERT_TRUE(probe.listen(QHostAddress::LocalHost));
  const QString url = QStringLiteral("http://127.0.0.1:%1/x").arg(probe.serverPort());
  probe.close();

  RSend2Srv srv;
  srv.Url = url;
  srv.PostData = "TXCODE=6P0010";
  QString message;
  try {
    TGetData::Send(srv);
  } catch (const EResponseError& e) {
    message = e.Message();
  }
  EXPECT_EQ(message, kBusy);
  EXPECT_TRUE(srv.Response.contains(QStringLiteral("无法显示")));
}

TEST_F(Transport, FileCodeWaitsFiveSecondsAtMost) {
  const TUSER user = LogOn();
  sim.SetFault(QStringLiteral("slow"), 1,
               {{QStringLiteral("delay_ms"), QStringLiteral("8000")},
                {QStringLiteral("txcode"), QStringLiteral("660702")}});
  QByteArray body = TFormBody::Standard(QStringLiteral("660702"), user).Bytes();
  body = "PT_LANGUAGE=CN&" + body;  // the code is not at the start

  QElapsedTimer clock;
  clock.start();
  pugi::xml_document doc;
  EXPECT_EQ(Exchange(body, doc), kNetwork);  // nothing arrived in time
  const qint64 elapsed = clock.elapsed();
  EXPECT_GE(elapsed, 4500);
  EXPECT_LE(elapsed, 7000);
  EXPECT_EQ(Announcement(user), kAnnouncement);
}

TEST_F(Transport, InterfaceKeepsRunningDuringAWait) {
  const TUSER user = LogOn();
  sim.SetFault(QStringLiteral("slow"), 1, {{QStringLiteral("delay_ms"), QStringLiteral("1500")}});
  int ticks = 0;
  QTimer timer;
  QObject::connect(&timer, &QTimer::timeout, [&ticks] { ++ticks; });
  timer.start(100);
  EXPECT_EQ(Announcement(user), kAnnouncement);
  EXPECT_GE(ticks, 5);
}

TEST_F(Transport, FileReplyIsOfferedForSaving) {
  const QByteArray expected = FetchDirectly(sim.BaseUrl() + QLatin1String(kPackagePath));
  ASSERT_FALSE(expected.isEmpty());
  QTemporaryDir dir;
  const QString target = dir.filePath(QStringLiteral("setup.zip"));
  QSignalSpy started(&browser, &TTempWbFm::DownloadStarted);
  browser.SetDocument(QStringLiteral("<ROOT/>"));

  prompts.AnswerFile(target);
  TWebDownloader downloader(&browser);
  downloader.NavigateAndWait(sim.BaseUrl() + QLatin1String(kPackagePath));
  EXPECT_EQ(started.count(), 1);
  ASSERT_EQ(prompts.FileDialogs().size(), 1u);
  EXPECT_EQ(prompts.FileDialogs()[0].Kind, TScriptedFileDialog::Save);
  EXPECT_EQ(prompts.FileDialogs()[0].Caption, QStringLiteral("文件下载"));
  EXPECT_EQ(prompts.FileDialogs()[0].Path, QStringLiteral("WeilingB2BClient-setup.zip"));
  QFile saved(target);
  ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
  EXPECT_EQ(saved.readAll(), expected);
  EXPECT_EQ(downloader.GetReplyText(), QString());

  // A cancelled dialog writes nothing.
  prompts.AnswerFile(QString());
  downloader.PostAndWait(sim.BaseUrl() + QLatin1String(kPackagePath), {}, {});
  EXPECT_EQ(started.count(), 2);
  EXPECT_EQ(prompts.FileDialogs().size(), 2u);
  EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("setup.zip")});
  EXPECT_TRUE(prompts.Messages().empty());
}

TEST_F(Transport, FailedSaveIsShownAsError) {
  QTemporaryDir dir;
  prompts.AnswerFile(dir.filePath(QStringLiteral("missing/sub/setup.zip")));
  TWebDownloader downloader(&browser);
  downloader.NavigateAndWait(sim.BaseUrl() + QLatin1String(kPackagePath));
  ASSERT_EQ(prompts.Messages().size(), 1u);
  EXPECT_EQ(prompts.Messages()[0].Caption, QStringLiteral("错误"));
  EXPECT_EQ(prompts.Messages()[0].Icon, QMessageBox::Critical);
}

TEST_F(Transport, FileStillArrivingAtTheLimitIsNotCutOff) {
  SlowTailServer server(
      "HTTP/1.1 200 OK\r\nContent-Type: application/octet-stream\r\n"
      "Content-Length: 8\r\nConnection: close\r\n\r\n1234",
      "5678", 3500);
  QTemporaryDir dir;
  const QString target = dir.filePath(QStringLiteral("r.dat"));
  prompts.AnswerFile(target);
  TWebDownloader downloader(&browser);
  downloader.NavigateAndWait(server.Url("/files/r.dat"));  // a 3 s limit
  ASSERT_EQ(prompts.FileDialogs().size(), 1u);
  EXPECT_EQ(prompts.FileDialogs()[0].Path, QStringLiteral("r.dat"));
  QFile saved(target);
  ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
  EXPECT_EQ(saved.readAll(), QByteArray("12345678"));
}

TEST_F(Transport, PageStillArrivingAtTheLimitKeepsWhatCame) {
  SlowTailServer server(
      "HTTP/1.1 200 OK\r\nContent-Type: text/html; charset=GBK\r\n"
      "Content-Length: 20\r\nConnection: close\r\n\r\n<p>\xCE\xAC",
      "</p>.........", 3500);
  TWebDownloader downloader(&browser);
  downloader.NavigateAndWait(server.Url("/page"));
  EXPECT_FALSE(downloader.TransportFailed());
  EXPECT_EQ(downloader.GetReplyText(), QStringLiteral("<p>维"));
  EXPECT_TRUE(prompts.FileDialogs().empty());
}

// A server that reads each request and closes the connection without a byte of
// reply: the network stack would otherwise send the same POST a second time.
TEST_F(Transport, PostClosedWithoutReplyIsNeverSentTwice) {
  QTcpServer server;
  ASSERT_TRUE(server.listen(QHostAddress::LocalHost));
  int posts = 0;
  QObject::connect(&server, &QTcpServer::newConnection, [&] {
    while (QTcpSocket* socket = server.nextPendingConnection()) {
      QObject::connect(socket, &QTcpSocket::readyRead, socket, [&posts, socket] {
        const QByteArray bytes = socket->readAll();
        posts += int(bytes.count("POST /"));
        if (bytes.endsWith("AMOUNT=100")) socket->abort();
      });
    }
  });
  RSend2Srv srv;
  srv.Url = QStringLiteral("http://127.0.0.1:%1/pay").arg(server.serverPort());
  srv.Headers = QStringLiteral("Content-Type: application/x-www-form-urlencoded");
  srv.PostData = "TXCODE=NN1310&AMOUNT=100";
  EXPECT_THROW(TGetData::Send(srv), EResponseError);
  EXPECT_EQ(posts, 1);
}
