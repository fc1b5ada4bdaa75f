#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>
#include <functional>
#include <optional>

// What reading a statement file came to. A file is read line by line into the
// table; a line that cannot be read stops the reading, and the rows read before
// it stay.
struct TStatementFileRead {
  // The message for the clerk when a line or the file could not be read, the
  // line named at its end ("……（第12行）"); empty when every line was read.
  QString Failure;
  int FailedLine = 0;  // counted from 1; 0 when the file itself could not be read
  // Account-detail files: 本方帐号 and 本方帐户名称 of the last data line, for the
  // header of the screen.
  QString AccNo;
  QString AccName;

  bool Ok() const { return Failure.isEmpty(); }
};

// For the readers: the failure of a line, and of a file that cannot be read.
TStatementFileRead LineFailure(const QString& message, int lineNo);
TStatementFileRead FileFailure(const QString& message);

// For the readers: the bytes of a file, nothing when it cannot be read.
std::optional<QByteArray> FileBytes(const QString& path);

// For the readers: hands each line of the text that is not blank to onLine
// with its number in the file, counted from 1, until onLine returns false.
// Lines end at LF, CR LF or a lone CR.
void ForEachLine(QStringView text, const std::function<bool(QStringView, int)>& onLine);
