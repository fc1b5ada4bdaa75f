#include "core/RegisterList.h"

#include <QFileInfo>

#include "xml/RegisterStream.h"

bool ReadRegisterItems(const QString& path, const TInfoConfig& config,
                       const std::function<void(xml::Node)>& onItem) {
  const QByteArray rootName = config.RootNode.toUtf8();
  const QByteArray itemName = config.ItemNode.toUtf8();
  bool rootMatches = false;
  return xml::StreamRegisterFile(
      path, [&](const char* root) { rootMatches = rootName == root; },
      [&](xml::Node child) {
        if (rootMatches && itemName == child.name()) onItem(child);
      });
}

void WriteRegisterItems(const QString& path, const TInfoConfig& config, qsizetype count,
                        const std::function<void(qsizetype, xml::Node)>& saveItem) {
  xml::SaveRegisterFile(path, config.RootNode.toUtf8().constData(), count, saveItem);
}

bool RegisterFileExists(const QString& path) {
  return QFileInfo::exists(path);
}
