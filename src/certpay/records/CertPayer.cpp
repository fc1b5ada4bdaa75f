#include "certpay/records/CertPayer.h"

void TCertPayer::LoadFromXml(xml::Node item) {
  AccNo = xml::GetNodeTextStr(item, "AccNo");
  AccName = xml::GetNodeTextStr(item, "AccName");
  CounterName = xml::GetNodeTextStr(item, "CounterName");
}

void TCertPayer::SaveToXml(xml::Node parent) const {
  const xml::Node item = xml::AppendNode(parent, kItemNode);
  AppendField(item, "AccNo", AccNo);
  AppendField(item, "AccName", AccName);
  AppendField(item, "CounterName", CounterName);
}

bool TCertPayer::IsDuplicateOf(const TCertPayer& other) const {
  return AccNo == other.AccNo && AccName == other.AccName && CounterName == other.CounterName;
}
