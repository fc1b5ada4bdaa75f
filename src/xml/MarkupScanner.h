#pragma once

#include <string_view>

// Finds the extent of markup in GBK text without building it: enough to cut a
// document element's children apart, each of which is then decoded, parsed and
// checked in full. The markup characters it looks for ("<", ">", quotes, "/",
// "!", "?", "-") are below 0x40 and so never the second byte of a GBK
// character; "]" can be, so CDATA sections are walked character by character.
// A false answer means the markup is broken or runs past the end of the text.
namespace xml {

class Scanner {
 public:
  explicit Scanner(std::string_view text, size_t pos = 0) : text_(text), pos_(pos) {}

  bool AtEnd() const { return pos_ >= text_.size(); }
  size_t Pos() const { return pos_; }
  bool StartsWith(std::string_view s) const { return text_.substr(pos_, s.size()) == s; }

  void SkipBlanks() {
    while (pos_ < text_.size() && IsBlank(text_[pos_])) ++pos_;
  }

  // Skips a comment, a processing instruction or a CDATA section at pos.
  bool SkipSpecial() {
    if (StartsWith("<!--")) return SkipPast("-->");
    if (StartsWith("<?")) return SkipPast("?>");
    if (StartsWith("<![CDATA[")) return SkipCdata();
    return false;
  }

  // Reads a start or empty-element tag at pos; its name, and whether it is empty.
  bool StartTag(std::string_view& name, bool& empty) {
    if (!StartsWith("<") || pos_ + 1 >= text_.size() || !IsNameStart(text_[pos_ + 1])) return false;
    const size_t nameBegin = pos_ + 1;
    size_t i = nameBegin;
    while (i < text_.size() && !IsBlank(text_[i]) && text_[i] != '>' && text_[i] != '/') ++i;
    name = text_.substr(nameBegin, i - nameBegin);
    // Most tags have no attributes and end right after their name.
    if (i < text_.size() && text_[i] == '>') {
      empty = false;
      pos_ = i + 1;
      return true;
    }
    if (i + 1 < text_.size() && text_[i] == '/' && text_[i + 1] == '>') {
      empty = true;
      pos_ = i + 2;
      return true;
    }
    char quote = 0;
    for (; i < text_.size(); ++i) {
      const char c = text_[i];
      if (quote) {
        if (c == quote) quote = 0;
      } else if (c == '"' || c == '\'') {
        quote = c;
      } else if (c == '>') {
        empty = text_[i - 1] == '/';
        pos_ = i + 1;
        return true;
      }
    }
    return false;
  }

  // Reads an end tag at pos and gives its name.
  bool EndTag(std::string_view& name) {
    if (!StartsWith("</")) return false;
    size_t close = pos_ + 2;
    while (close < text_.size() && text_[close] != '>') ++close;
    if (close >= text_.size()) return false;
    name = text_.substr(pos_ + 2, close - pos_ - 2);
    while (!name.empty() && IsBlank(name.back())) name.remove_suffix(1);
    pos_ = close + 1;
    return true;
  }

  // Skips one whole element starting at pos, with everything inside it.
  bool SkipElement() {
    std::string_view name;
    bool empty = false;
    if (!StartTag(name, empty)) return false;
    int depth = empty ? 0 : 1;
    while (depth > 0) {
      const size_t lt = text_.find('<', pos_);
      if (lt == std::string_view::npos) return false;
      pos_ = lt;
      if (StartsWith("</")) {
        if (!EndTag(name)) return false;
        --depth;
      } else if (StartsWith("<!--") || StartsWith("<?") || StartsWith("<![CDATA[")) {
        if (!SkipSpecial()) return false;
      } else {
        if (!StartTag(name, empty)) return false;
        if (!empty) ++depth;
      }
    }
    return true;
  }

  // Moves to the next "<"; false when there is none.
  bool ToNextTag() {
    const size_t lt = text_.find('<', pos_);
    pos_ = lt == std::string_view::npos ? text_.size() : lt;
    return lt != std::string_view::npos;
  }

 private:
  static bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
  static bool IsNameStart(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_' || c == ':' ||
           static_cast<unsigned char>(c) >= 0x80;
  }
  bool SkipCdata() {
    for (size_t i = pos_ + 9; i < text_.size();) {
      const auto b = static_cast<unsigned char>(text_[i]);
      if (b >= 0x81 && b <= 0xFE) {
        i += 2;
      } else if (text_.substr(i, 3) == "]]>") {
        pos_ = i + 3;
        return true;
      } else {
        ++i;
      }
    }
    return false;
  }

  bool SkipPast(std::string_view end) {
    const size_t at = text_.find(end, pos_);
    if (at == std::string_view::npos) return false;
    pos_ = at + end.size();
    return true;
  }

  std::string_view text_;
  size_t pos_ = 0;
};

}  // namespace xml
