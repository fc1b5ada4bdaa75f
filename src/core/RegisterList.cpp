#include "core/RegisterList.h"

#include <QFileInfo>

#include "xml/RegisterStream.h"

namespace {

using TStream = std::function<bool(const std::function<void(const char*)>&,
                                   const std::function<void(xml::Node)>&)>;

// The items that stream gives when its root and children are the register's.
bool ReadItems(const TStream& stream, const TInfoConfig& config,
               const std::function<void(xml::Node)>& onItem) {
  const QByteArray rootName = config.RootNode.toUtf8();
  const QByteArray itemName = config.ItemNode.toUtf8();
  bool rootMatches = false;
  bool anyItem = false, anyOther = false;
  const bool read = stream([&](const char* root) { rootMatches = rootName == root; },
                           [&](xml::Node child) {
                             const bool item = rootMatches && itemName == child.name();
                             if (item) onItem(child);
                             (item ? anyItem : anyOther) = true;
                           });
  // Another register's file (Payer.xml copied over Payee.xml) is no register of
  // this kind: loading it as an empty one would let the next save wipe it.
  return read && rootMatches && (anyItem || !anyOther);
}

}  // namespace

bool ReadRegisterItems(const QString& path, const TInfoConfig& config,
                       const std::function<void(xml::Node)>& onItem) {
  return ReadItems(
      [&path](const auto& onRoot, const auto& onChild) {
        return xml::StreamRegisterFile(path, onRoot, onChild);
      },
      config, onItem);
}

bool ReadRegisterBytes(const QByteArray& bytes, const TInfoConfig& config,
                       const std::function<void(xml::Node)>& onItem) {
  return ReadItems(
      [&bytes](const auto& onRoot, const auto& onChild) {
        return xml::StreamRegisterBytes(bytes, onRoot, onChild);
      },
      config, onItem);
}

void WriteRegisterItems(const QString& path, const TInfoConfig& config, qsizetype count,
                        const std::function<void(qsizetype, xml::Node)>& saveItem) {
  xml::SaveRegisterFile(path, config.RootNode.toUtf8().constData(), count, saveItem);
}

bool RegisterFileExists(const QString& path) {
  return QFileInfo::exists(path);
}
