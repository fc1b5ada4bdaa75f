#include "certpay/records/CertPayInfo.h"

#include <cstring>

namespace {

template <class Part>
std::unique_ptr<Part> LoadPart(xml::Node element) {
  auto part = std::make_unique<Part>();
  part->LoadFromXml(element);
  return part;
}

const TRecordField<TCertPayInfo> kFields[] = {
    {"Amt", &TCertPayInfo::Amt},
    {"Usge", &TCertPayInfo::Usge},
    {"Remark", &TCertPayInfo::Remark},
    {"CreditNo", &TCertPayInfo::CreditNo},
};

}  // namespace

TRecordFields<TCertPayInfo> TCertPayInfo::Fields() {
  return kFields;
}

void TCertPayInfo::LoadFromXml(xml::Node item) {
  Payer.reset();
  Payee.reset();
  AddInfo.reset();
  for (const xml::Node child : item.children()) {
    if (child.type() != pugi::node_element) continue;
    if (std::strcmp(child.name(), TCertPayer::kItemNode) == 0)
      Payer = LoadPart<TCertPayer>(child);
    else if (std::strcmp(child.name(), TCertPayee::kItemNode) == 0)
      Payee = LoadPart<TCertPayee>(child);
    else if (std::strcmp(child.name(), TCertAddInfo::kItemNode) == 0)
      AddInfo = LoadPart<TCertAddInfo>(child);
  }
  LoadRecordFields(*this, item, Fields());
}

void TCertPayInfo::SaveToXml(xml::Node parent) const {
  const xml::Node item = xml::AppendNode(parent, kItemNode);
  if (Payer) Payer->SaveToXml(item);
  if (Payee) Payee->SaveToXml(item);
  if (AddInfo) AddInfo->SaveToXml(item);
  AppendRecordFields(*this, item, Fields());
}
