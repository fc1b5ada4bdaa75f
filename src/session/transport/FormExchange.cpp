#include "session/transport/FormExchange.h"

#include "core/ServerPaths.h"
#include "session/transport/GetData.h"
#include "session/transport/TempWbFm.h"

pugi::xml_document PostForm(const QString& url, QByteArrayView body) {
  pugi::xml_document doc;
  LoadReply(doc, TGetData::Post(url, body, FormContentTypeHeader()));
  TGetData::CheckReply(doc);
  return doc;
}

void DownloadFile(const QString& url, QByteArrayView body) {
  QString reply;
  if (PostForFile(url, body, reply)) return;
  pugi::xml_document doc;
  LoadReply(doc, reply);
  TGetData::CheckReply(doc);
}

bool PostForFile(const QString& url, QByteArrayView body, QString& reply) {
  bool downloaded = false;
  QMetaObject::Connection watch;
  if (TTempWbFm* browser = TTempWbFm::Current())
    watch = QObject::connect(browser, &TTempWbFm::DownloadStarted,
                             [&downloaded] { downloaded = true; });
  try {
    reply = TGetData::Post(url, body, FormContentTypeHeader());
  } catch (...) {
    QObject::disconnect(watch);
    throw;
  }
  QObject::disconnect(watch);
  return downloaded;
}
