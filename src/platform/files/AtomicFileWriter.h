#pragma once

#include <QByteArrayView>
#include <QString>
#include <memory>

#include "platform/files/FileError.h"

class QSaveFile;

// Writes a file piece by piece through a temporary file beside it, which
// replaces the old file only at Commit. Until then, and when anything fails, the
// old file stays as it was. Failures throw TFileError.
class TAtomicFileWriter {
 public:
  explicit TAtomicFileWriter(const QString& path);
  ~TAtomicFileWriter();
  TAtomicFileWriter(const TAtomicFileWriter&) = delete;
  TAtomicFileWriter& operator=(const TAtomicFileWriter&) = delete;

  void Write(QByteArrayView bytes);
  void Commit();

 private:
  [[noreturn]] void Fail();
  QString path_;
  std::unique_ptr<QSaveFile> file_;
};
