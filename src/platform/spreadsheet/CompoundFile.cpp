#include "platform/spreadsheet/CompoundFile.h"

#include <QtEndian>
#include <cstring>
#include <vector>

#include "platform/spreadsheet/WorkbookData.h"

namespace spreadsheet {
namespace {

constexpr quint32 kFreeSector = 0xFFFFFFFF;
constexpr quint32 kEndOfChain = 0xFFFFFFFE;
constexpr quint32 kFatSector = 0xFFFFFFFD;
constexpr quint32 kDifatSector = 0xFFFFFFFC;
constexpr quint32 kNoStream = 0xFFFFFFFF;
constexpr int kHeaderSize = 512;
constexpr int kHeaderDifatCount = 109;
constexpr int kDirectoryEntrySize = 128;
constexpr quint32 kMiniStreamCutoff = 0x1000;
constexpr int kMiniSectorSize = 64;
constexpr unsigned char kSignature[8] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};

quint16 U16(const char* p) {
  return qFromLittleEndian<quint16>(p);
}
quint32 U32(const char* p) {
  return qFromLittleEndian<quint32>(p);
}

[[noreturn]] void Damaged() {
  throw TSpreadsheetError(QString::fromUtf8("文件已损坏或不是有效的 .xls 工作簿，无法读取。"));
}

// A compound file being read: its sectors, FAT and directory.
class TCompoundReader {
 public:
  explicit TCompoundReader(const QByteArray& file) : file_(file) {
    if (!IsCompoundFile(file) || file.size() < kHeaderSize) Damaged();
    const char* header = file.constData();
    const quint16 major = U16(header + 0x1A);
    const quint16 shift = U16(header + 0x1E);
    if (U16(header + 0x1C) != 0xFFFE) Damaged();
    if (!((major == 3 && shift == 9) || (major == 4 && shift == 12))) Damaged();
    if (U16(header + 0x20) != 6) Damaged();
    sectorSize_ = 1 << shift;
    if (file.size() <= sectorSize_) Damaged();
    sectorCount_ = quint32((qint64(file.size()) - sectorSize_ + sectorSize_ - 1) / sectorSize_);
    miniCutoff_ = U32(header + 0x38);
    LoadFat(header);
  }

  QByteArray Stream(const QString& name) const {
    const QByteArray directory = ChainBytes(U32(file_.constData() + 0x30), -1);
    const int entryCount = int(directory.size() / kDirectoryEntrySize);
    if (entryCount == 0) Damaged();
    const char* root = directory.constData();
    if (root[0x42] != 5) Damaged();
    for (int i = 1; i < entryCount; ++i) {
      const char* entry = directory.constData() + qsizetype(i) * kDirectoryEntrySize;
      if (entry[0x42] != 2 || EntryName(entry).compare(name, Qt::CaseInsensitive) != 0) continue;
      const qint64 size = EntrySize(entry);
      const quint32 start = U32(entry + 0x74);
      if (size < miniCutoff_) return MiniStreamBytes(root, start, size);
      return ChainBytes(start, size);
    }
    throw TSpreadsheetError(
        QString::fromUtf8("文件中没有“%1”数据流，不是有效的 .xls 工作簿。").arg(name));
  }

 private:
  const char* SectorData(quint32 sector) const {
    return file_.constData() + (qint64(sector) + 1) * sectorSize_;
  }

  // Bytes of sector that lie inside the file (the last sector may be cut short).
  qint64 SectorBytesInFile(quint32 sector) const {
    const qint64 offset = (qint64(sector) + 1) * sectorSize_;
    return qMin<qint64>(sectorSize_, file_.size() - offset);
  }

  void LoadFat(const char* header) {
    std::vector<quint32> fatSectors;
    const quint32 declaredFatCount = U32(header + 0x2C);
    if (declaredFatCount > sectorCount_) Damaged();
    for (int i = 0; i < kHeaderDifatCount && fatSectors.size() < declaredFatCount; ++i)
      fatSectors.push_back(U32(header + 0x4C + 4 * i));
    quint32 difat = U32(header + 0x44);
    const int perDifat = sectorSize_ / 4 - 1;
    quint32 visited = 0;
    while (fatSectors.size() < declaredFatCount && difat != kEndOfChain && difat != kFreeSector) {
      if (difat >= sectorCount_ || ++visited > sectorCount_) Damaged();
      if (SectorBytesInFile(difat) < sectorSize_) Damaged();
      const char* data = SectorData(difat);
      for (int i = 0; i < perDifat && fatSectors.size() < declaredFatCount; ++i)
        fatSectors.push_back(U32(data + 4 * i));
      difat = U32(data + 4 * perDifat);
    }
    if (fatSectors.size() < declaredFatCount) Damaged();
    const int perSector = sectorSize_ / 4;
    fat_.reserve(fatSectors.size() * size_t(perSector));
    for (quint32 sector : fatSectors) {
      if (sector >= sectorCount_ || SectorBytesInFile(sector) < sectorSize_) Damaged();
      const char* data = SectorData(sector);
      for (int i = 0; i < perSector; ++i) fat_.push_back(U32(data + 4 * i));
    }
  }

  // The sectors of a chain, in order. A chain longer than the file has sectors loops.
  std::vector<quint32> Chain(quint32 start, const std::vector<quint32>& table,
                             quint32 limit) const {
    std::vector<quint32> sectors;
    quint32 sector = start;
    while (sector != kEndOfChain) {
      if (sector >= limit || sector >= table.size() || sectors.size() >= limit) Damaged();
      sectors.push_back(sector);
      sector = table[sector];
    }
    return sectors;
  }

  // The bytes of a chain of sectors; size < 0 takes the whole chain.
  QByteArray ChainBytes(quint32 start, qint64 size) const {
    if (size == 0) return {};
    const std::vector<quint32> sectors = Chain(start, fat_, sectorCount_);
    const qint64 capacity = qint64(sectors.size()) * sectorSize_;
    if (size < 0) size = capacity;
    if (size > capacity) Damaged();
    QByteArray bytes;
    bytes.resize(size);
    char* out = bytes.data();
    qint64 remaining = size;
    for (quint32 sector : sectors) {
      if (remaining <= 0) break;
      const qint64 take = qMin<qint64>(remaining, sectorSize_);
      if (SectorBytesInFile(sector) < take) Damaged();
      std::memcpy(out, SectorData(sector), size_t(take));
      out += take;
      remaining -= take;
    }
    return bytes;
  }

  QByteArray MiniStreamBytes(const char* root, quint32 start, qint64 size) const {
    if (size == 0) return {};
    const QByteArray miniFatBytes = ChainBytes(U32(file_.constData() + 0x3C), -1);
    std::vector<quint32> miniFat(size_t(miniFatBytes.size() / 4));
    for (size_t i = 0; i < miniFat.size(); ++i) miniFat[i] = U32(miniFatBytes.constData() + 4 * i);
    const QByteArray miniStream = ChainBytes(U32(root + 0x74), EntrySize(root));
    const quint32 miniCount = quint32(miniStream.size() / kMiniSectorSize);
    const std::vector<quint32> sectors = Chain(start, miniFat, miniCount);
    if (qint64(sectors.size()) * kMiniSectorSize < size) Damaged();
    QByteArray bytes;
    bytes.resize(size);
    char* out = bytes.data();
    qint64 remaining = size;
    for (quint32 sector : sectors) {
      if (remaining <= 0) break;
      const qint64 take = qMin<qint64>(remaining, kMiniSectorSize);
      std::memcpy(out, miniStream.constData() + qsizetype(sector) * kMiniSectorSize, size_t(take));
      out += take;
      remaining -= take;
    }
    return bytes;
  }

  qint64 EntrySize(const char* entry) const {
    // Version 3 files may leave garbage in the upper half of the size.
    if (sectorSize_ == 512) return U32(entry + 0x78);
    return qint64(qFromLittleEndian<quint64>(entry + 0x78) & 0x7FFFFFFFFFFFFFFFULL);
  }

  static QString EntryName(const char* entry) {
    const int bytes = qMin<int>(U16(entry + 0x40), 64);
    const int units = qMax(0, bytes / 2 - 1);
    QString name(units, Qt::Uninitialized);
    for (int i = 0; i < units; ++i) name[i] = QChar(U16(entry + 2 * i));
    return name;
  }

  const QByteArray& file_;
  int sectorSize_ = 512;
  quint32 sectorCount_ = 0;
  quint32 miniCutoff_ = kMiniStreamCutoff;
  std::vector<quint32> fat_;
};

void Put16(char* p, quint16 value) {
  qToLittleEndian(value, p);
}
void Put32(char* p, quint32 value) {
  qToLittleEndian(value, p);
}

void WriteDirectoryEntry(char* entry, const QString& name, quint8 type, quint32 child,
                         quint32 start, quint32 size) {
  for (int i = 0; i < name.size(); ++i) Put16(entry + 2 * i, name[i].unicode());
  Put16(entry + 0x40, quint16((name.size() + 1) * 2));
  entry[0x42] = char(type);
  entry[0x43] = 1;  // black
  Put32(entry + 0x44, kNoStream);
  Put32(entry + 0x48, kNoStream);
  Put32(entry + 0x4C, child);
  Put32(entry + 0x74, start);
  Put32(entry + 0x78, size);
}

}  // namespace

bool IsCompoundFile(const QByteArray& file) {
  return file.size() >= 8 && std::memcmp(file.constData(), kSignature, 8) == 0;
}

QByteArray ReadCompoundStream(const QByteArray& file, const QString& streamName) {
  return TCompoundReader(file).Stream(streamName);
}

QByteArray WriteCompoundFile(const QString& streamName, const QByteArray& stream) {
  constexpr int kSectorSize = 512;
  constexpr int kPerSector = kSectorSize / 4;
  if (streamName.isEmpty() || streamName.size() > 31)
    throw TSpreadsheetError(QString::fromUtf8("数据流名称“%1”无效。").arg(streamName));
  // A stream below the cutoff would belong in the mini stream; zero padding avoids one.
  const qint64 streamSize = qMax<qint64>(stream.size(), kMiniStreamCutoff);
  const qint64 streamSectors = (streamSize + kSectorSize - 1) / kSectorSize;
  qint64 fatSectors = 0;
  qint64 difatSectors = 0;
  for (;;) {
    const qint64 total = streamSectors + 1 + fatSectors + difatSectors;
    const qint64 neededFat = (total + kPerSector - 1) / kPerSector;
    const qint64 neededDifat =
        neededFat > kHeaderDifatCount
            ? (neededFat - kHeaderDifatCount + kPerSector - 2) / (kPerSector - 1)
            : 0;
    if (neededFat == fatSectors && neededDifat == difatSectors) break;
    fatSectors = neededFat;
    difatSectors = neededDifat;
  }
  const qint64 totalSectors = streamSectors + 1 + fatSectors + difatSectors;
  const qint64 fileSize = (totalSectors + 1) * kSectorSize;
  if (fileSize > 0x7FFF0000LL)
    throw TSpreadsheetError(
        QString::fromUtf8("工作簿太大，无法保存为 .xls 文件，请保存为 .xlsx。"));

  QByteArray file(fileSize, '\0');
  char* data = file.data();
  auto sector = [&](qint64 n) { return data + (n + 1) * kSectorSize; };
  const quint32 directorySector = quint32(streamSectors);
  const quint32 firstFat = directorySector + 1;
  const quint32 firstDifat = firstFat + quint32(fatSectors);

  std::memcpy(data, kSignature, 8);
  Put16(data + 0x18, 0x003E);
  Put16(data + 0x1A, 3);
  Put16(data + 0x1C, 0xFFFE);
  Put16(data + 0x1E, 9);
  Put16(data + 0x20, 6);
  Put32(data + 0x2C, quint32(fatSectors));
  Put32(data + 0x30, directorySector);
  Put32(data + 0x38, kMiniStreamCutoff);
  Put32(data + 0x3C, kEndOfChain);
  Put32(data + 0x44, difatSectors > 0 ? firstDifat : kEndOfChain);
  Put32(data + 0x48, quint32(difatSectors));
  for (int i = 0; i < kHeaderDifatCount; ++i)
    Put32(data + 0x4C + 4 * i, i < fatSectors ? firstFat + quint32(i) : kFreeSector);

  std::memcpy(sector(0), stream.constData(), size_t(stream.size()));

  char* directory = sector(directorySector);
  WriteDirectoryEntry(directory, QStringLiteral("Root Entry"), 5, 1, kEndOfChain, 0);
  WriteDirectoryEntry(directory + kDirectoryEntrySize, streamName, 2, kNoStream, 0,
                      quint32(streamSize));
  for (int i = 2; i < kSectorSize / kDirectoryEntrySize; ++i) {
    char* unused = directory + i * kDirectoryEntrySize;
    Put32(unused + 0x44, kNoStream);
    Put32(unused + 0x48, kNoStream);
    Put32(unused + 0x4C, kNoStream);
  }

  char* fat = sector(firstFat);  // the FAT sectors are contiguous
  std::memset(fat, 0xFF, size_t(fatSectors * kSectorSize));
  for (qint64 i = 0; i < streamSectors; ++i)
    Put32(fat + 4 * i, i + 1 < streamSectors ? quint32(i + 1) : kEndOfChain);
  Put32(fat + 4 * qint64(directorySector), kEndOfChain);
  for (qint64 i = 0; i < fatSectors; ++i) Put32(fat + 4 * (firstFat + i), kFatSector);
  for (qint64 i = 0; i < difatSectors; ++i) Put32(fat + 4 * (firstDifat + i), kDifatSector);

  char* difat = sector(firstDifat);
  std::memset(difat, 0xFF, size_t(difatSectors * kSectorSize));
  for (qint64 i = kHeaderDifatCount; i < fatSectors; ++i) {
    const qint64 slot = i - kHeaderDifatCount;
    Put32(difat + (slot / (kPerSector - 1)) * kSectorSize + 4 * (slot % (kPerSector - 1)),
          firstFat + quint32(i));
  }
  for (qint64 i = 0; i < difatSectors; ++i)
    Put32(difat + i * kSectorSize + 4 * (kPerSector - 1),
          i + 1 < difatSectors ? firstDifat + quint32(i + 1) : kEndOfChain);
  return file;
}

}  // namespace spreadsheet
