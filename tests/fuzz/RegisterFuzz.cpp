#include <string>
#include <vector>

#include "FuzzInput.h"
#include "core/RegisterList.h"
#include "xml/RegisterStream.h"
#include "xml/XmlFiles.h"
#include "xml/XmlFormat.h"

// Reads the bytes as a register file item by item and checks the result
// against a whole-document parse: where the item-by-item reader accepts a
// document, the whole parse must accept it too and give the same root and the
// same children, and the register reader must give the items among them.
namespace {

std::string Printed(xml::Node node) {
  xml::StringWriter out;
  node.print(out, "", pugi::format_raw, pugi::encoding_utf8);
  return out.Text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray bytes = FuzzBytes(data, size);
  std::string root;
  std::vector<std::string> children;
  std::string firstName;
  const bool streamed = xml::StreamRegisterBytes(
      bytes, [&](const char* name) { root = name; },
      [&](xml::Node child) {
        if (children.empty()) firstName = child.name();
        children.push_back(Printed(child));
      });
  if (!streamed) return 0;

  xml::Document doc;
  FuzzRequire(xml::ParseRegisterBytes(bytes, doc), "what is read item by item parses whole");
  const xml::Node wholeRoot = doc.document_element();
  FuzzRequire(root == wholeRoot.name(), "both readers give the same root");
  std::vector<std::string> wholeChildren, wholeItems;
  for (xml::Node child = wholeRoot.first_child(); child; child = child.next_sibling()) {
    if (child.type() != pugi::node_element) continue;
    wholeChildren.push_back(Printed(child));
    if (firstName == child.name()) wholeItems.push_back(wholeChildren.back());
  }
  FuzzRequire(children == wholeChildren, "both readers give the same children");

  // The register of this root whose items are named as the first child.
  TInfoConfig config;
  config.RootNode = QString::fromUtf8(root);
  config.ItemNode = QString::fromStdString(firstName);
  std::vector<std::string> items;
  const bool read =
      ReadRegisterBytes(bytes, config, [&](xml::Node item) { items.push_back(Printed(item)); });
  FuzzRequire(read && items == wholeItems,
              "the register reader gives the items of the whole parse");
  return 0;
}
