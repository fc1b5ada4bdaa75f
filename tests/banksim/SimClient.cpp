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

QList<QMap<QString, QString>> TSimReplyData::List(const QString& name) const {
  QList<QMap<QString, QString>> entries;
  QXmlStreamReader reader(Text());
  int depth = 0;  // 1 inside the list, 2 inside an entry
  QString entryName;
  while (!reader.atEnd()) {
    const QXmlStreamReader::TokenType token = reader.readNext();
    if (token == QXmlStreamReader::StartElement) {
      if (depth == 0 && reader.name() == name) {
        depth = 1;
      } else if (depth == 1) {
        entryName = reader.name().toString();
        entries.append(QMap<QString, QString>());
        depth = 2;
      } else if (depth == 2) {
        entries.last()[reader.name().toString()] = reader.readElementText();
      }
    } else if (token == QXmlStreamReader::Characters && depth == 2 && !reader.isWhitespace()) {
      entries.last()[entryName] = reader.text().toString();
    } else if (token == QXmlStreamReader::EndElement && depth > 0) {
      --depth;
      if (depth == 0) break;
    }
  }
  return entries;
}

QByteArray PayUploadBody(const QByteArray& fileName, const QList<QByteArray>& lines,
                         const QList<QPair<QByteArray, QByteArray>>& fields) {
  const QByteArray delimiter = "-----------------------------7d819b381f0a8e\r\n";
  QByteArray body = delimiter + "Content-Disposition: form-data; name=\"SEND_FILE\"; filename=\"" +
                    fileName + "\"\r\nContent-Type: text/plain\r\n\r\n";
  for (const QByteArray& line : lines) body += line + "\r\n";
  body += "\r\n";
  for (const auto& [name, value] : fields) {
    body += delimiter + "Content-Disposition: form-data; name=\"" + name + "\"\r\n\r\n" + value +
            "\r\n";
  }
  return body + "-----------------------------7d819b381f0a8e--\r\n";
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
