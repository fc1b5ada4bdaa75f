#include "xml/TextConversions.h"

#include "platform/codec/Gbk.h"

namespace xml {

QString AnsiToWide(QByteArrayView ansi) {
  return codec::fromGbk(ansi);
}

QByteArray WideToUtf8(QStringView wide) {
  return codec::toUtf8(wide);
}

QByteArray AnsiToUtf8Text(QByteArrayView ansi) {
  return WideToUtf8(AnsiToWide(ansi));
}

}  // namespace xml
