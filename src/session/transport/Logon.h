#pragma once

#include <QString>

#include "core/SessionUser.h"
#include "platform/secrets/SecretBytes.h"

struct TServerConfig;

// The logon request.
struct TLOGON {
  TUSER User;  // CustId and UserId as typed, the rest empty
  QString Url;
  TSecretBytes PostData;  // carries the password; wiped when the logon ends
  QString TxCode = QStringLiteral("690101");
  QString Headers;
  QString ClientVersionTime;  // compared with the reply's TIME

  // Url, PostData and Headers for the customer, operator and password (its GBK
  // bytes) given.
  static TLOGON Make(const TServerConfig& config, const QString& custId, const QString& userId,
                     const TSecretBytes& password);
};
