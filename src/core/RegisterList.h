#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>
#include <memory>

#include "core/InfoConfig.h"
#include "core/OwningList.h"
#include "platform/files/DamagedCopy.h"
#include "xml/XmlNodes.h"

// Register files read into and written from owning lists of records. A record
// class T loads itself from its item element (LoadFromXml) and appends its own
// item element under a parent (SaveToXml).

// Calls onItem for every item element (the descriptor's ItemNode) under a root
// of the descriptor's RootNode. False when the file is missing, unreadable, not
// GBK or not well-formed, or holds another register: a root of another name, or
// elements none of which is an item.
bool ReadRegisterItems(const QString& path, const TInfoConfig& config,
                       const std::function<void(xml::Node)>& onItem);
// The same for the bytes of a register file.
bool ReadRegisterBytes(const QByteArray& bytes, const TInfoConfig& config,
                       const std::function<void(xml::Node)>& onItem);

// Replaces the file by a root holding count items, saveItem(i, root) appending
// item i. Throws TFileError when it cannot be written; the old file is then untouched.
void WriteRegisterItems(const QString& path, const TInfoConfig& config, qsizetype count,
                        const std::function<void(qsizetype, xml::Node)>& saveItem);

bool RegisterFileExists(const QString& path);

// Replaces the list by the records of the file. False, with the list empty, when
// the file cannot be read (see ReadRegisterItems).
template <class T>
bool LoadRegisterList(TOwningList<T>& list, const QString& path, const TInfoConfig& config) {
  list.Clear();
  const bool read = ReadRegisterItems(path, config, [&list](xml::Node item) {
    list.Append(std::make_unique<T>()).LoadFromXml(item);
  });
  if (!read) list.Clear();
  return read;
}

// Replaces the file by the list; throws TFileError, the old file then staying.
template <class T>
void SaveRegisterList(const TOwningList<T>& list, const QString& path, const TInfoConfig& config) {
  WriteRegisterItems(path, config, list.Count(),
                     [&list](qsizetype i, xml::Node root) { list[i].SaveToXml(root); });
}

// A register file found at start that could not be read: it was copied to Copy
// (empty when even the copy failed) before anything could overwrite it.
struct TDamagedFile {
  QString Path;
  QString Copy;
};

// Loads a register the program starts with. A file that exists but cannot be
// read leaves the register empty, and the next save would replace it: it is
// copied aside first and listed in damaged, so that nothing the clerk had is lost.
template <class T>
void LoadRegisterAtStart(TOwningList<T>& list, const QString& path, const TInfoConfig& config,
                         QList<TDamagedFile>& damaged) {
  if (LoadRegisterList(list, path, config) || !RegisterFileExists(path)) return;
  damaged.append({path, KeepDamagedCopy(path)});
}
