#include "certpay/records/CertPayee.h"

namespace {

const TRecordField<TCertPayee> kFields[] = {
    {"AccNo", &TCertPayee::AccNo, 1},
    {"AccName", &TCertPayee::AccName, 2},
    {"CounterName", &TCertPayee::CounterName, 3},
    {"UBankNo", &TCertPayee::UBankNo, 4},
    {"IsNVX", &TCertPayee::IsNVX, 5},
    {"IsPsnAcc", &TCertPayee::IsPsnAcc, 6},
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
