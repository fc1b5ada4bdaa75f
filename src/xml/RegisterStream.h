#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

#include "xml/XmlNodes.h"

// Register files read and written one item at a time, so that a register of a
// hundred thousand entries never stands in memory as one document tree. The
// bytes are the same as those of the whole-document functions in XmlFiles.h.
namespace xml {

// Reads register file bytes (GBK whatever the declaration says). onRoot gets the
// document element's name; onChild gets each child element of it in order, as
// the element of a small document that lives for that call. False when the bytes
// are not valid GBK or not well-formed XML; the callbacks may then have run for
// the children before the fault.
bool StreamRegisterBytes(const QByteArray& bytes, const std::function<void(const char*)>& onRoot,
                         const std::function<void(Node)>& onChild);

// Reads and streams a register file; false when missing, unreadable or broken.
bool StreamRegisterFile(const QString& path, const std::function<void(const char*)>& onRoot,
                        const std::function<void(Node)>& onChild);

// The register file bytes of a root element holding count items: saveItem(i,
// root) appends item i under the (otherwise empty) root element.
QByteArray RegisterFileBytes(const char* rootName, qsizetype count,
                             const std::function<void(qsizetype, Node)>& saveItem);

// Writes those bytes atomically; throws TFileError when the file cannot be written.
void SaveRegisterFile(const QString& path, const char* rootName, qsizetype count,
                      const std::function<void(qsizetype, Node)>& saveItem);

}  // namespace xml
