#include "session/transport/ReplyBody.h"

#include <QStringDecoder>
#include <algorithm>
#include <optional>

#include "platform/codec/Gbk.h"

namespace reply {
namespace {

// Lower case without "-" and "_": "UTF-8", "utf_8" and "utf8" all become "utf8".
QByteArray CanonicalName(const QByteArray& name) {
  QByteArray canonical;
  for (char c : name.trimmed()) {
    if (c != '-' && c != '_') canonical += char(QChar::toLower(ushort(uchar(c))));
  }
  return canonical;
}

QString Decode(QStringConverter::Encoding encoding, QByteArrayView bytes) {
  QStringDecoder decoder(encoding);
  return decoder.decode(bytes);
}

bool IsValidUtf8(QByteArrayView bytes) {
  QStringDecoder decoder(QStringConverter::Utf8);
  const QString text = decoder.decode(bytes);
  return !decoder.hasError();
}

// A header value split at ";" outside quoted strings, each part trimmed.
QList<QByteArray> SplitParameters(const QByteArray& value) {
  QList<QByteArray> parts;
  QByteArray current;
  bool quoted = false;
  for (qsizetype i = 0; i < value.size(); ++i) {
    const char c = value[i];
    if (quoted && c == '\\' && i + 1 < value.size() && value[i + 1] == '"') {
      current += c;
      current += value[++i];
      continue;
    }
    if (c == '"') quoted = !quoted;
    if (c == ';' && !quoted) {
      parts.append(current.trimmed());
      current.clear();
      continue;
    }
    current += c;
  }
  parts.append(current.trimmed());
  return parts;
}

QByteArray Unquote(QByteArray value) {
  value = value.trimmed();
  if (value.size() < 2 || !value.startsWith('"') || !value.endsWith('"')) return value;
  // Only an escaped quote is unescaped: servers send Windows paths with plain
  // backslashes, which must stay separators.
  QByteArray plain;
  for (qsizetype i = 1; i + 1 < value.size(); ++i) {
    if (value[i] == '\\' && i + 2 < value.size() && value[i + 1] == '"') ++i;
    plain += value[i];
  }
  return plain;
}

// The value of the parameter of that name (lower case) in a header value.
std::optional<QByteArray> Parameter(const QByteArray& headerValue, const QByteArray& name) {
  const QList<QByteArray> parts = SplitParameters(headerValue);
  for (qsizetype i = 1; i < parts.size(); ++i) {
    const qsizetype equals = parts[i].indexOf('=');
    if (equals < 0) continue;
    if (parts[i].left(equals).trimmed().toLower() == name) {
      return Unquote(parts[i].mid(equals + 1));
    }
  }
  return std::nullopt;
}

QString DecodeNamed(const QByteArray& canonical, QByteArrayView bytes, const QByteArray& body) {
  if (canonical == "utf8") return Decode(QStringConverter::Utf8, bytes);
  if (canonical == "utf16le") return Decode(QStringConverter::Utf16LE, bytes);
  if (canonical == "utf16be" || canonical == "unicodefffe") {
    return Decode(QStringConverter::Utf16BE, bytes);
  }
  if (canonical == "utf16" || canonical == "unicode" || canonical == "ucs2") {
    // Without a byte order mark the declaration's layout tells the byte order;
    // little-endian otherwise, as the platform writes it.
    const bool bigEndian = DeclaredEncoding(body) == "UTF-16BE";
    return Decode(bigEndian ? QStringConverter::Utf16BE : QStringConverter::Utf16LE, bytes);
  }
  if (canonical == "iso88591" || canonical == "latin1" || canonical == "usascii" ||
      canonical == "ascii" || canonical == "windows1252") {
    return Decode(QStringConverter::Latin1, bytes);
  }
  return codec::FromGbk(bytes);
}

}  // namespace

QByteArray HeaderCharset(const QByteArray& contentType) {
  return Parameter(contentType, "charset").value_or(QByteArray()).trimmed();
}

QByteArray DeclaredEncoding(const QByteArray& body) {
  if (body.startsWith(QByteArrayView("<\0?\0x\0m\0l\0", 10))) return "UTF-16LE";
  if (body.startsWith(QByteArrayView("\0<\0?\0x\0m\0l", 10))) return "UTF-16BE";
  QByteArray head = body.left(512);
  if (head.startsWith("\xEF\xBB\xBF")) head.remove(0, 3);
  head = head.trimmed();
  if (!head.startsWith("<?xml")) return {};
  const qsizetype end = head.indexOf("?>");
  if (end < 0) return {};
  const QByteArray declaration = head.left(end);
  const qsizetype key = declaration.indexOf("encoding");
  if (key < 0) return {};
  qsizetype pos = declaration.indexOf('=', key);
  if (pos < 0) return {};
  ++pos;
  while (pos < declaration.size() && (declaration[pos] == ' ' || declaration[pos] == '\t')) ++pos;
  if (pos >= declaration.size()) return {};
  const char quote = declaration[pos];
  if (quote != '"' && quote != '\'') return {};
  const qsizetype close = declaration.indexOf(quote, pos + 1);
  if (close < 0) return {};
  return declaration.mid(pos + 1, close - pos - 1).trimmed();
}

QString DecodeBody(const QByteArray& body, const QByteArray& contentType) {
  if (body.startsWith("\xEF\xBB\xBF")) return Decode(QStringConverter::Utf8, body.mid(3));
  if (body.startsWith("\xFF\xFE")) return Decode(QStringConverter::Utf16LE, body.mid(2));
  if (body.startsWith("\xFE\xFF")) return Decode(QStringConverter::Utf16BE, body.mid(2));
  QByteArray name = HeaderCharset(contentType);
  if (name.isEmpty()) name = DeclaredEncoding(body);
  return DecodeNamed(CanonicalName(name), body, body);
}

bool IsFile(const QByteArray& contentType, const QByteArray& contentDisposition) {
  const QByteArray disposition = SplitParameters(contentDisposition).value(0).toLower();
  if (disposition == "attachment") return true;
  const QByteArray type = SplitParameters(contentType).value(0).toLower();
  if (type.isEmpty() || type.startsWith("text/")) return false;
  return type != "application/xml" && !type.endsWith("+xml");
}

QString SuggestedFileName(const QByteArray& contentDisposition, const QUrl& url) {
  QString name;
  if (const auto extended = Parameter(contentDisposition, "filename*")) {
    // charset'language'percent-encoded bytes
    const QList<QByteArray> pieces = extended->split('\'');
    if (pieces.size() == 3) {
      const QByteArray bytes = QByteArray::fromPercentEncoding(pieces[2]);
      name = DecodeNamed(CanonicalName(pieces[0]), bytes, {});
    }
  }
  if (PlainFileName(name).isEmpty()) {
    if (const auto plain = Parameter(contentDisposition, "filename")) {
      name = IsValidUtf8(*plain) ? QString::fromUtf8(*plain) : codec::FromGbk(*plain);
    }
  }
  if (PlainFileName(name).isEmpty()) name = url.fileName(QUrl::FullyDecoded);
  name = PlainFileName(name);
  return name.isEmpty() ? QStringLiteral("download") : name;
}

QString PlainFileName(const QString& name) {
  const qsizetype slash =
      std::max(name.lastIndexOf(QLatin1Char('/')), name.lastIndexOf(QLatin1Char('\\')));
  QString plain = name.mid(slash + 1);
  for (QChar& c : plain) {
    if (c.unicode() < 0x20 || QStringLiteral(":*?\"<>|").contains(c)) c = QLatin1Char('_');
  }
  plain = plain.trimmed();
  while (plain.endsWith(QLatin1Char('.'))) plain.chop(1);
  return plain;
}

QString UnreachablePage(const QString& reason) {
  return QStringLiteral("<html><head><title>无法显示网页</title></head><body><p>") +
         reason.toHtmlEscaped() + QStringLiteral("</p></body></html>");
}

}  // namespace reply
