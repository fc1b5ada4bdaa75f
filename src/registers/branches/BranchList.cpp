#include "registers/branches/BranchList.h"

#include <cstring>

#include "xml/XmlFiles.h"

namespace {

TCounter ReadCounter(xml::Node element) {
  xml::TFieldReader fields(element);
  TCounter counter;
  counter.CounterNo = fields.Str("CounterNo");
  counter.CounterName = fields.Str("CounterName");
  counter.UBankNo = fields.Str("UBankNo");
  return counter;
}

TBranch ReadBranch(xml::Node element) {
  TBranch branch;
  branch.BranchCode = xml::GetNodeTextStr(element, "BranchCode");
  branch.BranchName = xml::GetNodeTextStr(element, "BranchName");
  for (xml::Node child = element.first_child(); child; child = child.next_sibling()) {
    if (child.type() == pugi::node_element && std::strcmp(child.name(), "Counter") == 0)
      branch.Counters.append(ReadCounter(child));
  }
  return branch;
}

template <class T>
const T* At(const QList<T>& list, qsizetype index) {
  return index >= 0 && index < list.size() ? &list[index] : nullptr;
}

}  // namespace

const TCounter* TBranch::CounterAt(qsizetype index) const {
  return At(Counters, index);
}

qsizetype TBranch::IndexOfCounterNo(const QString& counterNo) const {
  for (qsizetype i = 0; i < Counters.size(); ++i)
    if (Counters[i].CounterNo == counterNo) return i;
  return -1;
}

void TBranchList::Load(const QString& path) {
  xml::Document doc;
  if (!xml::LoadLibraryFile(path, doc)) return;
  const xml::Node root = doc.document_element();
  if (std::strcmp(root.name(), "AreaCodeConf") != 0) return;
  for (xml::Node child = root.first_child(); child; child = child.next_sibling())
    if (child.type() == pugi::node_element) branches_.append(ReadBranch(child));
}

const TBranch* TBranchList::BranchAt(qsizetype index) const {
  return At(branches_, index);
}

qsizetype TBranchList::IndexOfBranchCode(const QString& branchCode) const {
  for (qsizetype i = 0; i < branches_.size(); ++i)
    if (branches_[i].BranchCode == branchCode) return i;
  return -1;
}
