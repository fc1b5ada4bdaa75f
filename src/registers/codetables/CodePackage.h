#pragma once

#include <QByteArray>
#include <QString>
#include <array>
#include <optional>

#include "registers/codetables/CodeFileConversion.h"

// The package in which the bank hands out its other-bank code files
// ("zhlhh_unload.tar.gz"), read in memory: nothing is unpacked to disk, and
// the names of its entries never decide a path.
namespace codetables {

// The three code files of a package, by kind; or the message that refuses
// the package (which file is missing, or that it cannot be read).
struct TCodePackage {
  std::array<QByteArray, 3> Texts;  // by TCodeFile
  QString Problem;
  bool Ok() const { return Problem.isEmpty(); }
};

// Whether the file is such a package by its name (".tar.gz" or ".tgz").
bool IsCodePackage(const QString& path);

// The entries whose file name (after the last "/") is one of the three code
// file names, in any letter case; the first of each name counts.
TCodePackage ReadCodePackage(const QString& path);

// Converts the three files and replaces the three tables; nothing is replaced
// unless all three convert. A table that cannot be written puts back those
// written before it. On failure the message says which file or table it was.
bool UpdateCodeTables(const TCodePackage& package, const QString& paramDir, QString* problem);

}  // namespace codetables
