#pragma once

#include <QMap>
#include <QString>

// The kinds of files whose dialogs each remember their own folder.
enum class TFileKind { Registers, Batches, CodeTables, Downloads, PayFiles, Prints, Statements };

// The folder in which a file of each kind was last chosen. With a store file
// the folders outlive the run: one "kind=folder" line each, UTF-8. A missing or
// damaged store, or a folder that is gone, just means none is remembered.
class TRecentFolders {
 public:
  // Reads the store; every later change is written to it.
  void KeepIn(const QString& storePath);
  // The folder, or empty when none is remembered.
  QString Folder(TFileKind kind) const;
  // Remembers the folder of the file chosen; an empty path changes nothing.
  void Remember(TFileKind kind, const QString& chosenFile);

 private:
  void Write() const;

  QString storePath_;
  QMap<QString, QString> folders_;  // by the kind's name in the store
};
