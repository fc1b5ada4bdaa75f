#include "certpay/records/CertAddInfo.h"

namespace {

const TRecordField<TCertAddInfo> kFields[] = {
    {"BudgetManage", &TCertAddInfo::BudgetManage, 1}, {"FuncType", &TCertAddInfo::FuncType, 2},
    {"EconomyType", &TCertAddInfo::EconomyType, 3},   {"PayoutType", &TCertAddInfo::PayoutType, 4},
    {"BudgetSource", &TCertAddInfo::BudgetSource, 5}, {"ProjectId", &TCertAddInfo::ProjectId, 6},
};

}  // namespace

TRecordFields<TCertAddInfo> TCertAddInfo::Fields() {
  return kFields;
}

void TCertAddInfo::LoadFromXml(xml::Node item) {
  LoadRecordFields(*this, item, Fields());
}

void TCertAddInfo::SaveToXml(xml::Node parent) const {
  SaveRecordFields(*this, parent, kItemNode, Fields());
}

bool TCertAddInfo::IsDuplicateOf(const TCertAddInfo& other) const {
  return BudgetManage == other.BudgetManage && FuncType == other.FuncType &&
         EconomyType == other.EconomyType && PayoutType == other.PayoutType &&
         BudgetSource == other.BudgetSource && ProjectId == other.ProjectId;
}
