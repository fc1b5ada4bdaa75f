#pragma once

#include <QString>

#include "core/RecordFields.h"

class TPayerInfo;

// A receiving account, at this bank or at another bank.
class TPayeeInfo {
 public:
  static constexpr const char* kItemNode = "PayeeList";

  QString RcvAccNo;
  QString RcvAccName;
  QString BranchName;
  QString BranchCode;
  QString CounterName;
  QString CounterNo;
  QString UbankNo;
  QString ExchangeNo;
  QString Status;
  QString IsNVX;  // "1" this bank, anything else another bank
  QString SortID;
  QString RightType;
  QString AccOrder;
  QString CurType;
  QString AccAlias;
  QString BankCode;
  QString AreaCode;
  QString AreaProv;

  // The fields in the order of the item element, with their workbook columns.
  static TRecordFields<TPayeeInfo> Fields();

  // Fills every field from the item element; a missing field gives empty text.
  void LoadFromXml(xml::Node item);
  // Appends the payee's own item element under the parent, with every field.
  void SaveToXml(xml::Node parent) const;

  void Assign(const TPayeeInfo& other) { *this = other; }

  // Makes the payee stand for one of the company's own accounts; the other-bank
  // fields BankCode, AreaCode and AreaProv keep their values.
  void AssignFromPayer(const TPayerInfo& payer);

  // "维行" or "他行".
  QString BankCategoryText() const;
};
