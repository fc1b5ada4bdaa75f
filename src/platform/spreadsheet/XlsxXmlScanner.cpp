#include "platform/spreadsheet/XlsxXmlScanner.h"

#include <cstring>

namespace spreadsheet {

namespace {

bool IsSpace(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// Names are a few characters: a plain loop is cheaper than a library search.
std::string_view LocalName(std::string_view name) {
  for (size_t i = 0; i < name.size(); ++i)
    if (name[i] == ':') return name.substr(i + 1);
  return name;
}

void AppendUtf8(unsigned code, std::string& out) {
  if (code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) code = 0xFFFD;
  if (code < 0x80) {
    out += char(code);
  } else if (code < 0x800) {
    out += char(0xC0 | (code >> 6));
    out += char(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += char(0xE0 | (code >> 12));
    out += char(0x80 | ((code >> 6) & 0x3F));
    out += char(0x80 | (code & 0x3F));
  } else {
    out += char(0xF0 | (code >> 18));
    out += char(0x80 | ((code >> 12) & 0x3F));
    out += char(0x80 | ((code >> 6) & 0x3F));
    out += char(0x80 | (code & 0x3F));
  }
}

// Decodes the reference that starts at raw[0] == '&'; returns the characters
// consumed, or 0 when it is not a reference (the '&' is then kept as it is).
size_t AppendReference(std::string_view raw, std::string& out) {
  const size_t semicolon = raw.substr(0, 12).find(';');
  if (semicolon == std::string_view::npos) return 0;
  const std::string_view name = raw.substr(1, semicolon - 1);
  if (name == "lt")
    out += '<';
  else if (name == "gt")
    out += '>';
  else if (name == "amp")
    out += '&';
  else if (name == "quot")
    out += '"';
  else if (name == "apos")
    out += '\'';
  else if (name.size() >= 2 && name[0] == '#') {
    const bool hex = name[1] == 'x' || name[1] == 'X';
    const std::string_view digits = name.substr(hex ? 2 : 1);
    if (digits.empty()) return 0;
    unsigned code = 0;
    for (char c : digits) {
      unsigned digit;
      if (c >= '0' && c <= '9')
        digit = unsigned(c - '0');
      else if (hex && c >= 'a' && c <= 'f')
        digit = unsigned(c - 'a' + 10);
      else if (hex && c >= 'A' && c <= 'F')
        digit = unsigned(c - 'A' + 10);
      else
        return 0;
      code = code * (hex ? 16 : 10) + digit;
    }
    AppendUtf8(code, out);
  } else {
    return 0;
  }
  return semicolon + 1;
}

void AppendDecoded(std::string_view raw, std::string& out) {
  while (!raw.empty()) {
    const void* amp = std::memchr(raw.data(), '&', raw.size());
    if (!amp) {
      out.append(raw);
      return;
    }
    const size_t at = size_t(static_cast<const char*>(amp) - raw.data());
    out.append(raw.substr(0, at));
    raw.remove_prefix(at);
    const size_t used = AppendReference(raw, out);
    if (used == 0) {
      out += '&';
      raw.remove_prefix(1);
    } else {
      raw.remove_prefix(used);
    }
  }
}

}  // namespace

void TXlsxXmlScanner::Fail() const {
  throw TMalformed();
}

void TXlsxXmlScanner::SkipPast(std::string_view terminator) {
  const std::string_view rest(pos_, size_t(end_ - pos_));
  const size_t at = rest.find(terminator);
  if (at == std::string_view::npos) Fail();
  pos_ += at + terminator.size();
}

TXlsxXmlScanner::EToken TXlsxXmlScanner::Next() {
  if (pendingEnd_) {
    pendingEnd_ = false;
    return EToken::EndElement;
  }
  for (;;) {
    if (pos_ >= end_) return EToken::End;
    if (*pos_ != '<') {
      const void* lt = std::memchr(pos_, '<', size_t(end_ - pos_));
      const char* stop = lt ? static_cast<const char*>(lt) : end_;
      text_ = std::string_view(pos_, size_t(stop - pos_));
      textIsRaw_ = false;
      pos_ = stop;
      return EToken::Text;
    }
    const std::string_view rest(pos_, size_t(end_ - pos_));
    if (rest.size() < 2) Fail();
    if (rest[1] == '?') {
      SkipPast("?>");
    } else if (rest.substr(0, 4) == "<!--") {
      SkipPast("-->");
    } else if (rest.substr(0, 9) == "<![CDATA[") {
      pos_ += 9;
      const char* start = pos_;
      SkipPast("]]>");
      text_ = std::string_view(start, size_t(pos_ - 3 - start));
      textIsRaw_ = true;
      return EToken::Text;
    } else if (rest[1] == '!') {
      SkipPast(">");
    } else if (rest[1] == '/') {
      const char* start = pos_ + 2;
      const void* gt = std::memchr(start, '>', size_t(end_ - start));
      if (!gt) Fail();
      pos_ = static_cast<const char*>(gt) + 1;
      std::string_view name(start, size_t(pos_ - 1 - start));
      while (!name.empty() && IsSpace(name.back())) name.remove_suffix(1);
      name_ = LocalName(name);
      return EToken::EndElement;
    } else {
      ScanStartTag();
      return EToken::StartElement;
    }
  }
}

void TXlsxXmlScanner::ScanStartTag() {
  const char* p = pos_ + 1;
  const char* nameStart = p;
  while (p < end_ && !IsSpace(*p) && *p != '>' && *p != '/') ++p;
  if (p == nameStart) Fail();
  name_ = LocalName(std::string_view(nameStart, size_t(p - nameStart)));
  const char* attributesStart = p;
  char quote = 0;
  for (; p < end_; ++p) {
    if (quote) {
      if (*p == quote) quote = 0;
    } else if (*p == '"' || *p == '\'') {
      quote = *p;
    } else if (*p == '>') {
      break;
    }
  }
  if (p >= end_) Fail();
  const bool selfClosing = p[-1] == '/' && p - 1 >= attributesStart;
  attributes_ =
      std::string_view(attributesStart, size_t((selfClosing ? p - 1 : p) - attributesStart));
  pendingEnd_ = selfClosing;
  pos_ = p + 1;
}

bool TXlsxXmlScanner::Attribute(std::string_view localName, std::string& value) const {
  std::string_view rest = attributes_;
  for (;;) {
    while (!rest.empty() && IsSpace(rest.front())) rest.remove_prefix(1);
    const size_t equals = rest.find('=');
    if (equals == std::string_view::npos) return false;
    std::string_view name = rest.substr(0, equals);
    while (!name.empty() && IsSpace(name.back())) name.remove_suffix(1);
    rest.remove_prefix(equals + 1);
    while (!rest.empty() && IsSpace(rest.front())) rest.remove_prefix(1);
    if (rest.empty() || (rest.front() != '"' && rest.front() != '\'')) return false;
    const size_t close = rest.find(rest.front(), 1);
    if (close == std::string_view::npos) return false;
    if (LocalName(name) == localName) {
      value.clear();
      AppendDecoded(rest.substr(1, close - 1), value);
      return true;
    }
    rest.remove_prefix(close + 1);
  }
}

void TXlsxXmlScanner::AppendText(std::string& out) const {
  if (textIsRaw_) {
    out.append(text_);
  } else {
    AppendDecoded(text_, out);
  }
}

}  // namespace spreadsheet
