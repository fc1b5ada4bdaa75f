#pragma once

#include <QString>

#include "registers/records/PayInfoBase.h"

// The budget classification of a central-finance payment.
class TCertAddInfo : public TPayInfoBase {
 public:
  static constexpr const char* kItemNode = "CertAddInfo";

  QString BudgetManage;
  QString FuncType;
  QString EconomyType;
  QString PayoutType;
  QString BudgetSource;
  QString ProjectId;

  void LoadFromXml(xml::Node item) override;
  void SaveToXml(xml::Node parent) const override;

  // Equal in all six fields.
  bool IsDuplicateOf(const TCertAddInfo& other) const;
};
