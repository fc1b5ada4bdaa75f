#pragma once

#include <QString>

#include "core/Amount.h"
#include "core/RecordFields.h"

// One of the company's own accounts, from which transfers are paid.
class TPayerInfo {
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

  // The fields in the order of the item element, with their workbook columns.
  static TRecordFields<TPayerInfo> Fields();

  // Fills every field from the item element; a missing field gives empty text or 0.
  void LoadFromXml(xml::Node item);
  // Appends the payer's own item element under the parent, with every field
  // but ExchangeNo.
  void SaveToXml(xml::Node parent) const;

  // Copies every field except ExchangeNo.
  void Assign(const TPayerInfo& other);

  // "签约", "授权" or empty.
  QString RightTypeText() const;
};
