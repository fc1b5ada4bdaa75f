#include "platform/codec/Gbk.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace codec {
namespace {

constexpr const char* kCodecName = "GBK";

// A fresh converter for every call: a reused one can carry half a character of
// an earlier, broken input into the next conversion.
QStringDecoder decoder() { return QStringDecoder(kCodecName, QStringConverter::Flag::Stateless); }

QStringEncoder encoder() { return QStringEncoder(kCodecName, QStringConverter::Flag::Stateless); }

bool isAscii(QStringView text) {
  for (QChar c : text)
    if (c.unicode() >= 0x80) return false;
  return true;
}

}  // namespace

QString fromGbk(QByteArrayView bytes) {
  QStringDecoder d = decoder();
  return d.decode(bytes);
}

std::optional<QString> fromGbkStrict(QByteArrayView bytes) {
  QStringDecoder d = decoder();
  QString text = d.decode(bytes);
  if (d.hasError()) return std::nullopt;
  return text;
}

QByteArray toGbk(QStringView text) {
  if (isAscii(text)) return text.toLatin1();
  QStringEncoder e = encoder();
  return e.encode(text);
}

bool fitsGbk(QStringView text) {
  if (isAscii(text)) return true;
  QStringEncoder e = encoder();
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
