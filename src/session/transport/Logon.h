#pragma once

#include <QString>

#include "core/SessionUser.h"

struct TServerConfig;

// The logon request.
struct TLOGON {
  TUSER User;  // CustId and UserId as typed, the rest empty
  QString Url;
  QString Password;
  QByteArray PostData;
  QString TxCode = QStringLiteral("690101");
  QString Headers;
  QString ClientVersionTime;  // compared with the reply's TIME

  // Url, PostData and Headers for the customer, operator and password given.
  static TLOGON Make(const TServerConfig& config, const QString& custId, const QString& userId,
                     const QString& password);
};
