#include "platform/prompts/RecentFolders.h"

#include <QDir>
#include <QFileInfo>

#include "platform/files/AtomicFile.h"

namespace {

QString KindName(TFileKind kind) {
  switch (kind) {
    case TFileKind::Registers:
      return QStringLiteral("Registers");
    case TFileKind::Batches:
      return QStringLiteral("Batches");
    case TFileKind::CodeTables:
      return QStringLiteral("CodeTables");
    case TFileKind::Downloads:
      return QStringLiteral("Downloads");
    case TFileKind::PayFiles:
      return QStringLiteral("PayFiles");
    case TFileKind::Prints:
      return QStringLiteral("Prints");
    case TFileKind::Statements:
      return QStringLiteral("Statements");
  }
  return {};
}

}  // namespace

void TRecentFolders::KeepIn(const QString& storePath) {
  storePath_ = storePath;
  folders_.clear();
  const std::optional<QByteArray> bytes = ReadWholeFile(storePath);
  if (!bytes) return;
  for (const QString& line : QString::fromUtf8(*bytes).split(u'\n')) {
    const qsizetype equals = line.indexOf(u'=');
    if (equals > 0) folders_.insert(line.left(equals), line.mid(equals + 1).trimmed());
  }
}

QString TRecentFolders::Folder(TFileKind kind) const {
  const QString folder = folders_.value(KindName(kind));
  return !folder.isEmpty() && QFileInfo(folder).isDir() ? folder : QString();
}

void TRecentFolders::Remember(TFileKind kind, const QString& chosenFile) {
  if (chosenFile.isEmpty()) return;
  const QString folder = QFileInfo(chosenFile).absolutePath();
  QString& kept = folders_[KindName(kind)];
  if (kept == folder) return;
  kept = folder;
  Write();
}

void TRecentFolders::Write() const {
  if (storePath_.isEmpty()) return;
  QByteArray bytes;
  for (auto it = folders_.cbegin(); it != folders_.cend(); ++it)
    bytes += (it.key() + u'=' + it.value() + u'\n').toUtf8();
  try {
    WriteFileAtomically(storePath_, bytes);
  } catch (const TFileError&) {
    // Only a convenience: the dialogs then start in the folder remembered for the run.
  }
}
