#include "ZipFile.h"

#include <zip.h>

#include <memory>

namespace {

using TOwnedSource = std::unique_ptr<zip_source_t, decltype(&zip_source_free)>;

// The bytes of a closed archive's source.
QByteArray ReadSource(zip_source_t* source) {
  zip_stat_t stat;
  if (zip_source_stat(source, &stat) != 0 || zip_source_open(source) != 0) return {};
  QByteArray bytes(qsizetype(stat.size), '\0');
  const zip_int64_t read = zip_source_read(source, bytes.data(), stat.size);
  zip_source_close(source);
  return read == zip_int64_t(stat.size) ? bytes : QByteArray();
}

}  // namespace

QByteArray ZipOf(const QString& fileName, const QByteArray& content) {
  zip_source_t* buffer = zip_source_buffer_create(nullptr, 0, 0, nullptr);
  if (!buffer) return {};
  zip_t* zip = zip_open_from_source(buffer, ZIP_TRUNCATE, nullptr);
  if (!zip) {
    zip_source_free(buffer);
    return {};
  }
  zip_source_keep(buffer);  // read after the archive is closed
  const TOwnedSource owned(buffer, &zip_source_free);
  zip_source_t* file = zip_source_buffer(zip, content.constData(), zip_uint64_t(content.size()), 0);
  if (!file || zip_file_add(zip, fileName.toUtf8().constData(), file, ZIP_FL_ENC_UTF_8) < 0) {
    zip_source_free(file);
    zip_discard(zip);
    return {};
  }
  if (zip_close(zip) != 0) {
    zip_discard(zip);
    return {};
  }
  return ReadSource(buffer);
}
