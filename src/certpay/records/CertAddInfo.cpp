#include "certpay/records/CertAddInfo.h"

namespace {

const TRecordField<TCertAddInfo> kFields[] = {
    {"BudgetManage", &TCertAddInfo::BudgetManage}, {"FuncType", &TCertAddInfo::FuncType},
    {"EconomyType", &TCertAddInfo::EconomyType},   {"PayoutType", &TCertAddInfo::PayoutType},
    {"BudgetSource", &TCertAddInfo::BudgetSource}, {"ProjectId", &TCertAddInfo::ProjectId},
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
