#include "session/Announcement.h"

#include <QApplication>
#include <pugixml.hpp>

#include "platform/prompts/Prompts.h"
#include "session/FormBody.h"
#include "session/GetData.h"
#include "session/ServerPaths.h"
#include "session/SessionUser.h"
#include "session/ShowUpdateMsg.h"

void ShowClientAnnouncement(const TServerConfig& config) {
  RSend2Srv srv;
  srv.Url = config.ServerBaseUrl + MainPlatV5Path();
  srv.Headers = FormContentTypeHeader();
  srv.PostData = TFormBody::Standard(QStringLiteral("6P0010"), SessionUser())
                     .Add("ClientVerTime", config.ClientVersionTime)
                     .Bytes();
  TGetData::Send(srv);

  pugi::xml_document doc;
  LoadReply(doc, srv.Response);
  TGetData::CheckReply(doc);
  const pugi::xml_node root = ReplyRoot(doc);
  if (RequiredText(root, "ISHOWMSG") != QStringLiteral("1")) return;

  TFormShowUpdateMsg window(QApplication::activeWindow());
  window.SetMessage(RequiredText(root, "MSG"));
  Prompts().runModal(window);
}
