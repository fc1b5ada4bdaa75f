#include "registers/records/PayeeInfo.h"

#include "registers/records/PayerInfo.h"

namespace {

struct Field {
  const char* name;
  QString TPayeeInfo::*member;
};

// In the order of the item element.
constexpr Field kFields[] = {
    {"RcvAccNo", &TPayeeInfo::RcvAccNo},       {"RcvAccName", &TPayeeInfo::RcvAccName},
    {"BranchName", &TPayeeInfo::BranchName},   {"BranchCode", &TPayeeInfo::BranchCode},
    {"CounterName", &TPayeeInfo::CounterName}, {"CounterNo", &TPayeeInfo::CounterNo},
    {"UbankNo", &TPayeeInfo::UbankNo},         {"ExchangeNo", &TPayeeInfo::ExchangeNo},
    {"Status", &TPayeeInfo::Status},           {"IsNVX", &TPayeeInfo::IsNVX},
    {"SortID", &TPayeeInfo::SortID},           {"RightType", &TPayeeInfo::RightType},
    {"AccOrder", &TPayeeInfo::AccOrder},       {"CurType", &TPayeeInfo::CurType},
    {"AccAlias", &TPayeeInfo::AccAlias},       {"AreaProv", &TPayeeInfo::AreaProv},
    {"AreaCode", &TPayeeInfo::AreaCode},       {"BankCode", &TPayeeInfo::BankCode},
};

}  // namespace

void TPayeeInfo::LoadFromXml(xml::Node item) {
  xml::TFieldReader fields(item);
  for (const Field& field : kFields) this->*field.member = fields.Str(field.name);
}

void TPayeeInfo::SaveToXml(xml::Node parent) const {
  const xml::Node item = xml::AppendNode(parent, kItemNode);
  for (const Field& field : kFields) AppendField(item, field.name, this->*field.member);
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
