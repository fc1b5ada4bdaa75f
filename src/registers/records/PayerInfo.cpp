#include "registers/records/PayerInfo.h"

namespace {

using F = TRecordField<TPayerInfo>;
using P = TPayerInfo;

const F kFields[] = {
    {"PayAccNo", &P::PayAccNo, 1},
    {"PayAccName", &P::PayAccName, 2},
    {"BranchName", &P::BranchName},
    {"BranchCode", &P::BranchCode},
    {"CounterName", &P::CounterName, 3},
    {"CounterNo", &P::CounterNo},
    {"UbankNo", &P::UbankNo},
    {"Status", &P::Status},
    {"ExchangeNo", &P::ExchangeNo, 0, false},
    {"SortId", &P::SortId, 4},
    {"RightType", &P::RightType, 6},
    {"AccOrder", &P::AccOrder},
    {"Balance", &P::Balance},
    {"BalanceDate", &P::BalanceDate},
    {"CurType", &P::CurType},
    {"AccAlias", &P::AccAlias, 5},
};

}  // namespace

TRecordFields<TPayerInfo> TPayerInfo::Fields() {
  return kFields;
}

void TPayerInfo::LoadFromXml(xml::Node item) {
  LoadRecordFields(*this, item, Fields());
}

void TPayerInfo::SaveToXml(xml::Node parent) const {
  SaveRecordFields(*this, parent, kItemNode, Fields());
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
