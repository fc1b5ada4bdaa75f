#pragma once

#include <QByteArray>
#include <QString>

// Overwrites the characters of a password (or a body that holds one) before the
// buffer is released, so that it does not linger in freed memory.
inline void WipeSecret(QString& text) {
  text.fill(QChar(u'\0'));
  text.clear();
}

inline void WipeSecret(QByteArray& bytes) {
  bytes.fill('\0');
  bytes.clear();
}
