#include "registers/codetables/CodePackage.h"

#include <archive.h>
#include <archive_entry.h>

#include <QDir>
#include <QFile>
#include <memory>

#include "platform/files/AtomicFile.h"
#include "platform/files/FileError.h"

namespace codetables {

namespace {

constexpr TCodeFile kKinds[] = {TCodeFile::Area, TCodeFile::Bank, TCodeFile::Branch};
// A code file larger than this is not one the bank hands out.
constexpr la_int64_t kMaxEntryBytes = la_int64_t(256) << 20;

struct TArchiveCloser {
  void operator()(archive* a) const { archive_read_free(a); }
};

std::optional<TCodeFile> KindOf(const QString& entryName) {
  const QString name = entryName.section(u'/', -1);
  for (const TCodeFile kind : kKinds)
    if (name.compare(SourceFileName(kind), Qt::CaseInsensitive) == 0) return kind;
  return std::nullopt;
}

QString Unreadable(const QString& path) {
  return QStringLiteral("无法读取更新包%1，请重新下载更新文件！")
      .arg(QDir::toNativeSeparators(path));
}

}  // namespace

bool IsCodePackage(const QString& path) {
  return path.endsWith(QStringLiteral(".tar.gz"), Qt::CaseInsensitive) ||
         path.endsWith(QStringLiteral(".tgz"), Qt::CaseInsensitive);
}

TCodePackage ReadCodePackage(const QString& path) {
  TCodePackage package;
  std::unique_ptr<archive, TArchiveCloser> reader(archive_read_new());
  archive_read_support_filter_gzip(reader.get());
  archive_read_support_format_tar(reader.get());
  if (archive_read_open_filename(reader.get(), QFile::encodeName(path).constData(), 65536) !=
      ARCHIVE_OK) {
    package.Problem = Unreadable(path);
    return package;
  }
  std::array<bool, 3> found{};
  archive_entry* entry = nullptr;
  int status = ARCHIVE_OK;
  while ((status = archive_read_next_header(reader.get(), &entry)) == ARCHIVE_OK) {
    const std::optional<TCodeFile> kind = KindOf(
        QString::fromUtf8(archive_entry_pathname_utf8(entry) ? archive_entry_pathname_utf8(entry)
                                                             : archive_entry_pathname(entry)));
    if (!kind || found[size_t(*kind)] || archive_entry_filetype(entry) != AE_IFREG) continue;
    if (archive_entry_size(entry) > kMaxEntryBytes) break;
    QByteArray& text = package.Texts[size_t(*kind)];
    char buffer[65536];
    la_ssize_t read = 0;
    while ((read = archive_read_data(reader.get(), buffer, sizeof buffer)) > 0) {
      text.append(buffer, read);
      if (text.size() > kMaxEntryBytes) break;
    }
    if (read < 0 || text.size() > kMaxEntryBytes) {
      status = ARCHIVE_FATAL;
      break;
    }
    found[size_t(*kind)] = true;
  }
  if (status != ARCHIVE_EOF) {
    package.Problem = Unreadable(path);
    return package;
  }
  QStringList missing;
  for (const TCodeFile kind : kKinds)
    if (!found[size_t(kind)]) missing << SourceFileName(kind);
  if (!missing.isEmpty())
    package.Problem = QStringLiteral("更新包中缺少文件%1，请重新下载更新文件！")
                          .arg(missing.join(QStringLiteral("、")));
  return package;
}

bool UpdateCodeTables(const TCodePackage& package, const QString& paramDir, QString* problem) {
  std::array<QByteArray, 3> tables;
  for (const TCodeFile kind : kKinds) {
    const QByteArray& text = package.Texts[size_t(kind)];
    const std::optional<QByteArray> table = ConvertCodeFile(kind, text);
    // A table that would not read back with one entry per line would leave
    // the clerk with fewer banks than the file had.
    if (!table || TableEntries(kind, *table) != CodeFileEntries(text)) {
      *problem = QStringLiteral("更新包中的文件%1格式有误，请重新下载更新文件！")
                     .arg(SourceFileName(kind));
      return false;
    }
    tables[size_t(kind)] = *table;
  }
  std::array<std::optional<QByteArray>, 3> olds;
  int written = 0;
  try {
    for (const TCodeFile kind : kKinds) {
      const QString path = QDir(paramDir).filePath(TableFileName(kind));
      olds[size_t(kind)] = ReadWholeFile(path);
      WriteFileAtomically(path, tables[size_t(kind)]);
      ++written;
    }
    return true;
  } catch (const TFileError& e) {
    *problem = QStringLiteral("代码表未能更新，原来的代码表保持不变。\n") + e.Message();
  }
  for (int i = 0; i < written; ++i) {
    const QString path = QDir(paramDir).filePath(TableFileName(kKinds[i]));
    try {
      if (olds[size_t(i)])
        WriteFileAtomically(path, *olds[size_t(i)]);
      else
        QFile::remove(path);
    } catch (const TFileError&) {
      // The table written stays; it is a good one.
    }
  }
  return false;
}

}  // namespace codetables
