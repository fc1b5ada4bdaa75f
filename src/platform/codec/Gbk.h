#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>
#include <functional>
#include <optional>
#include <string_view>

// The one place where text crosses between QString and the bytes of files,
// request bodies and replies. The system code page is GBK (code page 936, as the
// platform's converter named "GBK" maps it); the one named "GB2312" is never
// used, because it cannot hold the GBK extension characters.
namespace codec {

// GBK bytes to text; a byte sequence that is not GBK becomes U+FFFD.
QString FromGbk(QByteArrayView bytes);

// GBK bytes to text, or nothing when any byte sequence is not valid GBK.
std::optional<QString> FromGbkStrict(QByteArrayView bytes);

// GBK bytes straight to UTF-8, or nothing when any byte sequence is not valid GBK.
std::optional<QByteArray> GbkToUtf8Strict(QByteArrayView bytes);

// Appends the UTF-8 form of GBK bytes to out; false, with out as it was, when
// any byte sequence is not valid GBK.
bool AppendGbkAsUtf8Strict(QByteArray& out, QByteArrayView bytes);

// True when every byte sequence is valid GBK.
bool IsValidGbk(QByteArrayView bytes);

// Text to GBK bytes; a character GBK cannot hold becomes "?".
QByteArray ToGbk(QStringView text);

// Appends the GBK bytes of UTF-8 text to out; for a character GBK cannot hold,
// unmappable appends what stands in for it.
void AppendUtf8AsGbk(QByteArray& out, std::string_view utf8,
                     const std::function<void(QByteArray&, char32_t)>& unmappable);

// True when every character of the text has a GBK form.
bool FitsGbk(QStringView text);

// Number of GBK bytes of the text: the length that byte rules count.
qsizetype GbkLength(QStringView text);

// The longest head of the text whose GBK form has at most maxBytes bytes; a
// double-byte character that would be cut in half is left out whole.
QString GbkLeft(QStringView text, qsizetype maxBytes);

QString FromUtf8(QByteArrayView bytes);
QByteArray ToUtf8(QStringView text);

}  // namespace codec
