#include "session/screens/Announcement.h"

#include <pugixml.hpp>

#include "core/ServerPaths.h"
#include "core/SessionUser.h"
#include "platform/prompts/Prompts.h"
#include "session/screens/FormShowUpdateMsg.h"
#include "session/transport/FormBody.h"
#include "session/transport/GetData.h"

void ShowClientAnnouncement(const TServerConfig& config, const TUSER& user, TPrompts& prompts,
                            QWidget* parent) {
  RSend2Srv srv;
  srv.Url = config.ServerBaseUrl + MainPlatV5Path();
  srv.Headers = FormContentTypeHeader();
  srv.PostData = TFormBody::Standard(QStringLiteral("6P0010"), user)
                     .Add("ClientVerTime", config.ClientVersionTime)
                     .Bytes();
  TGetData::Send(srv);

  pugi::xml_document doc;
  LoadReply(doc, srv.Response);
  TGetData::CheckReply(doc);
  const pugi::xml_node root = ReplyRoot(doc);
  if (RequiredText(root, "ISHOWMSG") != QStringLiteral("1")) return;

  TFormShowUpdateMsg window(prompts, parent);
  window.SetMessage(RequiredText(root, "MSG"));
  prompts.RunModal(window);
}
