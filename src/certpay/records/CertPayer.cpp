#include "certpay/records/CertPayer.h"

namespace {

const TRecordField<TCertPayer> kFields[] = {
    {"AccNo", &TCertPayer::AccNo, 1},
    {"AccName", &TCertPayer::AccName, 2},
    {"CounterName", &TCertPayer::CounterName, 3},
};

}  // namespace

TRecordFields<TCertPayer> TCertPayer::Fields() {
  return kFields;
}

void TCertPayer::LoadFromXml(xml::Node item) {
  LoadRecordFields(*this, item, Fields());
}

void TCertPayer::SaveToXml(xml::Node parent) const {
  SaveRecordFields(*this, parent, kItemNode, Fields());
}

bool TCertPayer::IsDuplicateOf(const TCertPayer& other) const {
  return AccNo == other.AccNo && AccName == other.AccName && CounterName == other.CounterName;
}
