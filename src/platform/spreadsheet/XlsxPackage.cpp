#include "platform/spreadsheet/XlsxPackage.h"

#include <zip.h>

#include <QDir>
#include <QFile>
#include <algorithm>

#include "platform/files/FileProblem.h"

namespace spreadsheet {

TXlsxPackage::TXlsxPackage(const QString& path, const TXlsxLimits& limits)
    : path_(path), limits_(limits) {
  int error = 0;
  zip_t* zip = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, &error);
  Opened(zip, error);
}

TXlsxPackage::TXlsxPackage(const QByteArray& bytes, const QString& name, const TXlsxLimits& limits)
    : path_(name), limits_(limits) {
  zip_error_t error;
  zip_error_init(&error);
  zip_source_t* source =
      zip_source_buffer_create(bytes.constData(), zip_uint64_t(bytes.size()), 0, &error);
  zip_t* zip = source ? zip_open_from_source(source, ZIP_RDONLY, &error) : nullptr;
  // The archive owns the source once it is open; until then it is ours to free.
  if (source && !zip) zip_source_free(source);
  const int code = zip_error_code_zip(&error);
  zip_error_fini(&error);
  Opened(zip, code);
}

void TXlsxPackage::Opened(zip_t* zip, int error) {
  zip_.reset(zip);
  if (!zip_) {
    switch (error) {
      case ZIP_ER_NOENT:
        Fail(QStringLiteral("文件不存在。"));
      case ZIP_ER_OPEN:
      case ZIP_ER_READ:
      case ZIP_ER_SEEK:
        Fail(ReadProblemText(path_));
      case ZIP_ER_MEMORY:
        Fail(QStringLiteral("内存不足。"));
      default:
        Fail(QStringLiteral("文件已损坏或不是有效的 .xlsx 工作簿。"));
    }
  }
  const zip_int64_t entries = zip_get_num_entries(zip_.get(), 0);
  if (entries < 0 || entries > limits_.Entries)
    Fail(QStringLiteral("文件包含的部件过多，不是有效的工作簿。"));
}

TXlsxPackage::~TXlsxPackage() = default;

void TXlsxPackage::TZipCloser::operator()(zip_t* zip) const {
  zip_discard(zip);
}

void TXlsxPackage::Fail(const QString& reason) const {
  throw TSpreadsheetError(
      QStringLiteral("无法读取工作簿 %1：%2").arg(QDir::toNativeSeparators(path_), reason));
}

std::optional<TXlsxPart> TXlsxPackage::Read(const std::string& name, bool asTree) {
  const zip_int64_t index = zip_name_locate(zip_.get(), name.c_str(), 0);
  if (index < 0) return std::nullopt;
  const QString damaged =
      QStringLiteral("文件已损坏（部件 %1）。").arg(QString::fromStdString(name));
  const uint64_t limit = std::min(asTree ? limits_.BytesPerTreePart : limits_.BytesPerPart,
                                  limits_.BytesInTotal - std::min(inflated_, limits_.BytesInTotal));
  // The declared size only sets the first allocation, never beyond the limit.
  constexpr size_t kChunk = 256 * 1024;
  size_t capacity = kChunk;
  zip_stat_t stat;
  if (zip_stat_index(zip_.get(), zip_uint64_t(index), 0, &stat) == 0 &&
      (stat.valid & ZIP_STAT_SIZE))
    capacity = size_t(std::min<uint64_t>(stat.size, limit)) + kChunk;
  TXlsxPart part;
  part.Bytes.reset(static_cast<char*>(std::malloc(capacity)));
  if (!part.Bytes) Fail(QStringLiteral("内存不足。"));
  const std::unique_ptr<zip_file_t, int (*)(zip_file_t*)> file(
      zip_fopen_index(zip_.get(), zip_uint64_t(index), 0), &zip_fclose);
  if (!file) Fail(damaged);
  for (;;) {
    if (capacity - part.Size < kChunk) {
      capacity *= 2;
      char* grown = static_cast<char*>(std::realloc(part.Bytes.get(), capacity));
      if (!grown) Fail(QStringLiteral("内存不足。"));
      static_cast<void>(part.Bytes.release());  // realloc moved or kept the block
      part.Bytes.reset(grown);
    }
    const zip_int64_t got = zip_fread(file.get(), part.end(), kChunk);
    if (got < 0) Fail(damaged);
    part.Size += size_t(got);
    if (part.Size > limit) Fail(QStringLiteral("某个部件解压后超出工作簿的合理大小。"));
    if (got == 0) break;
  }
  inflated_ += part.Size;
  return part;
}

}  // namespace spreadsheet
