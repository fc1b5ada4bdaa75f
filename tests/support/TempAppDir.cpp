#include "support/TempAppDir.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <stdexcept>

TempAppDir::TempAppDir() {
  if (!dir_.isValid()) throw std::runtime_error("cannot create a temporary directory");
}

QString TempAppDir::File(const QString& relative) const {
  return dir_.filePath(relative);
}

void TempAppDir::Write(const QString& relative, const QByteArray& bytes) const {
  const QString path = File(relative);
  QDir().mkpath(QFileInfo(path).path());
  QFile f(path);
  if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
    throw std::runtime_error("cannot write test file");
}

QByteArray TempAppDir::Read(const QString& relative) const {
  QFile f(File(relative));
  if (!f.open(QIODevice::ReadOnly)) return {};
  return f.readAll();
}
