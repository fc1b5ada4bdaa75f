#pragma once

#include <QString>

#include "core/RecordFields.h"

// A receiving account of central-finance payments.
class TCertPayee {
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

  // The fields in the order of the item element.
  static TRecordFields<TCertPayee> Fields();
  void LoadFromXml(xml::Node item);
  void SaveToXml(xml::Node parent) const;

  // Same account number, name and branch; UBankNo, IsNVX and IsPsnAcc do not count.
  bool IsDuplicateOf(const TCertPayee& other) const;
};
