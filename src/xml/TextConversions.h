#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

// The three conversions that carry system code-page text to UTF-8 for the
// server interfaces that expect it.
namespace xml {

// GBK bytes to text.
QString AnsiToWide(QByteArrayView ansi);

// Text to UTF-8 bytes.
QByteArray WideToUtf8(QStringView wide);

// GBK bytes to UTF-8 bytes.
QByteArray AnsiToUtf8Text(QByteArrayView ansi);

}  // namespace xml
