#pragma once

#include <string>
#include <string_view>

namespace spreadsheet {

// A forward-only XML scanner over a buffer, for worksheet and shared-string
// parts that can hold millions of cells: it keeps no tree, and element names
// come without their namespace prefix. Comments, processing instructions and
// declarations are skipped; entities and character references are decoded
// in text and attribute values. Throws TMalformed on malformed markup.
class TXlsxXmlScanner {
 public:
  enum class EToken { StartElement, EndElement, Text, End };
  struct TMalformed {};

  TXlsxXmlScanner(const char* begin, const char* end) : pos_(begin), end_(end) {}

  // The next token. A self-closing element gives a StartElement followed by
  // an EndElement.
  EToken Next();

  // Of the last StartElement or EndElement.
  std::string_view Name() const { return name_; }
  // Of the last StartElement: the decoded value of the attribute with this
  // local name, false when there is none.
  bool Attribute(std::string_view localName, std::string& value) const;
  // Of the last Text token: its decoded content appended to out.
  void AppendText(std::string& out) const;

 private:
  void ScanStartTag();
  void SkipPast(std::string_view terminator);
  [[noreturn]] void Fail() const;

  const char* pos_;
  const char* end_;
  std::string_view name_;
  std::string_view attributes_;  // raw text between the name and the tag's end
  std::string_view text_;        // raw text, or CDATA content
  bool textIsRaw_ = false;
  bool pendingEnd_ = false;
};

}  // namespace spreadsheet
