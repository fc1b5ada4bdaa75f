#include "session/transport/Logon.h"

#include <pugixml.hpp>

#include "core/ServerPaths.h"
#include "platform/prompts/Prompts.h"
#include "session/transport/FormBody.h"
#include "session/transport/GetData.h"
#include "session/transport/TempWbFm.h"
#include "session/transport/WebDownloader.h"

namespace {

QString NotPreparerText() {
  return QStringLiteral("您登陆所使用的操作员不是网银的制单员，请重新使用网银制单员进行登录！");
}

// The values of a logon reply, read completely before any of them is used.
struct TLogonReply {
  QString CustId;
  QString UserId;
  QString SKey;
  QString TxCode;
  QString ClientName;
  QString Time;
};

TLogonReply ReadLogonReply(const pugi::xml_node& root) {
  TLogonReply reply;
  reply.CustId = RequiredText(root, "CUST_ID");
  reply.UserId = RequiredText(root, "USERID");
  reply.SKey = RequiredText(root, "SKEY");
  reply.TxCode = RequiredText(root, "TX_CODE");
  reply.ClientName = RequiredText(root, "CNAME");
  reply.Time = RequiredText(root, "TIME");
  return reply;
}

// The address of the client package: the logon URL up to and including the
// slash that begins the request path, followed by the package's location.
QString PackageUrl(const QString& logonUrl, const QString& clientName) {
  const qsizetype pathStart = logonUrl.indexOf(MainPlatV5Path());
  return logonUrl.left(pathStart + 1) + clientName;
}

void OfferUpgrade(TWebDownloader& downloader, const QString& logonUrl, const QString& clientName,
                  TPrompts& prompts) {
  const TPrompts::Button answer =
      prompts.Message(QMessageBox::Question, QStringLiteral("询问"),
                      QStringLiteral("登录成功，客户端版本已升级，是否需要立即更新？"),
                      QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
  if (answer == QMessageBox::No) return;
  downloader.NavigateAndWait(PackageUrl(logonUrl, clientName));
}

}  // namespace

TLOGON TLOGON::Make(const TServerConfig& config, const QString& custId, const QString& userId,
                    const TSecretBytes& password) {
  TLOGON logon;
  logon.User.CustId = custId;
  logon.User.UserId = userId;
  logon.Url = config.ServerBaseUrl + MainPlatV5Path();
  logon.Headers = FormContentTypeHeader();
  logon.ClientVersionTime = config.ClientVersionTime;
  logon.PostData = TFormBody()
                       .Add("PT_LANGUAGE", QStringLiteral("CN"))
                       .Add("CUSTOMERID", custId)
                       .Add("USERID", userId)
                       .WithSecret("LOG_PWD", password,
                                   TFormBody()
                                       .Add("TXCODE", logon.TxCode)
                                       .Add("NVX_IBSVersion", QStringLiteral("V6"))
                                       .Add("PT_STYLE", QStringLiteral("8"))
                                       .Add("resType", QStringLiteral("HTM")));
  return logon;
}

void TGetData::Logon(TLOGON& logon, TUSER& user, TPrompts& prompts) {
  TWebDownloader downloader(TTempWbFm::Current());

  pugi::xml_document doc;
  {
    // The body goes however the exchange ends.
    const TSecretBytes body = std::move(logon.PostData);
    try {
      downloader.PostAndWait(logon.Url, body.View(), logon.Headers);
      LoadReply(doc, downloader.GetReplyText());
    } catch (...) {
      throw MakeTransportError(downloader.GetReplyText());
    }
  }
  if (downloader.TransportFailed()) throw MakeTransportError(downloader.GetReplyText());

  CheckReply(doc);

  // Every value is read before the session record changes, so that a reply
  // missing one of them leaves no half-opened session behind.
  bool preparer = false;
  TLogonReply reply;
  try {
    const pugi::xml_node root = ReplyRoot(doc);
    preparer = RequiredText(root, "OPENTYPE") == QStringLiteral("0");
    if (preparer) reply = ReadLogonReply(root);
  } catch (const EResponseError&) {
    throw MakeTransportError(DocumentTextContent(doc));
  }

  if (!preparer) {
    prompts.Warning(TPrompts::kNoticeCaption, NotPreparerText());
    return;
  }

  user.CustId = reply.CustId;
  user.UserId = reply.UserId;
  user.SKey = reply.SKey;
  user.TxCode = reply.TxCode;
  user.LoggedOn = true;
  user.ClientName = reply.ClientName;

  if (reply.Time == logon.ClientVersionTime)
    prompts.Info(TPrompts::kNoticeCaption, QStringLiteral("登录成功！"));
  else
    OfferUpgrade(downloader, logon.Url, user.ClientName, prompts);
}
