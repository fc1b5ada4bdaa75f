#include "registers/records/PayeeInfo.h"

#include "registers/records/PayerInfo.h"

namespace {

using F = TRecordField<TPayeeInfo>;
using P = TPayeeInfo;

const F kFields[] = {
    {"RcvAccNo", &P::RcvAccNo, 1},       {"RcvAccName", &P::RcvAccName, 2},
    {"BranchName", &P::BranchName, 3},   {"BranchCode", &P::BranchCode, 4},
    {"CounterName", &P::CounterName, 5}, {"CounterNo", &P::CounterNo, 6},
    {"UbankNo", &P::UbankNo, 7},         {"ExchangeNo", &P::ExchangeNo, 8},
    {"Status", &P::Status, 9},           {"IsNVX", &P::IsNVX, 10},
    {"SortID", &P::SortID, 11},          {"RightType", &P::RightType, 12},
    {"AccOrder", &P::AccOrder, 13},      {"CurType", &P::CurType, 14},
    {"AccAlias", &P::AccAlias, 15},      {"AreaProv", &P::AreaProv, 18},
    {"AreaCode", &P::AreaCode, 17},      {"BankCode", &P::BankCode, 16},
};

}  // namespace

TRecordFields<TPayeeInfo> TPayeeInfo::Fields() {
  return kFields;
}

void TPayeeInfo::LoadFromXml(xml::Node item) {
  LoadRecordFields(*this, item, Fields());
}

void TPayeeInfo::SaveToXml(xml::Node parent) const {
  SaveRecordFields(*this, parent, kItemNode, Fields());
}

void TPayeeInfo::AssignFromPayer(const TPayerInfo& payer) {
  RcvAccNo = payer.PayAccNo;
  RcvAccName = payer.PayAccName;
  BranchName = payer.BranchName;
  BranchCode = payer.BranchCode;
  CounterName = payer.CounterName;
  CounterNo = payer.CounterNo;
  UbankNo = payer.UbankNo;
  ExchangeNo = payer.ExchangeNo;
  Status = payer.Status;
  SortID = payer.SortId;
  RightType = payer.RightType;
  AccOrder = payer.AccOrder;
  CurType = payer.CurType;
  AccAlias = payer.AccAlias;
  IsNVX = QStringLiteral("1");
}

QString TPayeeInfo::BankCategoryText() const {
  return IsNVX == QLatin1String("1") ? QStringLiteral("维行") : QStringLiteral("他行");
}
