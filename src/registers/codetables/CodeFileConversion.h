#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <optional>

// The bank distributes its other-bank code tables as "|"-separated GBK text
// files; these functions turn each of them into the XML table the program reads.
namespace codetables {

enum class TCodeFile { Area, Bank, Branch };

// "AREACODE.TXT", "OTHERBANKCODE.TXT", "UBANKCODE.TXT"
QString SourceFileName(TCodeFile kind);
// "AreaPeov.xml", "OtherBank.xml", "UBank.xml"
QString TableFileName(TCodeFile kind);

// The table file's bytes for the text file's bytes; nothing when the text is empty, not
// valid GBK, holds control bytes other than tab and line ends, or a line breaks the format: an area
// or bank line with a field too many, or a value that would make the table unreadable (a code
// containing '"',
// '<' or '&', a name containing "]]>").
std::optional<QByteArray> ConvertCodeFile(TCodeFile kind, QByteArrayView text);

// The entries the text of a code file makes, one a line, and those that table
// bytes hold as the program reads them (-1 when they do not read).
qsizetype CodeFileEntries(QByteArrayView text);
qsizetype TableEntries(TCodeFile kind, const QByteArray& table);

// Reads sourcePath, converts it and replaces paramDir/TableFileName(kind)
// atomically, then reads the table back. False on any failure, a table that
// does not read back with one entry per line included; the old table is then
// as it was. The old table need not exist or be readable. When the table
// could not be written, writeProblem (if given) gets the message naming the
// file and the reason.
bool UpdateCodeTable(TCodeFile kind, const QString& sourcePath, const QString& paramDir,
                     QString* writeProblem = nullptr);

}  // namespace codetables
