#include "certpay/records/CertPayee.h"

void TCertPayee::LoadFromXml(xml::Node item) {
  AccNo = xml::GetNodeTextStr(item, "AccNo");
  AccName = xml::GetNodeTextStr(item, "AccName");
  CounterName = xml::GetNodeTextStr(item, "CounterName");
  UBankNo = xml::GetNodeTextStr(item, "UBankNo");
  IsNVX = xml::GetNodeTextStr(item, "IsNVX");
  IsPsnAcc = xml::GetNodeTextStr(item, "IsPsnAcc");
}

void TCertPayee::SaveToXml(xml::Node parent) const {
  const xml::Node item = xml::AppendNode(parent, kItemNode);
  AppendField(item, "AccNo", AccNo);
  AppendField(item, "AccName", AccName);
  AppendField(item, "CounterName", CounterName);
  AppendField(item, "UBankNo", UBankNo);
  AppendField(item, "IsNVX", IsNVX);
  AppendField(item, "IsPsnAcc", IsPsnAcc);
}

bool TCertPayee::IsDuplicateOf(const TCertPayee& other) const {
  return AccNo == other.AccNo && AccName == other.AccName && CounterName == other.CounterName;
}
