#include "Sessions.h"

#include <QRandomGenerator>

QByteArray RandomToken(int length) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  QByteArray token(length, Qt::Uninitialized);
  for (char& c : token) c = kDigits[QRandomGenerator::system()->bounded(16)];
  return token;
}

const TSimSession& TSessions::Open(const QString& customerId, const QString& userId) {
  sessions_.removeIf(
      [&](const TSimSession& s) { return s.CustomerId == customerId && s.UserId == userId; });
  sessions_.append({QString::fromLatin1(RandomToken(32)), customerId, userId, RandomToken(24)});
  return sessions_.last();
}

const TSimSession* TSessions::Find(const QString& sKey) const {
  for (const TSimSession& session : sessions_) {
    if (session.SKey == sKey) return &session;
  }
  return nullptr;
}
