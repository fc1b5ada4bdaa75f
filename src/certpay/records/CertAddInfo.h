#pragma once

#include <QString>

#include "core/RecordFields.h"

// The budget classification of a central-finance payment.
class TCertAddInfo {
 public:
  static constexpr const char* kItemNode = "CertAddInfo";

  QString BudgetManage;
  QString FuncType;
  QString EconomyType;
  QString PayoutType;
  QString BudgetSource;
  QString ProjectId;

  // The fields in the order of the item element, of the register text line and
  // of the register workbook's columns.
  static TRecordFields<TCertAddInfo> Fields();
  void LoadFromXml(xml::Node item);
  void SaveToXml(xml::Node parent) const;

  // Equal in all six fields.
  bool IsDuplicateOf(const TCertAddInfo& other) const;
};
