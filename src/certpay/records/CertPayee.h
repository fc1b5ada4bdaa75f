#pragma once

#include <QString>

#include "registers/records/PayInfoBase.h"

// A receiving account of central-finance payments.
class TCertPayee : public TPayInfoBase {
 public:
  static constexpr const char* kItemNode = "CertPayee";

  QString AccNo;
  QString AccName;
  QString CounterName;
  QString UBankNo;
  // In the registers the codes "1" (this bank), "0" or "2" (another bank); in a
  // stored payment document the editor's texts "1-维行", "0-他行", "2-他行".
  QString IsNVX;
  // In the registers "P" (personal) or "U" (corporate); in a stored payment
  // document "对私账号" or "对公账号".
  QString IsPsnAcc;

  void LoadFromXml(xml::Node item) override;
  void SaveToXml(xml::Node parent) const override;

  // Same account number, name and branch; UBankNo, IsNVX and IsPsnAcc do not count.
  bool IsDuplicateOf(const TCertPayee& other) const;
};
