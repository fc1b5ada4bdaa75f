#include <gtest/gtest.h>

#include <functional>

#include "platform/prompts/ScriptedPrompts.h"
#include "session/transport/GetData.h"
#include "session/transport/ReplyBody.h"
#include "session/transport/TempWbFm.h"
#include "session/transport/WebDownloader.h"

namespace {

const QString kBusy =
    QStringLiteral("返回信息为服务器暂时不能访问,原因可能是网银服务器忙或网络故障,请稍后再试!");
const QString kNetwork = QStringLiteral("网络通讯故障，请稍后再试！");

// The message of the EResponseError the call throws; "no error" when none.
QString ErrorOf(const std::function<void()>& call) {
  try {
    call();
  } catch (const EResponseError& e) {
    return e.Message();
  }
  return QStringLiteral("no error");
}

QString CheckText(const QString& text) {
  pugi::xml_document doc;
  LoadReply(doc, text);
  return ErrorOf([&] { EXPECT_FALSE(TGetData::CheckReply(doc)); });
}

QString ErrorReply(const QString& errorInner) {
  return QStringLiteral("<?xml version=\"1.0\" encoding=\"GBK\"?><ROOT><ERROR>") + errorInner +
         QStringLiteral("</ERROR></ROOT>");
}

}  // namespace

TEST(ReplyCheck, UsableReplyPassesAndItsValuesAreRead) {
  pugi::xml_document doc;
  LoadReply(doc, QStringLiteral("<?xml version=\"1.0\" encoding=\"GBK\"?>\n"
                                "<ROOT><CNAME> 维岭示范 </CNAME><EMPTY/></ROOT>"));
  EXPECT_FALSE(TGetData::CheckReply(doc));
  EXPECT_EQ(RequiredText(ReplyRoot(doc), "CNAME"), QStringLiteral("维岭示范"));
  EXPECT_EQ(RequiredText(ReplyRoot(doc), "EMPTY"), QString());
  EXPECT_EQ(ErrorOf([&] { RequiredText(ReplyRoot(doc), "SKEY"); }),
            QStringLiteral("服务器返回信息不完整，请稍后再试！"));
}

TEST(ReplyCheck, ErrorReplyGivesThreeLinesWithMessageAndCode) {
  EXPECT_EQ(CheckText(ErrorReply(QStringLiteral(
                "<ERRORCODE>EBLN0002</ERRORCODE>"
                "<ERRORLIST><ERRORMSG>  登录\t密码错误 </ERRORMSG><ERRORMSG>其他</ERRORMSG>"
                "</ERRORLIST>"))),
            QStringLiteral("信息提示\r\r登录密码错误。(EBLN0002)"));
  // A message that already ends with "。" gets no second one.
  EXPECT_EQ(CheckText(ErrorReply(QStringLiteral("<ERRORCODE>E1</ERRORCODE>"
                                                "<ERRORLIST><M>已结束。</M></ERRORLIST>"))),
            QStringLiteral("信息提示\r\r已结束。(E1)"));
  // Without a message to read the detail stays empty.
  EXPECT_EQ(CheckText(ErrorReply(QStringLiteral("<ERRORCODE>E1</ERRORCODE>"))),
            QStringLiteral("信息提示\r"));
  EXPECT_EQ(CheckText(ErrorReply(QStringLiteral("<ERRORLIST><M>x</M></ERRORLIST>"))),
            QStringLiteral("信息提示\r"));
}

TEST(ReplyCheck, CertificateCodeAnywhereInTheErrorWins) {
  const QString expected = QStringLiteral("信息提示\r证书不正确，请重新登录！");
  EXPECT_EQ(CheckText(ErrorReply(QStringLiteral("<ERRORCODE>0130Z1108005</ERRORCODE>"
                                                "<ERRORLIST><M>证书错误</M></ERRORLIST>"))),
            expected);
  EXPECT_EQ(CheckText(ErrorReply(QStringLiteral(
                "<ERRORCODE>X</ERRORCODE><ERRORLIST><M>码0130Z1108005</M></ERRORLIST>"))),
            expected);
  EXPECT_EQ(CheckText(ErrorReply(QStringLiteral("<DETAIL>0130Z1108005</DETAIL>"))), expected);
}

TEST(ReplyCheck, RepliesWithoutRootMapToTransportMessages) {
  EXPECT_EQ(CheckText(QString()), kNetwork);
  EXPECT_EQ(CheckText(QStringLiteral("<html><body><p>维护中<br></body>")), kNetwork);
  EXPECT_EQ(CheckText(QStringLiteral("<OTHER>ROOT</OTHER>")), kNetwork);
  EXPECT_EQ(CheckText(QStringLiteral("<html><body><h1>503</h1>Service Unavailable</body></html>")),
            kBusy);
  EXPECT_EQ(CheckText(reply::UnreachablePage(QStringLiteral("Connection refused"))), kBusy);
  EXPECT_EQ(CheckText(QStringLiteral("<html><p>您两次提交时间间隔太短，请稍后再试。</p></html>")),
            QStringLiteral("用户两次提交时间间隔太短，请稍后提交！"));
}

TEST(ReplyCheck, AReplyNestedDeeplyOrLongIsReadWithoutExhaustingTheStack) {
  const int depth = 200000;
  const QString nested = QStringLiteral("<a>").repeated(depth) + QStringLiteral("503") +
                         QStringLiteral("</a>").repeated(depth);
  EXPECT_EQ(CheckText(nested), kNetwork);
  pugi::xml_document doc;
  LoadReply(doc, QStringLiteral("<a>") + QString(3 << 20, u'x') + QStringLiteral("<b>y</b></a>"));
  EXPECT_EQ(DocumentTextContent(doc).size(), 1 << 20);
  LoadReply(doc, QStringLiteral("<a>1<b>2<c>3</c></b>4<d/>5</a>"));
  EXPECT_EQ(DocumentTextContent(doc), QStringLiteral("12345"));
  EXPECT_EQ(DocumentTextContent(doc.child("a").child("b")), QStringLiteral("23"));
}

TEST(ReplyCheck, TransportErrorRulesApplyInOrder) {
  const auto message = [](const char* text) {
    return TGetData::MakeTransportError(QString::fromUtf8(text)).Message();
  };
  EXPECT_EQ(message("无法显示 两次提交时间间隔太短"),
            QStringLiteral("用户两次提交时间间隔太短，请稍后提交！"));
  EXPECT_EQ(message("503Service Unavailable 无法显示"), kBusy);
  EXPECT_EQ(message("503 Service Unavailable"), kNetwork);
  EXPECT_EQ(message(""), kNetwork);
}

TEST(ReplyCheck, ReplyTextDropsTreeMarksAndTrims) {
  TScriptedPrompts prompts;
  TTempWbFm browser(prompts);
  TWebDownloader downloader(&browser);
  EXPECT_EQ(downloader.GetReplyText(), QString());
  browser.SetDocument(QStringLiteral("\r\n - <ROOT>\r\n  - <LIST><A>x- </A></LIST></ROOT>\t\n"));
  EXPECT_EQ(downloader.GetReplyText(),
            QStringLiteral("<ROOT>\r\n   <LIST><A>x- </A></LIST></ROOT>"));
  browser.SetDocument(QStringLiteral("  <ROOT><A>1</A></ROOT> "));
  EXPECT_EQ(downloader.GetReplyText(), QStringLiteral("<ROOT><A>1</A></ROOT>"));
  browser.GoOffline();
  EXPECT_FALSE(browser.HasDocument());
  EXPECT_EQ(TWebDownloader(nullptr).GetReplyText(), QString());
}
