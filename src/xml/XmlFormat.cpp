#include "xml/XmlFormat.h"

#include "platform/codec/Gbk.h"

namespace xml {
namespace {

// Blanks that are an element's only content are its text ("   " reads as empty
// text, not as a missing one); blanks between elements are layout.
constexpr unsigned kParseFlags = pugi::parse_default | pugi::parse_ws_pcdata_single;

}  // namespace

QByteArray RegisterDeclarationLine() {
  return QByteArrayLiteral("<?xml version=\"1.0\" encoding=\"GB2312\" standalone=\"yes\"?>\r\n");
}

void AppendMarkupAsGbk(QByteArray& out, std::string_view utf8) {
  codec::AppendUtf8AsGbk(out, utf8, [](QByteArray& bytes, char32_t code) {
    bytes.append("&#x").append(QByteArray::number(uint(code), 16).toUpper()).append(';');
  });
}

bool ParseUtf8Fragment(std::string_view utf8, Document& doc, pugi::xml_encoding encoding) {
  doc.reset();
  if (doc.load_buffer(utf8.data(), utf8.size(), kParseFlags, encoding)) return true;
  doc.reset();
  return false;
}

bool ParseUtf8InPlace(char* utf8, size_t size, Document& doc) {
  doc.reset();
  if (doc.load_buffer_inplace(utf8, size, kParseFlags, pugi::encoding_utf8)) return true;
  doc.reset();
  return false;
}

}  // namespace xml
