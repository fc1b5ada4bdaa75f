#pragma once

#include <QString>
#include <memory>

#include "certpay/records/CertAddInfo.h"
#include "certpay/records/CertPayee.h"
#include "certpay/records/CertPayer.h"
#include "core/RecordFields.h"

// One stored central-finance payment document. It owns its three parts; a part
// missing from the file stays absent (null).
class TCertPayInfo {
 public:
  static constexpr const char* kItemNode = "CertPayInfo";

  std::unique_ptr<TCertPayer> Payer;
  std::unique_ptr<TCertPayee> Payee;
  std::unique_ptr<TCertAddInfo> AddInfo;
  QString Amt;  // the amount as typed
  QString Usge;
  QString Remark;
  QString CreditNo;

  // The text fields after the parts, in the order of the item element.
  static TRecordFields<TCertPayInfo> Fields();

  // The parts are taken by element name in any order; of two elements with the
  // same name the last wins.
  void LoadFromXml(xml::Node item);
  // Writes the parts that are present, then Amt, Usge, Remark and CreditNo.
  void SaveToXml(xml::Node parent) const;
};
