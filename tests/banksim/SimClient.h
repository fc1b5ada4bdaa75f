#pragma once

#include <httplib.h>

#include <QByteArray>
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
};

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
