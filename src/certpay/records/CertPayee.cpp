#include "certpay/records/CertPayee.h"

namespace {

const TRecordField<TCertPayee> kFields[] = {
    {"AccNo", &TCertPayee::AccNo},
    {"AccName", &TCertPayee::AccName},
    {"CounterName", &TCertPayee::CounterName},
    {"UBankNo", &TCertPayee::UBankNo},
    {"IsNVX", &TCertPayee::IsNVX},
    {"IsPsnAcc", &TCertPayee::IsPsnAcc},
};

}  // namespace

TRecordFields<TCertPayee> TCertPayee::Fields() {
  return kFields;
}

void TCertPayee::LoadFromXml(xml::Node item) {
  LoadRecordFields(*this, item, Fields());
}

void TCertPayee::SaveToXml(xml::Node parent) const {
  SaveRecordFields(*this, parent, kItemNode, Fields());
}

bool TCertPayee::IsDuplicateOf(const TCertPayee& other) const {
  return AccNo == other.AccNo && AccName == other.AccName && CounterName == other.CounterName;
}
