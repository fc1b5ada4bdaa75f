#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "platform/files/FileError.h"

// Replaces the file with the bytes through a temporary file beside it, so that a
// crash, a full disk or a kill at any moment leaves either the old file or the
// new one. Throws TFileError when the write fails; the old file is then untouched.
void WriteFileAtomically(const QString& path, const QByteArray& bytes);

// The whole content of the file, or nothing when it cannot be read.
std::optional<QByteArray> ReadWholeFile(const QString& path);
