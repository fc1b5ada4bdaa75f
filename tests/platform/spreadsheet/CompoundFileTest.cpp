#include <gtest/gtest.h>

#include <QRandomGenerator>
#include <QtEndian>

#include "platform/spreadsheet/CompoundFile.h"
#include "platform/spreadsheet/WorkbookData.h"

using spreadsheet::IsCompoundFile;
using spreadsheet::ReadCompoundStream;
using spreadsheet::WriteCompoundFile;

namespace {

QByteArray RandomBytes(qsizetype size, quint32 seed) {
  QRandomGenerator random(seed);
  QByteArray bytes(size, Qt::Uninitialized);
  for (qsizetype i = 0; i < size; ++i) bytes[i] = char(random.bounded(256));
  return bytes;
}

quint32 Get32(const QByteArray& file, qsizetype offset) {
  return qFromLittleEndian<quint32>(file.constData() + offset);
}
void Set32(QByteArray& file, qsizetype offset, quint32 value) {
  qToLittleEndian(value, file.data() + offset);
}

qsizetype SectorOffset(quint32 sector) {
  return (qsizetype(sector) + 1) * 512;
}
// The FAT entry of a sector, in a file whose first FAT sector is listed first in the header.
qsizetype FatEntryOffset(const QByteArray& file, quint32 sector) {
  return SectorOffset(Get32(file, 0x4C + 4 * (sector / 128))) + 4 * (sector % 128);
}
qsizetype DirectoryEntryOffset(const QByteArray& file, int entry) {
  return SectorOffset(Get32(file, 0x30)) + 128 * entry;
}

void ExpectRejected(const QByteArray& file, const char* what) {
  EXPECT_THROW(ReadCompoundStream(file, "Workbook"), TSpreadsheetError) << what;
}

TEST(CompoundFile, streamsOfEverySizeReadBackAsWritten) {
  for (qsizetype size : {qsizetype(4096), qsizetype(4097), qsizetype(512 * 127),
                         qsizetype(512 * 128), qsizetype(300000)}) {
    const QByteArray stream = RandomBytes(size, quint32(size));
    const QByteArray file = WriteCompoundFile("Workbook", stream);
    EXPECT_TRUE(IsCompoundFile(file));
    EXPECT_EQ(file.size() % 512, 0);
    EXPECT_EQ(ReadCompoundStream(file, "workbook"), stream) << size;
    EXPECT_THROW(ReadCompoundStream(file, "Book"), TSpreadsheetError);
  }
}

TEST(CompoundFile, aSmallStreamIsPaddedWithZerosToAvoidTheMiniStream) {
  const QByteArray stream("BIFF records");
  const QByteArray read = ReadCompoundStream(WriteCompoundFile("Workbook", stream), "Workbook");
  ASSERT_EQ(read.size(), 4096);
  EXPECT_TRUE(read.startsWith(stream));
  EXPECT_EQ(read.count('\0'), 4096 - stream.size());
}

TEST(CompoundFile, aStreamLargerThanTheHeaderFatListUsesDifatSectors) {
  const qsizetype size = 109 * 128 * 512 + 5 * 128 * 512 + 123;  // about 7.5 MB
  const QByteArray stream = RandomBytes(size, 7);
  const QByteArray file = WriteCompoundFile("Workbook", stream);
  EXPECT_EQ(Get32(file, 0x48), 1u);    // one DIFAT sector
  EXPECT_GT(Get32(file, 0x2C), 109u);  // FAT sectors
  EXPECT_EQ(ReadCompoundStream(file, "Workbook"), stream);

  QByteArray cut = file;
  cut.truncate(file.size() - 512);  // the last DIFAT sector is gone
  ExpectRejected(cut, "truncated DIFAT");
}

TEST(CompoundFile, damagedFilesAreRejectedWithoutReadingOutside) {
  const QByteArray good = WriteCompoundFile("Workbook", RandomBytes(20000, 1));
  ExpectRejected(QByteArray(), "empty");
  ExpectRejected(RandomBytes(5000, 2), "random bytes");
  ExpectRejected(good.left(8) + RandomBytes(5000, 3), "signature then random bytes");
  ExpectRejected(good.left(512), "header only");
  ExpectRejected(good.left(good.size() / 2), "cut in half");
  ExpectRejected(good.left(good.size() - 1), "last sector cut short");

  QByteArray looping = good;
  Set32(looping, FatEntryOffset(looping, 10), 3);
  ExpectRejected(looping, "stream chain loops");

  QByteArray selfLoop = good;
  Set32(selfLoop, FatEntryOffset(selfLoop, 0), 0);
  ExpectRejected(selfLoop, "stream chain points at itself");

  QByteArray outside = good;
  Set32(outside, FatEntryOffset(outside, 5), 0x00FFFFFF);
  ExpectRejected(outside, "chain points past the end");

  QByteArray tooLong = good;
  Set32(tooLong, DirectoryEntryOffset(tooLong, 1) + 0x78, 0x7FFFFFFF);
  ExpectRejected(tooLong, "size beyond the chain");

  QByteArray noDirectory = good;
  Set32(noDirectory, 0x30, 0xFFFFFFF0);
  ExpectRejected(noDirectory, "directory outside the file");

  QByteArray hugeFat = good;
  Set32(hugeFat, 0x2C, 0x10000000);
  ExpectRejected(hugeFat, "FAT count beyond the file");

  QByteArray badVersion = good;
  Set32(badVersion, 0x1C, 0x000CFFFE);  // 4096-byte sectors in a version 3 file
  ExpectRejected(badVersion, "sector size does not match the version");
}

// Turns the file's only stream into a 100-byte stream inside a mini stream
// that occupies the old stream's sectors, with a mini FAT in a new sector.
QByteArray WithMiniStream(const QByteArray& stream4096, quint32 secondMiniSectorNext) {
  QByteArray file = WriteCompoundFile("Workbook", stream4096);
  const quint32 miniFatSector = quint32(file.size() / 512 - 1);
  QByteArray miniFat(512, char(0xFF));
  Set32(miniFat, 0, 1);
  Set32(miniFat, 4, secondMiniSectorNext);
  file.append(miniFat);
  Set32(file, FatEntryOffset(file, miniFatSector), 0xFFFFFFFE);
  Set32(file, 0x3C, miniFatSector);
  Set32(file, 0x40, 1);
  Set32(file, DirectoryEntryOffset(file, 0) + 0x74, 0);
  Set32(file, DirectoryEntryOffset(file, 0) + 0x78, 4096);
  Set32(file, DirectoryEntryOffset(file, 1) + 0x74, 0);
  Set32(file, DirectoryEntryOffset(file, 1) + 0x78, 100);
  return file;
}

TEST(CompoundFile, smallStreamsOfOtherWritersAreReadFromTheMiniStream) {
  const QByteArray stream = RandomBytes(4096, 9);
  EXPECT_EQ(ReadCompoundStream(WithMiniStream(stream, 0xFFFFFFFE), "Workbook"), stream.left(100));
  ExpectRejected(WithMiniStream(stream, 0), "mini chain loops");
  ExpectRejected(WithMiniStream(stream, 64), "mini chain points past the mini stream");
}

}  // namespace
