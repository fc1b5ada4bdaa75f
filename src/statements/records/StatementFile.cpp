#include "statements/records/StatementFile.h"

#include <QFile>

#include "statements/records/LineSplit.h"

TStatementFileRead LineFailure(const QString& message, int lineNo) {
  TStatementFileRead read;
  read.Failure = message + QStringLiteral("（第%1行）").arg(lineNo);
  read.FailedLine = lineNo;
  return read;
}

TStatementFileRead FileFailure(const QString& message) {
  TStatementFileRead read;
  read.Failure = message;
  return read;
}

std::optional<QByteArray> FileBytes(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  QByteArray bytes = file.readAll();
  if (file.error() != QFileDevice::NoError) return std::nullopt;
  return bytes;
}

void ForEachLine(QStringView text, const std::function<bool(QStringView, int)>& onLine) {
  int lineNo = 0;
  qsizetype begin = 0;
  while (begin < text.size()) {
    qsizetype end = begin;
    while (end < text.size() && text[end] != u'\n' && text[end] != u'\r') ++end;
    ++lineNo;
    const QStringView line = text.sliced(begin, end - begin);
    if (!TrimField(line).isEmpty() && !onLine(line, lineNo)) return;
    begin = end + 1;
    if (end + 1 < text.size() && text[end] == u'\r' && text[end + 1] == u'\n') ++begin;
  }
}
