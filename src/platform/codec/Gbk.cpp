#include "platform/codec/Gbk.h"

#include <cstring>

#include "platform/codec/GbkTable.h"

namespace codec {
namespace {

using detail::GbkTable;

constexpr char16_t kReplacement = 0xFFFD;

// Walks GBK bytes and hands each character to put. A byte sequence that is not
// GBK ends the walk with false when strict, else reads as U+FFFD; a lead byte
// with a bad trail byte is replaced alone and the trail byte read again.
template <class Put>
bool WalkGbk(QByteArrayView bytes, bool strict, Put&& put) {
  const GbkTable& table = GbkTable::Instance();
  const auto* p = reinterpret_cast<const uint8_t*>(bytes.data());
  const auto* end = p + bytes.size();
  while (p < end) {
    const uint8_t b = *p;
    if (b < 0x80) {
      put(char16_t(b));
      ++p;
      continue;
    }
    char16_t ch = 0;
    int width = 1;
    if (GbkTable::IsLead(b)) {
      if (end - p >= 2 && (ch = table.Pair(b, p[1])) != 0) width = 2;
    } else {
      ch = table.Single(b);
    }
    if (!ch) {
      if (strict) return false;
      ch = kReplacement;
    }
    put(ch);
    p += width;
  }
  return true;
}

std::optional<QString> DecodeToString(QByteArrayView bytes, bool strict) {
  QString text(bytes.size(), Qt::Uninitialized);
  char16_t* out = reinterpret_cast<char16_t*>(text.data());
  char16_t* const begin = out;
  if (!WalkGbk(bytes, strict, [&out](char16_t ch) { *out++ = ch; })) return std::nullopt;
  text.resize(out - begin);
  return text;
}

char* PutUtf8(char* out, char32_t code) {
  if (code < 0x80) {
    *out++ = char(code);
  } else if (code < 0x800) {
    *out++ = char(0xC0 | (code >> 6));
    *out++ = char(0x80 | (code & 0x3F));
  } else {
    *out++ = char(0xE0 | (code >> 12));
    *out++ = char(0x80 | ((code >> 6) & 0x3F));
    *out++ = char(0x80 | (code & 0x3F));
  }
  return out;
}

// The next code point of UTF-8 text; an invalid sequence reads as U+FFFD.
char32_t NextUtf8(const uint8_t*& p, const uint8_t* end) {
  const uint8_t b = *p++;
  if (b < 0x80) return b;
  int extra = b >= 0xF0 ? 3 : b >= 0xE0 ? 2 : b >= 0xC0 ? 1 : -1;
  if (extra < 0 || b > 0xF4 || end - p < extra) return kReplacement;
  char32_t code = b & (0x3F >> extra);
  for (int i = 0; i < extra; ++i) {
    if ((p[i] & 0xC0) != 0x80) return kReplacement;
    code = (code << 6) | (p[i] & 0x3F);
  }
  p += extra;
  return code;
}

// GBK bytes of one UTF-16 unit into out; false when GBK has no code for it.
bool PutGbk(char*& out, uint16_t code) {
  if (code == 0) return false;
  if (code >= 0x100) *out++ = char(code >> 8);
  *out++ = char(code & 0xFF);
  return true;
}

uint16_t CodeOf(char32_t ch) {
  return ch < 0x10000 ? GbkTable::Instance().Code(char16_t(ch)) : 0;
}

}  // namespace

QString FromGbk(QByteArrayView bytes) {
  return *DecodeToString(bytes, false);
}

std::optional<QString> FromGbkStrict(QByteArrayView bytes) {
  return DecodeToString(bytes, true);
}

bool AppendGbkAsUtf8Strict(QByteArray& out, QByteArrayView bytes) {
  const GbkTable& table = GbkTable::Instance();
  const qsizetype start = out.size();
  out.resize(start + bytes.size() * 3);  // a byte never grows past three
  char* o = out.data() + start;
  const auto* p = reinterpret_cast<const uint8_t*>(bytes.data());
  const auto* end = p + bytes.size();
  bool valid = true;
  while (p < end) {
    // Markup is mostly ASCII: copy it eight bytes at a time.
    uint64_t word;
    if (end - p >= 8 && (std::memcpy(&word, p, 8), (word & 0x8080808080808080ull) == 0)) {
      std::memcpy(o, p, 8);
      o += 8;
      p += 8;
      continue;
    }
    const uint8_t b = *p;
    if (b < 0x80) {
      *o++ = char(b);
      ++p;
      continue;
    }
    char16_t ch = 0;
    if (GbkTable::IsLead(b)) {
      if (end - p < 2 || (ch = table.Pair(b, p[1])) == 0) {
        valid = false;
        break;
      }
      p += 2;
    } else {
      if ((ch = table.Single(b)) == 0) {
        valid = false;
        break;
      }
      ++p;
    }
    o = PutUtf8(o, ch);
  }
  out.resize(valid ? o - out.data() : start);
  return valid;
}

std::optional<QByteArray> GbkToUtf8Strict(QByteArrayView bytes) {
  QByteArray utf8;
  if (!AppendGbkAsUtf8Strict(utf8, bytes)) return std::nullopt;
  return utf8;
}

bool IsValidGbk(QByteArrayView bytes) {
  const GbkTable& table = GbkTable::Instance();
  const auto* p = reinterpret_cast<const uint8_t*>(bytes.data());
  const auto* end = p + bytes.size();
  while (p < end) {
    uint64_t word;
    if (end - p >= 8 && (std::memcpy(&word, p, 8), (word & 0x8080808080808080ull) == 0)) {
      p += 8;
    } else if (*p < 0x80) {
      ++p;
    } else if (GbkTable::IsLead(*p)) {
      if (end - p < 2 || !table.Pair(p[0], p[1])) return false;
      p += 2;
    } else {
      if (!table.Single(*p)) return false;
      ++p;
    }
  }
  return true;
}

QByteArray ToGbk(QStringView text) {
  QByteArray bytes(text.size() * 2, Qt::Uninitialized);
  char* out = bytes.data();
  char* const begin = out;
  for (qsizetype i = 0; i < text.size(); ++i) {
    const char16_t ch = text[i].unicode();
    if (ch < 0x80) {
      *out++ = char(ch);
      continue;
    }
    if (QChar::isHighSurrogate(ch) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) ++i;
    if (!PutGbk(out, CodeOf(ch))) *out++ = '?';
  }
  bytes.resize(out - begin);
  return bytes;
}

void AppendUtf8AsGbk(QByteArray& out, std::string_view utf8,
                     const std::function<void(QByteArray&, char32_t)>& unmappable) {
  const qsizetype start = out.size();
  out.resize(start + qsizetype(utf8.size()));  // GBK is never longer than UTF-8
  char* p = out.data() + start;
  const auto* in = reinterpret_cast<const uint8_t*>(utf8.data());
  const auto* end = in + utf8.size();
  while (in < end) {
    if (*in < 0x80) {
      *p++ = char(*in++);
      continue;
    }
    const char32_t code = NextUtf8(in, end);
    if (!PutGbk(p, CodeOf(code))) {
      // The handler may append any number of bytes: continue after them.
      const qsizetype written = p - out.data();
      out.resize(written);
      unmappable(out, code);
      const qsizetype after = out.size();
      out.resize(after + (end - in));
      p = out.data() + after;
    }
  }
  out.resize(p - out.data());
}

bool FitsGbk(QStringView text) {
  for (qsizetype i = 0; i < text.size(); ++i) {
    const char16_t ch = text[i].unicode();
    if (ch >= 0x80 && CodeOf(ch) == 0) return false;
  }
  return true;
}

namespace {

// GBK bytes of the character starting at text[i], and how many units it takes.
int CharWidth(QStringView text, qsizetype i, int& units) {
  const char16_t ch = text[i].unicode();
  units = QChar::isHighSurrogate(ch) && i + 1 < text.size() && text[i + 1].isLowSurrogate() ? 2 : 1;
  if (ch < 0x80 || units == 2) return 1;  // a character GBK lacks is written as "?"
  const uint16_t code = CodeOf(ch);
  return code >= 0x100 ? 2 : 1;
}

}  // namespace

qsizetype GbkLength(QStringView text) {
  qsizetype n = 0;
  int units = 1;
  for (qsizetype i = 0; i < text.size(); i += units) n += CharWidth(text, i, units);
  return n;
}

QString GbkLeft(QStringView text, qsizetype maxBytes) {
  qsizetype bytes = 0;
  qsizetype i = 0;
  int units = 1;
  while (i < text.size()) {
    const int width = CharWidth(text, i, units);
    if (bytes + width > maxBytes) break;
    bytes += width;
    i += units;
  }
  return text.left(i).toString();
}

QString FromUtf8(QByteArrayView bytes) {
  return QString::fromUtf8(bytes);
}

QByteArray ToUtf8(QStringView text) {
  return text.toUtf8();
}

}  // namespace codec
