#include <pugixml.hpp>

#include "core/ServerPaths.h"
#include "core/SessionUser.h"
#include "platform/prompts/Prompts.h"
#include "session/transport/FormBody.h"
#include "session/transport/GetData.h"

namespace {

qint32 RequiredInteger(const pugi::xml_node& root, const char* name) {
  bool ok = false;
  const qint32 value = RequiredText(root, name).toInt(&ok, 10);
  if (!ok) throw EResponseError(QStringLiteral("服务器返回信息不完整，请稍后再试！"));
  return value;
}

}  // namespace

qint32 TGetData::QueryTradeType(const TServerConfig& config, TUSER& user, TPrompts& prompts) {
  if (user.TradeType != -1) return user.TradeType;

  RSend2Srv srv;
  srv.Url = config.ServerBaseUrl + MainPlatV6Path();
  srv.Headers = FormContentTypeHeader();
  srv.PostData = TFormBody::Standard(QStringLiteral("NC1001"), user).Bytes();
  Send(srv);

  try {
    pugi::xml_document doc;
    LoadReply(doc, srv.Response);
    CheckReply(doc);
    const pugi::xml_node root = ReplyRoot(doc);
    const qint32 tradeType = RequiredInteger(root, "TradeType");
    const qint32 agentType = RequiredInteger(root, "AgentType");
    user.TradeType = tradeType;
    user.AgentType = agentType;
    return tradeType;
  } catch (const EResponseError& e) {
    prompts.Error(TPrompts::kErrorCaption, e.Message());
    return -1;
  }
}
