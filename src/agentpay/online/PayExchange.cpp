#include "agentpay/online/PayExchange.h"

#include "agentpay/online/PayLists.h"
#include "agentpay/online/PayUpload.h"
#include "core/ServerPaths.h"
#include "core/SessionUser.h"
#include "session/transport/FormExchange.h"
#include "session/transport/GetData.h"

namespace {

pugi::xml_document Exchange(const QString& url, QByteArrayView body, const QString& header) {
  pugi::xml_document doc;
  LoadReply(doc, TGetData::Post(url, body, header));
  TGetData::CheckReply(doc);
  return doc;
}

}  // namespace

pugi::xml_document PostPayForm(const TUSER& user, const TServerConfig& server,
                               QByteArrayView body) {
  return PostForm(server.ServerBaseUrl + PayMainPlatPath(user), body);
}

pugi::xml_document UploadPayFile(const TUSER& user, const TServerConfig& server,
                                 const QStringList& fileLines, const TPaySubmission& submission,
                                 const TPayModeLists& lists) {
  const TPayUploadRequest request = PayUploadRequestFor(user, submission.Item.ItemEctip);
  const TSecretBytes body = UsesN17(user)
                                ? N17UploadBody(fileLines, submission, lists, user)
                                : Upload661Body(fileLines, submission, user, request.TxCode);
  return Exchange(server.ServerBaseUrl + request.Path, body.View(), PayUploadHeader());
}
