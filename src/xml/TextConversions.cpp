#include "xml/TextConversions.h"

#include "platform/codec/Gbk.h"

namespace xml {

QString AnsiToWide(QByteArrayView ansi) {
  return codec::FromGbk(ansi);
}

QByteArray WideToUtf8(QStringView wide) {
  return codec::ToUtf8(wide);
}

QByteArray AnsiToUtf8Text(QByteArrayView ansi) {
  return WideToUtf8(AnsiToWide(ansi));
}

}  // namespace xml
