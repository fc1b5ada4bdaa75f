#pragma once

#include <QString>

// Request paths appended to the server base URL.
inline QString MainPlatV5Path() {
  return QStringLiteral("/NNVX/NECV5B2BMainPlat");
}
inline QString MainPlatV6Path() {
  return QStringLiteral("/NNVX/NECV6B2BMainPlat");
}
inline QString FileDownloadV5Path() {
  return QStringLiteral("/NNVX/NECV5FileDownload");
}
inline QString FileDownloadV6Path() {
  return QStringLiteral("/NNVX/NECV6FileDownload");
}

// The header line of every form request.
inline QString FormContentTypeHeader() {
  return QStringLiteral("Content-Type: application/x-www-form-urlencoded");
}

// Where the bank is and which client version this is, as read from ClientSys.ini.
struct TServerConfig {
  QString ServerBaseUrl;      // "URL": scheme and host, no trailing path
  QString ClientVersionTime;  // "VerTime"
  QString ClientSysIni;       // path of param/ClientSys.ini (the logon writes CUST_ID/OPER_ID)
};

// Whether what is sent to the server crosses a network unencrypted: the URL is
// not https and its host is not this machine.
bool TravelsInClear(const QString& serverBaseUrl);
