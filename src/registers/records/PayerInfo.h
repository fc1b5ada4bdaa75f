#pragma once

#include <QString>

#include "core/Amount.h"
#include "registers/records/PayInfoBase.h"

// One of the company's own accounts, from which transfers are paid.
class TPayerInfo : public TPayInfoBase {
 public:
  static constexpr const char* kItemNode = "PayerList";

  QString PayAccNo;
  QString PayAccName;
  QString BranchName;
  QString BranchCode;
  QString CounterName;
  QString CounterNo;
  QString UbankNo;
  QString Status;
  // Delivered by the bank and read from the file, but never written back.
  QString ExchangeNo;
  QString SortId;
  QString RightType;  // "0" contracted, "1" authorized
  QString AccOrder;
  TAmount Balance;
  QString BalanceDate;
  QString CurType;
  QString AccAlias;

  void LoadFromXml(xml::Node item) override;
  void SaveToXml(xml::Node parent) const override;

  // Copies every field except ExchangeNo.
  void Assign(const TPayerInfo& other);

  // "签约", "授权" or empty.
  QString RightTypeText() const;
};
