#pragma once

#include <QByteArray>
#include <string>
#include <string_view>

#include "xml/XmlNodes.h"

// Pieces shared by the whole-document and the item-by-item file functions.
namespace xml {

// Collects pugixml output in memory.
struct StringWriter : pugi::xml_writer {
  std::string Text;
  void write(const void* data, size_t size) override {
    Text.append(static_cast<const char*>(data), size);
  }
};

// The first line of a register file, with its CR LF.
QByteArray RegisterDeclarationLine();

// Appends UTF-8 markup as GBK; a character GBK cannot hold becomes a character
// reference, so that it survives. The system's own files only carry such
// characters in element text and attribute values, where a reference is valid.
void AppendMarkupAsGbk(QByteArray& out, std::string_view utf8);

// Parses UTF-8 markup (or, given encoding_auto, markup whose byte-order mark
// names its encoding) into the document, emptied first; false when it is not
// well-formed, with the document empty.
bool ParseUtf8Fragment(std::string_view utf8, Document& doc,
                       pugi::xml_encoding encoding = pugi::encoding_utf8);

// Parses UTF-8 markup in place: the document points into the buffer, which
// must outlive it. False when it is not well-formed, with the document empty.
bool ParseUtf8InPlace(char* utf8, size_t size, Document& doc);

}  // namespace xml
