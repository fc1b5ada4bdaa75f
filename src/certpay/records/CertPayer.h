#pragma once

#include <QString>

#include "registers/records/PayInfoBase.h"

// A paying account of central-finance payments.
class TCertPayer : public TPayInfoBase {
 public:
  static constexpr const char* kItemNode = "CertPayer";

  QString AccNo;
  QString AccName;
  QString CounterName;

  void LoadFromXml(xml::Node item) override;
  void SaveToXml(xml::Node parent) const override;

  // The register holds one entry per account number, name and branch.
  bool IsDuplicateOf(const TCertPayer& other) const;
};
