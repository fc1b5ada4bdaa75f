#include "batch/documents/BatchFile.h"

#include <cstring>
#include <vector>

#include "core/TextHelpers.h"
#include "platform/files/AtomicFile.h"
#include "xml/XmlFiles.h"

namespace {

constexpr const char* kRoot = "PayInfoList";
constexpr const char* kInfo = "PayInfo";

void BuildDocument(const TBatch& batch, xml::Document& doc) {
  const xml::Node root = doc.append_child(kRoot);
  for (const TPayMoneyInfo& info : batch) {
    const xml::Node item = xml::AppendNode(root, kInfo);
    info.Payer.SaveToXml(item);
    info.Payee.SaveToXml(item);
    xml::SetNodeTextStr(xml::AppendNode(item, "Usage"), "Usage", info.Usage);
    // Written exactly as a payer's Balance.
    xml::SetNodeTextStr(xml::AppendNode(item, "Money"), "Money", info.Money.ToText());
  }
}

// The element's own text, trimmed as every field of the system's files is.
QString OwnText(xml::Node element) {
  return xml::GetNodeTextStr(element, element.name());
}

std::unique_ptr<TPayMoneyInfo> ReadInfo(xml::Node info) {
  std::vector<xml::Node> children;
  for (xml::Node child = info.first_child(); child && children.size() < 4;
       child = child.next_sibling())
    if (child.type() == pugi::node_element) children.push_back(child);
  if (children.size() < 4) return nullptr;

  auto doc = std::make_unique<TPayMoneyInfo>();
  doc->Payer.LoadFromXml(children[0]);
  doc->Payee.LoadFromXml(children[1]);
  doc->Usage = OwnText(children[2]);
  doc->Money = TAmount::Parse(OwnText(children[3])).value_or(TAmount());
  return doc;
}

}  // namespace

QByteArray BatchFileBytes(const TBatch& batch) {
  xml::Document doc;
  BuildDocument(batch, doc);
  return xml::LibraryFileBytes(doc, true);
}

void SaveBatchFile(const TBatch& batch, const QString& path) {
  xml::Document doc;
  BuildDocument(batch, doc);
  xml::SaveLibraryFile(doc, path, true);
}

bool LoadBatchFile(const QString& path, TBatch& batch) {
  batch.Clear();
  const std::optional<QByteArray> bytes = ReadWholeFile(path);
  return bytes && LoadBatchBytes(*bytes, batch);
}

bool LoadBatchBytes(const QByteArray& bytes, TBatch& batch) {
  batch.Clear();
  xml::Document doc;
  if (!xml::ParseLibraryBytes(bytes, doc)) return false;
  const xml::Node root = doc.document_element();
  if (std::strcmp(root.name(), kRoot) != 0) return false;
  for (xml::Node info = root.child(kInfo); info; info = info.next_sibling(kInfo))
    if (std::unique_ptr<TPayMoneyInfo> read = ReadInfo(info)) batch.Append(std::move(read));
  return true;
}

QString ArchiveFileName(const QString& exportedTextPath) {
  const QString name = FileNameOf(exportedTextPath);
  // QString::left would give the whole name for a negative count.
  return name.left(qMax<qsizetype>(0, name.size() - 4)) + QStringLiteral(".xml");
}
