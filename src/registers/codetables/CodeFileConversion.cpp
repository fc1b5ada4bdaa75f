#include "registers/codetables/CodeFileConversion.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <functional>

#include "platform/codec/Gbk.h"
#include "platform/files/AtomicFile.h"
#include "xml/RegisterStream.h"

// The conversion works on the GBK bytes themselves, once they are known to be
// valid GBK: every field of the table is a piece of the input, so the table is
// made of copied pieces and fixed markup, and nothing is decoded or encoded.
// The bytes are walked a character at a time (a lead byte 0x81-0xFE and its
// trail byte are one character), because a trail byte can equal "|" or "]". The
// line ends, '"', '<' and '&' lie below every trail byte and can be found by a
// plain byte search.
namespace codetables {
namespace {

using TBytes = QByteArrayView;

qsizetype CharWidth(char byte) {
  const auto b = uint8_t(byte);
  return b >= 0x81 && b <= 0xFE ? 2 : 1;
}

// Calls take(line) for each line, split as a text-file line reader does: LF, CR
// LF or a lone CR ends a line, and a line end at the very end of the text makes
// no extra empty line. Stops with false as soon as take returns false.
template <class Take>
bool ForEachLine(TBytes text, Take&& take) {
  const char* const data = text.data();
  const qsizetype size = text.size();
  qsizetype start = 0;
  while (start < size) {
    qsizetype end = start;
    while (end < size && data[end] != '\n' && data[end] != '\r') ++end;
    if (!take(text.sliced(start, end - start))) return false;
    if (end + 1 < size && data[end] == '\r' && data[end + 1] == '\n') ++end;
    start = end + 1;
  }
  return true;
}

// Each record of the code files ends with "|", which is dropped with the line's
// last character, whatever that character is.
TBytes Record(TBytes line) {
  qsizetype last = 0;
  for (qsizetype i = 0; i < line.size(); i += CharWidth(line[i])) last = i;
  return line.first(last);
}

// Position of the first "|" character, or -1.
qsizetype IndexOfBar(TBytes text) {
  for (qsizetype i = 0; i < text.size(); i += CharWidth(text[i])) {
    if (text[i] == '|') return i;
  }
  return -1;
}

// Takes the field up to the next "|" off the front of rest. With no "|" left the
// field is empty and rest stays whole, so that the last field gets the text.
TBytes CutField(TBytes& rest) {
  const qsizetype bar = IndexOfBar(rest);
  if (bar < 0) return {};
  const TBytes field = rest.first(bar);
  rest = rest.sliced(bar + 1);
  return field;
}

// Values are written without escaping: one that XML would read otherwise, or
// not at all, is refused instead.
bool FitsAttribute(TBytes value) {
  for (const char byte : value) {
    if (byte == '"' || byte == '<' || byte == '&') return false;
  }
  return true;
}

bool FitsCData(TBytes name) {
  for (qsizetype i = 0; i + 2 < name.size(); i += CharWidth(name[i])) {
    if (name[i] == ']' && name[i + 1] == ']' && name[i + 2] == '>') return false;
  }
  return true;
}

void Line(QByteArray& out, TBytes text) {
  out += text;
  out += "\r\n";
}

// <Tag Attribute="value">
void OpenTag(QByteArray& out, TBytes tag, TBytes attribute, TBytes value) {
  out += '<';
  out += tag;
  out += ' ';
  out += attribute;
  out += "=\"";
  out += value;
  out += "\">\r\n";
}

void CloseTag(QByteArray& out, TBytes tag) {
  out += "</";
  out += tag;
  out += ">\r\n";
}

// <Tag Attribute="value"><![CDATA[name]]></Tag>
void Entry(QByteArray& out, TBytes tag, TBytes attribute, TBytes value, TBytes name) {
  out += '<';
  out += tag;
  out += ' ';
  out += attribute;
  out += "=\"";
  out += value;
  out += "\"><![CDATA[";
  out += name;
  out += "]]></";
  out += tag;
  out += ">\r\n";
}

// Province name, city name, area code.
bool ConvertAreas(TBytes text, QByteArray& out) {
  Line(out, "<AreaCodesConf>");
  bool first = true;
  TBytes province;
  const bool ok = ForEachLine(text, [&](TBytes line) {
    TBytes rest = Record(line);
    const TBytes name = CutField(rest);
    const TBytes city = CutField(rest);
    const TBytes code = rest;
    if (IndexOfBar(code) >= 0 || !FitsAttribute(name) || !FitsAttribute(code) || !FitsCData(city))
      return false;
    if (first || name != province) {
      if (!first) CloseTag(out, "AreaProv");
      OpenTag(out, "AreaProv", "AreaName", name);
      province = name;
      first = false;
    }
    Entry(out, "Area", "AreaCode", code, city);
    return true;
  });
  CloseTag(out, "AreaProv");
  CloseTag(out, "AreaCodesConf");
  return ok;
}

// Bank name, bank code.
bool ConvertBanks(TBytes text, QByteArray& out) {
  Line(out, "<BankCodeConf>");
  const bool ok = ForEachLine(text, [&](TBytes line) {
    TBytes rest = Record(line);
    const TBytes name = CutField(rest);
    const TBytes code = rest;
    if (IndexOfBar(code) >= 0 || !FitsAttribute(code) || !FitsCData(name)) return false;
    Entry(out, "Bank", "BankCode", code, name);
    return true;
  });
  CloseTag(out, "BankCodeConf");
  return ok;
}

// Bank code, area code, branch name, interbank number (the rest of the line).
bool ConvertBranches(TBytes text, QByteArray& out) {
  Line(out, "<UBankCodesConf>");
  bool first = true;
  TBytes bank;
  TBytes area;
  QByteArray cleaned;  // reused for the names that hold "&nbsp;"
  const bool ok = ForEachLine(text, [&](TBytes line) {
    TBytes rest = Record(line);
    const TBytes bankCode = CutField(rest);
    const TBytes areaCode = CutField(rest);
    TBytes name = CutField(rest);
    const TBytes number = rest;
    if (name.contains("&nbsp;")) {
      cleaned = name.toByteArray().replace("&nbsp;", "");
      name = cleaned;
    }
    if (!FitsAttribute(bankCode) || !FitsAttribute(areaCode) || !FitsAttribute(number) ||
        !FitsCData(name))
      return false;
    if (first || bankCode != bank) {
      if (!first) {
        CloseTag(out, "AreaCode");
        CloseTag(out, "BankCode");
      }
      OpenTag(out, "BankCode", "BankId", bankCode);
      OpenTag(out, "AreaCode", "AreaId", areaCode);
    } else if (areaCode != area) {
      CloseTag(out, "AreaCode");
      OpenTag(out, "AreaCode", "AreaId", areaCode);
    }
    bank = bankCode;
    area = areaCode;
    first = false;
    Entry(out, "UBank", "UBankCode", number, name);
    return true;
  });
  CloseTag(out, "AreaCode");
  CloseTag(out, "BankCode");
  CloseTag(out, "UBankCodesConf");
  return ok;
}

// Bytes below 0x20 other than tab and line ends: no XML table can hold them,
// and GBK trail bytes never fall there.
bool HasControlBytes(TBytes text) {
  return std::any_of(text.begin(), text.end(), [](char byte) {
    return uint8_t(byte) < 0x20 && byte != '\t' && byte != '\r' && byte != '\n';
  });
}

// The entries of a table as the program reads it through stream (a register
// file reader): banks are the document's children, cities lie one level and
// branches two levels below them. -1 when the table does not read.
template <class Stream>
qsizetype CountEntries(TCodeFile kind, Stream&& stream) {
  const int depth = kind == TCodeFile::Bank ? 0 : (kind == TCodeFile::Area ? 1 : 2);
  qsizetype entries = 0;
  std::function<void(xml::Node, int)> count = [&](xml::Node node, int level) {
    if (level == depth) {
      ++entries;
      return;
    }
    for (xml::Node child = node.first_child(); child; child = child.next_sibling())
      if (child.type() == pugi::node_element) count(child, level + 1);
  };
  const bool read = stream([](const char*) {}, [&](xml::Node child) { count(child, 0); });
  return read ? entries : -1;
}

qsizetype EntriesIn(TCodeFile kind, const QString& path) {
  return CountEntries(kind, [&path](const auto& onRoot, const auto& onChild) {
    return xml::StreamRegisterFile(path, onRoot, onChild);
  });
}

}  // namespace

namespace {

struct TFileNames {
  const char* Source;
  const char* Table;
};

TFileNames NamesOf(TCodeFile kind) {
  switch (kind) {
    case TCodeFile::Area:
      return {"AREACODE.TXT", "AreaPeov.xml"};
    case TCodeFile::Bank:
      return {"OTHERBANKCODE.TXT", "OtherBank.xml"};
    case TCodeFile::Branch:
      break;
  }
  return {"UBANKCODE.TXT", "UBank.xml"};
}

}  // namespace

qsizetype CodeFileEntries(QByteArrayView text) {
  qsizetype lines = 0;
  ForEachLine(text, [&lines](TBytes) { return ++lines > 0; });
  return lines;
}

qsizetype TableEntries(TCodeFile kind, const QByteArray& table) {
  return CountEntries(kind, [&table](const auto& onRoot, const auto& onChild) {
    return xml::StreamRegisterBytes(table, onRoot, onChild);
  });
}

QString SourceFileName(TCodeFile kind) {
  return QLatin1String(NamesOf(kind).Source);
}

QString TableFileName(TCodeFile kind) {
  return QLatin1String(NamesOf(kind).Table);
}

std::optional<QByteArray> ConvertCodeFile(TCodeFile kind, QByteArrayView text) {
  // An empty file is a broken download; its table would lose every entry, and
  // the closing tags of the last group would not even be well-formed.
  if (text.isEmpty() || HasControlBytes(text) || !codec::IsValidGbk(text)) return std::nullopt;

  QByteArray out;
  // A generous guess with the markup the lines gain; memory not written to is
  // never touched, and the buffer need not grow.
  out.reserve(text.size() * 3 + 1024);
  Line(out, R"(<?xml version="1.0" encoding="gb2312"?>)");
  bool ok = false;
  switch (kind) {
    case TCodeFile::Area:
      ok = ConvertAreas(text, out);
      break;
    case TCodeFile::Bank:
      ok = ConvertBanks(text, out);
      break;
    case TCodeFile::Branch:
      ok = ConvertBranches(text, out);
      break;
  }
  if (!ok) return std::nullopt;
  return out;
}

bool UpdateCodeTable(TCodeFile kind, const QString& sourcePath, const QString& paramDir,
                     QString* writeProblem) {
  const std::optional<QByteArray> text = ReadWholeFile(sourcePath);
  if (!text) return false;
  const std::optional<QByteArray> table = ConvertCodeFile(kind, *text);
  if (!table) return false;
  const QString path = QDir(paramDir).filePath(TableFileName(kind));
  const std::optional<QByteArray> old = ReadWholeFile(path);
  try {
    WriteFileAtomically(path, *table);
    // A table that does not read back with every entry would leave the clerk
    // with fewer banks than the file had: the old one is put back.
    if (EntriesIn(kind, path) == CodeFileEntries(*text)) return true;
    if (old)
      WriteFileAtomically(path, *old);
    else
      QFile::remove(path);
  } catch (const TFileError& e) {
    if (writeProblem) *writeProblem = e.Message();
  }
  return false;
}

}  // namespace codetables
