#include "registers/records/PayerInfo.h"

void TPayerInfo::LoadFromXml(xml::Node item) {
  PayAccNo = xml::GetNodeTextStr(item, "PayAccNo");
  PayAccName = xml::GetNodeTextStr(item, "PayAccName");
  BranchName = xml::GetNodeTextStr(item, "BranchName");
  BranchCode = xml::GetNodeTextStr(item, "BranchCode");
  CounterName = xml::GetNodeTextStr(item, "CounterName");
  CounterNo = xml::GetNodeTextStr(item, "CounterNo");
  UbankNo = xml::GetNodeTextStr(item, "UbankNo");
  Status = xml::GetNodeTextStr(item, "Status");
  ExchangeNo = xml::GetNodeTextStr(item, "ExchangeNo");
  SortId = xml::GetNodeTextStr(item, "SortId");
  RightType = xml::GetNodeTextStr(item, "RightType");
  AccOrder = xml::GetNodeTextStr(item, "AccOrder");
  // Parsed as decimal text, not through double, so that 0.00005 rounds to even exactly.
  Balance = TAmount::parse(xml::GetNodeTextStr(item, "Balance")).value_or(TAmount());
  BalanceDate = xml::GetNodeTextStr(item, "BalanceDate");
  CurType = xml::GetNodeTextStr(item, "CurType");
  AccAlias = xml::GetNodeTextStr(item, "AccAlias");
}

void TPayerInfo::SaveToXml(xml::Node parent) const {
  const xml::Node item = xml::AppendNode(parent, kItemNode);
  AppendField(item, "PayAccNo", PayAccNo);
  AppendField(item, "PayAccName", PayAccName);
  AppendField(item, "BranchName", BranchName);
  AppendField(item, "BranchCode", BranchCode);
  AppendField(item, "CounterName", CounterName);
  AppendField(item, "CounterNo", CounterNo);
  AppendField(item, "UbankNo", UbankNo);
  AppendField(item, "Status", Status);
  AppendField(item, "SortId", SortId);
  AppendField(item, "RightType", RightType);
  AppendField(item, "AccOrder", AccOrder);
  AppendField(item, "Balance", Balance.toText());
  AppendField(item, "BalanceDate", BalanceDate);
  AppendField(item, "CurType", CurType);
  AppendField(item, "AccAlias", AccAlias);
}

void TPayerInfo::Assign(const TPayerInfo& other) {
  const QString ownExchangeNo = ExchangeNo;
  *this = other;
  ExchangeNo = ownExchangeNo;
}

QString TPayerInfo::RightTypeText() const {
  if (RightType == QLatin1String("0")) return QStringLiteral("签约");
  if (RightType == QLatin1String("1")) return QStringLiteral("授权");
  return {};
}
