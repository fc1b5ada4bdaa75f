#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// A logged-on operator. A new logon of the same operator ends the old session.
struct TSimSession {
  QString SKey;
  QString CustomerId;
  QString UserId;
  QByteArray Cookie;  // the JSESSIONID value set by the logon
};

class TSessions {
 public:
  const TSimSession& Open(const QString& customerId, const QString& userId);
  // The live session with that key, or nullptr.
  const TSimSession* Find(const QString& sKey) const;

 private:
  QList<TSimSession> sessions_;
};

// Random upper-case hex digits.
QByteArray RandomToken(int length);
