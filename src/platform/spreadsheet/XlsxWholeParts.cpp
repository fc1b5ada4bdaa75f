#include "platform/spreadsheet/XlsxWholeParts.h"

#include <zip.h>

#include <QByteArray>
#include <QFile>
#include <algorithm>
#include <memory>

namespace spreadsheet {

namespace {

// The name of the first element of an XML text, past its declaration.
QByteArray RootName(const QByteArray& head) {
  qsizetype at = head.indexOf('<');
  while (at >= 0 && at + 1 < head.size() && (head[at + 1] == '?' || head[at + 1] == '!'))
    at = head.indexOf('<', at + 1);
  if (at < 0) return {};
  qsizetype end = at + 1;
  while (end < head.size() && !QByteArrayView(" \t\r\n/>").contains(head[end])) ++end;
  return head.mid(at + 1, end - at - 1);
}

bool PartIsWhole(zip_t* zip, zip_uint64_t index) {
  const std::unique_ptr<zip_file_t, int (*)(zip_file_t*)> part(zip_fopen_index(zip, index, 0),
                                                               &zip_fclose);
  if (!part) return false;
  constexpr qsizetype kHead = 1024;
  constexpr qsizetype kTail = 256;
  QByteArray head;
  QByteArray tail;
  QByteArray buffer(64 * 1024, Qt::Uninitialized);
  zip_int64_t got = 0;
  while ((got = zip_fread(part.get(), buffer.data(), zip_uint64_t(buffer.size()))) > 0) {
    const QByteArrayView piece(buffer.constData(), qsizetype(got));
    if (head.size() < kHead) head.append(piece.first(std::min(piece.size(), kHead - head.size())));
    tail.append(piece);
    tail = tail.right(kTail);
  }
  if (got < 0) return false;
  const QByteArray root = RootName(head);
  return !root.isEmpty() && tail.trimmed().endsWith("</" + root + ">");
}

}  // namespace

bool XlsxPartsAreWhole(const QString& path) {
  int error = 0;
  const std::unique_ptr<zip_t, void (*)(zip_t*)> zip(
      zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, &error), &zip_discard);
  if (!zip) return false;
  const zip_int64_t entries = zip_get_num_entries(zip.get(), 0);
  for (zip_int64_t i = 0; i < entries; ++i)
    if (!PartIsWhole(zip.get(), zip_uint64_t(i))) return false;
  return entries > 0;
}

}  // namespace spreadsheet
