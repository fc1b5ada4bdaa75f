#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <optional>

// The one place where text crosses between QString and the bytes of files,
// request bodies and replies. The system code page is GBK (code page 936); the
// codec named "GB2312" is never used, because it cannot hold the GBK extension
// characters.
namespace codec {

// GBK bytes to text; a byte sequence that is not GBK becomes U+FFFD.
QString fromGbk(QByteArrayView bytes);

// GBK bytes to text, or nothing when any byte sequence is not valid GBK.
std::optional<QString> fromGbkStrict(QByteArrayView bytes);

// Text to GBK bytes; a character GBK cannot hold becomes "?".
QByteArray toGbk(QStringView text);

// True when every character of the text has a GBK form.
bool fitsGbk(QStringView text);

// Number of GBK bytes of the text: the length that byte rules count.
qsizetype gbkLength(QStringView text);

// The longest head of the text whose GBK form has at most maxBytes bytes; a
// double-byte character that would be cut in half is left out whole.
QString gbkLeft(QStringView text, qsizetype maxBytes);

QString fromUtf8(QByteArrayView bytes);
QByteArray toUtf8(QStringView text);

}  // namespace codec
