#include "platform/files/AtomicFile.h"

#include <QFile>
#include <QSaveFile>

TFileError::TFileError(const QString& message) : std::runtime_error(message.toStdString()) {}

QString TFileError::message() const { return QString::fromStdString(what()); }

void WriteFileAtomically(const QString& path, const QByteArray& bytes) {
  QSaveFile file(path);
  // Never fall back to writing the target in place: that is what can leave half a file.
  file.setDirectWriteFallback(false);
  if (!file.open(QIODevice::WriteOnly))
    throw TFileError(QStringLiteral("无法写入文件 %1：%2").arg(path, file.errorString()));
  if (file.write(bytes) != bytes.size() || !file.commit()) {
    const QString reason = file.errorString();
    file.cancelWriting();
    throw TFileError(QStringLiteral("无法写入文件 %1：%2").arg(path, reason));
  }
}

std::optional<QByteArray> ReadWholeFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  return file.readAll();
}
