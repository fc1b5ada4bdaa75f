#include "platform/files/AtomicFileWriter.h"

#include "platform/files/FileProblem.h"

#include <QSaveFile>

TAtomicFileWriter::TAtomicFileWriter(const QString& path)
    : path_(path), file_(std::make_unique<QSaveFile>(path)) {
  // Never fall back to writing the target in place: that is what can leave half a file.
  file_->setDirectWriteFallback(false);
  if (!file_->open(QIODevice::WriteOnly)) Fail();
}

TAtomicFileWriter::~TAtomicFileWriter() = default;  // an uncommitted file is discarded

void TAtomicFileWriter::Write(QByteArrayView bytes) {
  if (file_->write(bytes.data(), bytes.size()) != bytes.size()) Fail();
}

void TAtomicFileWriter::Commit() {
  // Small writes wait in the file's buffer, and commit() renames the file even
  // when writing out that buffer fails (a full disk): flush first and check.
  if (!file_->flush()) Fail();
  if (!file_->commit()) Fail();
}

void TAtomicFileWriter::Fail() {
  file_->cancelWriting();
  const QString reason = WriteProblemText(path_);
  throw TFileError(QStringLiteral("无法写入文件 %1：%2").arg(path_, reason));
}
