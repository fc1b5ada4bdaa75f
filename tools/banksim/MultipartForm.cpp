#include "MultipartForm.h"

#include <QRegularExpression>
#include <QString>

namespace {

// The value of a parameter of a header value such as
//   form-data; name="SEND_FILE"; filename="C:\tmp.txt"
// Quoted values are taken as they are, backslashes included.
std::optional<QByteArray> Parameter(const QByteArray& headerValue, const QString& name) {
  static const QRegularExpression kPattern(
      QStringLiteral(";\\s*([^=;\\s]+)\\s*=\\s*(?:\"([^\"]*)\"|([^;\\s]*))"));
  // Latin-1 keeps every byte, so a GBK file name comes back unchanged.
  const QString text = QString::fromLatin1(headerValue);
  for (const QRegularExpressionMatch& match : kPattern.globalMatch(text)) {
    if (match.captured(1).compare(name, Qt::CaseInsensitive) != 0) continue;
    const QString value = match.capturedStart(2) >= 0 ? match.captured(2) : match.captured(3);
    return value.toLatin1();
  }
  return std::nullopt;
}

// Reads the header lines of a part into its name and file name; false when the
// part has no Content-Disposition with a name.
bool ReadPartHeader(const QByteArray& header, TFormPart& part) {
  for (const QByteArray& line : header.split('\n')) {
    const qsizetype colon = line.indexOf(':');
    if (colon < 0) continue;
    if (line.left(colon).trimmed().toLower() != "content-disposition") continue;
    const QByteArray value = line.mid(colon + 1).trimmed();
    const std::optional<QByteArray> name = Parameter(value, QStringLiteral("name"));
    if (!name || name->isEmpty()) return false;
    part.Name = *name;
    part.FileName = Parameter(value, QStringLiteral("filename")).value_or(QByteArray());
    return true;
  }
  return false;
}

}  // namespace

bool IsMultipartForm(const QByteArray& contentType) {
  return contentType.trimmed().toLower().startsWith("multipart/form-data");
}

QByteArray MultipartBoundary(const QByteArray& contentType) {
  return Parameter(contentType, QStringLiteral("boundary")).value_or(QByteArray());
}

std::optional<QList<TFormPart>> ParseMultipart(const QByteArray& body, const QByteArray& boundary) {
  if (boundary.isEmpty()) return std::nullopt;
  const QByteArray delimiter = "--" + boundary;
  // Every delimiter but a first one at the very start of the body follows a line end.
  const QByteArray innerDelimiter = "\r\n" + delimiter;
  qsizetype at = body.startsWith(delimiter) ? 0 : body.indexOf(innerDelimiter);
  if (at < 0) return std::nullopt;
  if (at > 0) at += 2;

  QList<TFormPart> parts;
  for (;;) {
    at += delimiter.size();
    if (body.mid(at, 2) == "--") return parts;
    // Whitespace may stand between a delimiter and its line end.
    while (at < body.size() && (body[at] == ' ' || body[at] == '\t')) ++at;
    if (body.mid(at, 2) != "\r\n") return std::nullopt;
    at += 2;
    // A part without header lines (its blank line at once) has no name either.
    const qsizetype headerEnd = body.mid(at, 2) == "\r\n" ? -1 : body.indexOf("\r\n\r\n", at);
    TFormPart part;
    if (headerEnd < 0 || !ReadPartHeader(body.mid(at, headerEnd - at), part)) return std::nullopt;
    const qsizetype contentStart = headerEnd + 4;
    const qsizetype contentEnd = body.indexOf(innerDelimiter, contentStart);
    if (contentEnd < 0) return std::nullopt;
    part.Content = body.mid(contentStart, contentEnd - contentStart);
    parts.append(part);
    at = contentEnd + 2;
  }
}
