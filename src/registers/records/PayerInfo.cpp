#include "registers/records/PayerInfo.h"

void TPayerInfo::LoadFromXml(xml::Node item) {
  xml::TFieldReader fields(item);
  PayAccNo = fields.Str("PayAccNo");
  PayAccName = fields.Str("PayAccName");
  BranchName = fields.Str("BranchName");
  BranchCode = fields.Str("BranchCode");
  CounterName = fields.Str("CounterName");
  CounterNo = fields.Str("CounterNo");
  UbankNo = fields.Str("UbankNo");
  Status = fields.Str("Status");
  ExchangeNo = fields.Str("ExchangeNo");
  SortId = fields.Str("SortId");
  RightType = fields.Str("RightType");
  AccOrder = fields.Str("AccOrder");
  // Parsed as decimal text, not through double, so that 0.00005 rounds to even exactly.
  Balance = TAmount::parse(fields.Str("Balance")).value_or(TAmount());
  BalanceDate = fields.Str("BalanceDate");
  CurType = fields.Str("CurType");
  AccAlias = fields.Str("AccAlias");
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
