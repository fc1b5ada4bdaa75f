#include "xml/XmlFiles.h"

#include <QRegularExpression>

#include "platform/codec/Gbk.h"
#include "platform/files/AtomicFile.h"
#include "xml/XmlFormat.h"

namespace xml {
namespace {

bool ParseGbk(const QByteArray& bytes, Document& doc) {
  const std::optional<QByteArray> utf8 = codec::GbkToUtf8Strict(bytes);
  if (!utf8) {
    doc.reset();
    return false;
  }
  return ParseUtf8Fragment(std::string_view(utf8->constData(), size_t(utf8->size())), doc);
}

// The encoding named by the XML declaration at the start of the bytes, if any.
QByteArray DeclaredEncoding(const QByteArray& bytes) {
  const QByteArray head = bytes.left(256);
  if (!head.startsWith("<?xml")) return {};
  const qsizetype end = head.indexOf("?>");
  static const QRegularExpression kEncoding(
      QStringLiteral("encoding\\s*=\\s*[\"']([A-Za-z0-9._-]+)[\"']"));
  const QRegularExpressionMatch m =
      kEncoding.match(QString::fromLatin1(head.left(end < 0 ? head.size() : end)));
  return m.hasMatch() ? m.captured(1).toLatin1().toUpper() : QByteArray();
}

}  // namespace

QByteArray RegisterFileBytes(const Document& doc) {
  StringWriter markup;
  doc.save(markup, "", pugi::format_raw | pugi::format_no_declaration, pugi::encoding_utf8);
  QByteArray out = RegisterDeclarationLine();
  AppendMarkupAsGbk(out, markup.Text);
  out += "\r\n";
  return out;
}

void SaveRegisterFile(const Document& doc, const QString& path) {
  WriteFileAtomically(path, RegisterFileBytes(doc));
}

bool ParseRegisterBytes(const QByteArray& bytes, Document& doc) {
  return ParseGbk(bytes, doc);
}

bool LoadRegisterFile(const QString& path, Document& doc) {
  const std::optional<QByteArray> bytes = ReadWholeFile(path);
  if (!bytes) {
    doc.reset();
    return false;
  }
  return ParseRegisterBytes(*bytes, doc);
}

QByteArray LibraryFileBytes(const Document& doc, bool indent) {
  StringWriter markup;
  doc.save(markup, indent ? "  " : "",
           (indent ? pugi::format_indent : pugi::format_raw) | pugi::format_no_declaration,
           pugi::encoding_utf8);
  return QByteArray(markup.Text.data(), qsizetype(markup.Text.size()));
}

void SaveLibraryFile(const Document& doc, const QString& path, bool indent) {
  WriteFileAtomically(path, LibraryFileBytes(doc, indent));
}

bool ParseLibraryBytes(const QByteArray& bytes, Document& doc) {
  const QByteArray encoding = DeclaredEncoding(bytes);
  if (encoding == "GB2312" || encoding == "GBK" || encoding == "GB18030" || encoding == "CP936")
    return ParseGbk(bytes, doc);
  // Anything else is UTF-8, or UTF-16 recognised by its byte-order mark.
  return ParseUtf8Fragment(std::string_view(bytes.constData(), size_t(bytes.size())), doc,
                           pugi::encoding_auto);
}

bool LoadLibraryFile(const QString& path, Document& doc) {
  const std::optional<QByteArray> bytes = ReadWholeFile(path);
  if (!bytes) {
    doc.reset();
    return false;
  }
  return ParseLibraryBytes(*bytes, doc);
}

}  // namespace xml
