#pragma once

#include <httplib.h>

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QPair>
#include <QString>

// Plain HTTP to a running simulator, and what the tests read from its replies.
// The two request paths of the bank.
constexpr char kV5[] = "/NNVX/NECV5B2BMainPlat";
constexpr char kV6[] = "/NNVX/NECV6B2BMainPlat";

struct TSimReplyData {
  int Status = 0;  // 0: no reply (the connection failed)
  QByteArray ContentType;
  QByteArray Body;
  httplib::Headers Headers;
  QByteArray Header(const char* name) const;
  // The body decoded as GBK, or as UTF-8 when the Content-Type says so.
  QString Text() const;
  // The text of the first element of that name, or a null string.
  QString Element(const QString& name) const;
  bool WellFormedXml() const;
  // The entries of a list element (ITEMLIST, USELIST, ...): each entry's child
  // elements by name. A text-only entry is kept under its own name.
  QList<QMap<QString, QString>> List(const QString& name) const;
};

// A multipart body as the client sends an upload: the file part SEND_FILE with
// its lines (each ended by CR LF, then one more CR LF), then the fields in order.
constexpr char kPayMultipart[] =
    "multipart/form-data; boundary=---------------------------7d819b381f0a8e";
QByteArray PayUploadBody(const QByteArray& fileName, const QList<QByteArray>& lines,
                         const QList<QPair<QByteArray, QByteArray>>& fields);

class TSimClient {
 public:
  explicit TSimClient(quint16 port);
  TSimReplyData Post(const char* path, const QByteArray& body,
                     const char* contentType = "application/x-www-form-urlencoded");
  TSimReplyData Get(const QByteArray& target);

  // Logs on and returns the reply; the session fields of the next requests.
  TSimReplyData Logon(const QByteArray& customer, const QByteArray& user,
                      const QByteArray& password);
  // "TXCODE=code&SKEY=..&CUSTOMERID=..&USERID=..&PT_LANGUAGE=CN&NVX_IBSVersion=V6&..."
  static QByteArray SessionBody(const QByteArray& code, const QString& sKey,
                                const QByteArray& customer, const QByteArray& user);

 private:
  quint16 port_;
};
