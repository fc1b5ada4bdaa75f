#include "platform/codec/Gbk.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace codec {
namespace {

constexpr const char* kCodecName = "GBK";

// Converters keep ICU state; one per thread is reused and reset before each call.
QStringDecoder& decoder() {
  thread_local QStringDecoder d(kCodecName, QStringConverter::Flag::Stateless);
  return d;
}

QStringEncoder& encoder() {
  thread_local QStringEncoder e(kCodecName, QStringConverter::Flag::Stateless);
  return e;
}

bool isAscii(QStringView text) {
  for (QChar c : text)
    if (c.unicode() >= 0x80) return false;
  return true;
}

}  // namespace

QString fromGbk(QByteArrayView bytes) {
  QStringDecoder& d = decoder();
  d.resetState();
  return d.decode(bytes);
}

std::optional<QString> fromGbkStrict(QByteArrayView bytes) {
  QStringDecoder& d = decoder();
  d.resetState();
  QString text = d.decode(bytes);
  if (d.hasError()) return std::nullopt;
  return text;
}

QByteArray toGbk(QStringView text) {
  if (isAscii(text)) return text.toLatin1();
  QStringEncoder& e = encoder();
  e.resetState();
  return e.encode(text);
}

bool fitsGbk(QStringView text) {
  if (isAscii(text)) return true;
  QStringEncoder& e = encoder();
  e.resetState();
  QByteArray ignored = e.encode(text);
  return !e.hasError();
}

qsizetype gbkLength(QStringView text) {
  qsizetype n = 0;
  for (QChar c : text) {
    if (c.unicode() < 0x80) {
      ++n;
    } else {
      // Every non-ASCII character GBK holds takes two bytes; others are written
      // as the one-byte "?".
      n = -1;
      break;
    }
  }
  return n >= 0 ? n : toGbk(text).size();
}

QString gbkLeft(QStringView text, qsizetype maxBytes) {
  qsizetype bytes = 0;
  qsizetype i = 0;
  while (i < text.size()) {
    const qsizetype step = text[i].isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
    const qsizetype width = gbkLength(text.mid(i, step));
    if (bytes + width > maxBytes) break;
    bytes += width;
    i += step;
  }
  return text.left(i).toString();
}

QString fromUtf8(QByteArrayView bytes) { return QString::fromUtf8(bytes); }

QByteArray toUtf8(QStringView text) { return text.toUtf8(); }

}  // namespace codec
