#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <memory>
#include <optional>
#include <stdexcept>

#include "platform/errors/ClerkError.h"

class QSaveFile;

// A file could not be written or read. The message names the file and the reason.
class TFileError : public TClerkError {
 public:
  using TClerkError::TClerkError;
};

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

// Replaces the file with the bytes through a temporary file beside it, so that a
// crash, a full disk or a kill at any moment leaves either the old file or the
// new one. Throws TFileError when the write fails; the old file is then untouched.
void WriteFileAtomically(const QString& path, const QByteArray& bytes);

// The whole content of the file, or nothing when it cannot be read.
std::optional<QByteArray> ReadWholeFile(const QString& path);
