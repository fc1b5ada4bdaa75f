#pragma once

// Readable failure output for Qt text types; included into every test file by
// the build, so gtest finds these printers for any assertion.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <ostream>

inline void PrintTo(const QString& text, std::ostream* os) {
  *os << '"' << text.toStdString() << '"';
}

inline void PrintTo(const QByteArray& bytes, std::ostream* os) {
  *os << "bytes \"";
  for (char c : bytes) {
    const unsigned char u = static_cast<unsigned char>(c);
    if (c == '\r')
      *os << "\\r";
    else if (c == '\n')
      *os << "\\n";
    else if (u >= 0x20 && u < 0x7f)
      *os << c;
    else
      *os << "\\x"
          << "0123456789abcdef"[u >> 4] << "0123456789abcdef"[u & 15];
  }
  *os << '"';
}

inline void PrintTo(const QStringList& list, std::ostream* os) {
  *os << '[';
  for (qsizetype i = 0; i < list.size(); ++i)
    *os << (i ? ", " : "") << '"' << list[i].toStdString() << '"';
  *os << ']';
}
