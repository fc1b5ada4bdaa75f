#pragma once

#include <QByteArray>
#include <QString>

#include "platform/spreadsheet/SpreadsheetError.h"

// The compound-file container of .xls workbooks: a small file system of sectors
// with one stream of interest, "Workbook".
namespace spreadsheet {

// A compound file holding one stream of that name (and the root entry).
// Streams of any size are laid out (DIFAT sectors when the FAT outgrows the
// header). A stream shorter than 4096 bytes is padded with zero bytes to 4096,
// so that no mini stream is needed; it reads back with the padding. Throws TSpreadsheetError when
// the stream cannot be stored.
QByteArray WriteCompoundFile(const QString& streamName, const QByteArray& stream);

// The bytes of the named stream (compared case-insensitively). Throws
// TSpreadsheetError when the bytes are not a compound file, are cut short or
// inconsistent (chains that loop or point outside the file), or hold no such
// stream. Never reads outside the file nor allocates more than the file can hold.
QByteArray ReadCompoundStream(const QByteArray& file, const QString& streamName);

// True when the bytes begin with the compound-file signature.
bool IsCompoundFile(const QByteArray& file);

}  // namespace spreadsheet
