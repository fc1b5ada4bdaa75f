#include "certpay/records/CertAddInfo.h"

void TCertAddInfo::LoadFromXml(xml::Node item) {
  BudgetManage = xml::GetNodeTextStr(item, "BudgetManage");
  FuncType = xml::GetNodeTextStr(item, "FuncType");
  EconomyType = xml::GetNodeTextStr(item, "EconomyType");
  PayoutType = xml::GetNodeTextStr(item, "PayoutType");
  BudgetSource = xml::GetNodeTextStr(item, "BudgetSource");
  ProjectId = xml::GetNodeTextStr(item, "ProjectId");
}

void TCertAddInfo::SaveToXml(xml::Node parent) const {
  const xml::Node item = xml::AppendNode(parent, kItemNode);
  AppendField(item, "BudgetManage", BudgetManage);
  AppendField(item, "FuncType", FuncType);
  AppendField(item, "EconomyType", EconomyType);
  AppendField(item, "PayoutType", PayoutType);
  AppendField(item, "BudgetSource", BudgetSource);
  AppendField(item, "ProjectId", ProjectId);
}

bool TCertAddInfo::IsDuplicateOf(const TCertAddInfo& other) const {
  return BudgetManage == other.BudgetManage && FuncType == other.FuncType &&
         EconomyType == other.EconomyType && PayoutType == other.PayoutType &&
         BudgetSource == other.BudgetSource && ProjectId == other.ProjectId;
}
