#pragma once

#include <QString>

#include "registers/records/PayInfoBase.h"

class TPayerInfo;

// A receiving account, at this bank or at another bank.
class TPayeeInfo : public TPayInfoBase {
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

  void LoadFromXml(xml::Node item) override;
  void SaveToXml(xml::Node parent) const override;

  void Assign(const TPayeeInfo& other) { *this = other; }

  // Makes the payee stand for one of the company's own accounts; the other-bank
  // fields BankCode, AreaCode and AreaProv keep their values.
  void AssignFromPayer(const TPayerInfo& payer);

  // "维行" or "他行".
  QString BankCategoryText() const;
};
