#include "SimClient.h"

#include <QRegularExpression>
#include <QXmlStreamReader>

#include "platform/codec/Gbk.h"

namespace {

TSimReplyData ToData(const httplib::Result& result) {
  TSimReplyData data;
  if (!result) return data;
  data.Status = result->status;
  data.Headers = result->headers;
  data.ContentType = QByteArray::fromStdString(result->get_header_value("Content-Type"));
  data.Body = QByteArray(result->body.data(), qsizetype(result->body.size()));
  return data;
}

}  // namespace

QByteArray TSimReplyData::Header(const char* name) const {
  const auto it = Headers.find(name);
  return it == Headers.end() ? QByteArray() : QByteArray::fromStdString(it->second);
}

QString TSimReplyData::Text() const {
  return ContentType.toLower().contains("utf-8") ? codec::FromUtf8(Body) : codec::FromGbk(Body);
}

QString TSimReplyData::Element(const QString& name) const {
  const QRegularExpression pattern("<" + name + ">([^<]*)</" + name + ">");
  const QRegularExpressionMatch match = pattern.match(Text());
  return match.hasMatch() ? match.captured(1) : QString();
}

bool TSimReplyData::WellFormedXml() const {
  QXmlStreamReader reader(Text());
  while (!reader.atEnd()) reader.readNext();
  return !reader.hasError();
}

TSimClient::TSimClient(quint16 port) : port_(port) {}

TSimReplyData TSimClient::Post(const char* path, const QByteArray& body, const char* contentType) {
  httplib::Client client("127.0.0.1", port_);
  client.set_read_timeout(10);
  return ToData(client.Post(path, body.constData(), size_t(body.size()), contentType));
}

TSimReplyData TSimClient::Get(const QByteArray& target) {
  httplib::Client client("127.0.0.1", port_);
  client.set_read_timeout(10);
  return ToData(client.Get(target.toStdString()));
}

TSimReplyData TSimClient::Logon(const QByteArray& customer, const QByteArray& user,
                                const QByteArray& password) {
  return Post("/NNVX/NECV5B2BMainPlat",
              "PT_LANGUAGE=CN&CUSTOMERID=" + customer + "&USERID=" + user + "&LOG_PWD=" + password +
                  "&TXCODE=690101&NVX_IBSVersion=V6&PT_STYLE=8&resType=HTM");
}

QByteArray TSimClient::SessionBody(const QByteArray& code, const QString& sKey,
                                   const QByteArray& customer, const QByteArray& user) {
  return "TXCODE=" + code + "&SKEY=" + sKey.toLatin1() + "&CUSTOMERID=" + customer +
         "&USERID=" + user + "&PT_LANGUAGE=CN&NVX_IBSVersion=V6&PT_STYLE=8&resType=HTM";
}
