#include "platform/files/AtomicFile.h"

#include <QFile>

#include "platform/files/AtomicFileWriter.h"

void WriteFileAtomically(const QString& path, const QByteArray& bytes) {
  TAtomicFileWriter writer(path);
  writer.Write(bytes);
  writer.Commit();
}

std::optional<QByteArray> ReadWholeFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  return file.readAll();
}
