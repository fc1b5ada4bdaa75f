#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "xml/XmlNodes.h"

// Reading and writing whole XML documents.
//
// Register files are GBK: a declaration line naming GB2312, then the compact
// document, both lines ended by CR LF. They are read as GBK whatever their
// declaration says. Other work files are written by the library's own save:
// UTF-8 without a declaration.
namespace xml {

// The two-line register form of the document, as GBK bytes. A character that
// GBK cannot hold is written as a character reference, so it survives.
QByteArray RegisterFileBytes(const Document& doc);

// Writes RegisterFileBytes to the path, replacing the old file atomically.
// Throws TFileError when it cannot be written; the old file is then untouched.
void SaveRegisterFile(const Document& doc, const QString& path);

// Parses register file bytes as GBK. False, with the document empty, when the
// bytes are not valid GBK or not well-formed XML.
bool ParseRegisterBytes(const QByteArray& bytes, Document& doc);

// Reads and parses a register file; false when missing, unreadable or broken.
bool LoadRegisterFile(const QString& path, Document& doc);

// The document as UTF-8 without a declaration, indented or compact.
QByteArray LibraryFileBytes(const Document& doc, bool indent);

// Writes LibraryFileBytes atomically; throws TFileError on failure.
void SaveLibraryFile(const Document& doc, const QString& path, bool indent);

// Parses a document in the encoding its declaration names (GB2312, GBK and
// GB18030 as GBK; otherwise UTF-8, or UTF-16 by its byte-order mark). False,
// with the document empty, when the file is missing or not well-formed.
bool LoadLibraryFile(const QString& path, Document& doc);
bool ParseLibraryBytes(const QByteArray& bytes, Document& doc);

}  // namespace xml
