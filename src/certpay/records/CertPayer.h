#pragma once

#include <QString>

#include "core/RecordFields.h"

// A paying account of central-finance payments.
class TCertPayer {
 public:
  static constexpr const char* kItemNode = "CertPayer";

  QString AccNo;
  QString AccName;
  QString CounterName;

  // The fields in the order of the item element, of the register text line and
  // of the register workbook's columns.
  static TRecordFields<TCertPayer> Fields();
  void LoadFromXml(xml::Node item);
  void SaveToXml(xml::Node parent) const;

  // The register holds one entry per account number, name and branch.
  bool IsDuplicateOf(const TCertPayer& other) const;
};
