#include <gtest/gtest.h>

#include <QDir>

#include "platform/files/AtomicFile.h"
#include "support/FileSizeLimit.h"
#include "support/TempAppDir.h"

namespace {

TEST(AtomicFile, replacesTheFileAndLeavesNoTemporaryBehind) {
  TempAppDir dir;
  dir.Write("a.txt", "old");
  WriteFileAtomically(dir.File("a.txt"), "new content");
  EXPECT_EQ(dir.Read("a.txt"), QByteArray("new content"));
  EXPECT_EQ(QDir(dir.Path()).entryList(QDir::Files), QStringList{QStringLiteral("a.txt")});
}

TEST(AtomicFile, aWriteThatFailsHalfWayLeavesTheOldFileWhole) {
  TempAppDir dir;
  dir.Write("a.txt", "old");
  {
    FileSizeLimit limit(1000);  // the disk fills up after 1000 bytes
    EXPECT_THROW(WriteFileAtomically(dir.File("a.txt"), QByteArray(100000, 'x')), TFileError);
    // A file small enough to stay in the write buffer until the end.
    EXPECT_THROW(WriteFileAtomically(dir.File("a.txt"), QByteArray(1500, 'y')), TFileError);
  }
  EXPECT_EQ(dir.Read("a.txt"), QByteArray("old"));
  EXPECT_EQ(QDir(dir.Path()).entryList(QDir::Files), QStringList{QStringLiteral("a.txt")});
}

TEST(AtomicFile, anUnwritablePlaceIsReportedWithThePath) {
  TempAppDir dir;
  try {
    WriteFileAtomically(dir.File("missing/a.txt"), "x");
    FAIL() << "no error";
  } catch (const TFileError& e) {
    EXPECT_TRUE(e.Message().contains(QStringLiteral("missing/a.txt"))) << e.what();
  }
  EXPECT_FALSE(ReadWholeFile(dir.File("missing/a.txt")).has_value());
}

}  // namespace
