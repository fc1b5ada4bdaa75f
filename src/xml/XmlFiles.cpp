#include "xml/XmlFiles.h"

#include <QRegularExpression>
#include <sstream>

#include "platform/codec/Gbk.h"
#include "platform/files/AtomicFile.h"

namespace xml {
namespace {

// Blanks that are an element's only content are its text ("   " reads as empty
// text, not as a missing one); blanks between elements are layout.
constexpr unsigned kParseFlags = pugi::parse_default | pugi::parse_ws_pcdata_single;

const QByteArray kRegisterDeclaration =
    QByteArrayLiteral("<?xml version=\"1.0\" encoding=\"GB2312\" standalone=\"yes\"?>");

QByteArray SaveToUtf8(const Document& doc, unsigned flags, const char* indent) {
  std::ostringstream out;
  doc.save(out, indent, flags | pugi::format_no_declaration, pugi::encoding_utf8);
  const std::string text = out.str();
  return QByteArray(text.data(), static_cast<qsizetype>(text.size()));
}

// GBK bytes of markup text. A character GBK cannot hold becomes a character
// reference instead of a "?", so that nothing is lost; the system's own files
// only carry such characters in element text and attribute values.
QByteArray MarkupToGbk(const QString& markup) {
  if (codec::fitsGbk(markup)) return codec::toGbk(markup);
  QByteArray out;
  out.reserve(markup.size() * 2);
  for (qsizetype i = 0; i < markup.size();) {
    const qsizetype step =
        markup[i].isHighSurrogate() && i + 1 < markup.size() && markup[i + 1].isLowSurrogate() ? 2
                                                                                              : 1;
    const QStringView ch = QStringView(markup).mid(i, step);
    if (codec::fitsGbk(ch)) {
      out += codec::toGbk(ch);
    } else {
      const char32_t code = step == 2 ? QChar::surrogateToUcs4(ch[0], ch[1]) : ch[0].unicode();
      out += "&#x" + QByteArray::number(static_cast<uint>(code), 16).toUpper() + ';';
    }
    i += step;
  }
  return out;
}

bool ParseUtf8(const QByteArray& utf8, Document& doc) {
  doc.reset();
  const pugi::xml_parse_result result =
      doc.load_buffer(utf8.constData(), static_cast<size_t>(utf8.size()), kParseFlags,
                      pugi::encoding_utf8);
  if (!result) {
    doc.reset();
    return false;
  }
  return true;
}

bool ParseGbk(const QByteArray& bytes, Document& doc) {
  const std::optional<QString> text = codec::fromGbkStrict(bytes);
  if (!text) {
    doc.reset();
    return false;
  }
  return ParseUtf8(text->toUtf8(), doc);
}

// The encoding named by the XML declaration at the start of the bytes, if any.
QByteArray DeclaredEncoding(const QByteArray& bytes) {
  const QByteArray head = bytes.left(256);
  if (!head.startsWith("<?xml")) return {};
  const qsizetype end = head.indexOf("?>");
  static const QRegularExpression encoding(
      QStringLiteral("encoding\\s*=\\s*[\"']([A-Za-z0-9._-]+)[\"']"));
  const QRegularExpressionMatch m =
      encoding.match(QString::fromLatin1(head.left(end < 0 ? head.size() : end)));
  return m.hasMatch() ? m.captured(1).toLatin1().toUpper() : QByteArray();
}

}  // namespace

QByteArray RegisterFileBytes(const Document& doc) {
  const QByteArray compact = SaveToUtf8(doc, pugi::format_raw, "");
  QByteArray out = kRegisterDeclaration;
  out += "\r\n";
  out += MarkupToGbk(QString::fromUtf8(compact));
  out += "\r\n";
  return out;
}

void SaveRegisterFile(const Document& doc, const QString& path) {
  WriteFileAtomically(path, RegisterFileBytes(doc));
}

bool ParseRegisterBytes(const QByteArray& bytes, Document& doc) { return ParseGbk(bytes, doc); }

bool LoadRegisterFile(const QString& path, Document& doc) {
  const std::optional<QByteArray> bytes = ReadWholeFile(path);
  if (!bytes) {
    doc.reset();
    return false;
  }
  return ParseRegisterBytes(*bytes, doc);
}

QByteArray LibraryFileBytes(const Document& doc, bool indent) {
  return indent ? SaveToUtf8(doc, pugi::format_indent, "  ") : SaveToUtf8(doc, pugi::format_raw, "");
}

void SaveLibraryFile(const Document& doc, const QString& path, bool indent) {
  WriteFileAtomically(path, LibraryFileBytes(doc, indent));
}

bool ParseLibraryBytes(const QByteArray& bytes, Document& doc) {
  const QByteArray encoding = DeclaredEncoding(bytes);
  if (encoding == "GB2312" || encoding == "GBK" || encoding == "GB18030" || encoding == "CP936")
    return ParseGbk(bytes, doc);
  doc.reset();
  // Anything else is UTF-8, or UTF-16 recognised by pugixml from its byte-order mark.
  const pugi::xml_parse_result result = doc.load_buffer(
      bytes.constData(), static_cast<size_t>(bytes.size()), kParseFlags, pugi::encoding_auto);
  if (!result) {
    doc.reset();
    return false;
  }
  return true;
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
