#pragma once

#include <QByteArray>
#include <QString>

struct TPayResultDoc;
struct TUSER;

// N19107: the name of the document's result file; choice is "0" for all
// records, "1" the successful ones, "2" the failed ones.
QByteArray ResultFileNameBody(const TUSER& user, const TPayResultDoc& doc, const QString& choice);

// A file the bank names as a path: what comes before its last "/" and after.
struct TRemoteFile {
  QString Path;
  QString Name;
};
TRemoteFile SplitRemoteFile(const QString& recptFileNm);

// The newer interface's file request, to "/NNVX/NECV6FileDownload".
QByteArray N17FileBody(const TUSER& user, const TRemoteFile& file);

// The older interface's file request, to "/NNVX/NECV5FileDownload": source is
// the prefix ("A", "S", "F" or "C") and the file name.
QByteArray File661Body(const TUSER& user, const QString& source);

// The name an older-interface document's result file goes by: its file name,
// with ".zip" when the bank packs its files ("FILETYPE" "false") and the
// document has results of each kind.
QString File661Name(const TPayResultDoc& doc);
// Whether the clerk chooses between all, successful and failed records.
bool Chooses661Kind(const TPayResultDoc& doc);
