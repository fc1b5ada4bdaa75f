#pragma once

#include <QString>
#include <memory>

#include "batch/documents/PayMoneyInfo.h"

// Documents shared by the tests: one to an account at this bank, one to
// another bank, with every field the forms carry set to a distinct value.
namespace sample {

inline QString U(const char* utf8) {
  return QString::fromUtf8(utf8);
}

inline TPayerInfo Payer() {
  TPayerInfo payer;
  payer.PayAccNo = U("0012345678901234567");
  payer.PayAccName = U("甲公司");
  payer.BranchCode = U("44");
  payer.CounterName = U("深圳分行营业部");
  payer.Balance = TAmount::FromYuan(12);
  return payer;
}

// A payee at this bank without an interbank number.
inline std::unique_ptr<TPayMoneyInfo> OwnBank() {
  auto doc = std::make_unique<TPayMoneyInfo>();
  doc->Payer = Payer();
  doc->Payee.RcvAccNo = U("6222000011112222");
  doc->Payee.RcvAccName = U("乙公司");
  doc->Payee.BranchCode = U("44");
  doc->Payee.CounterName = U("福田支行");
  doc->Payee.CounterNo = U("4402");
  doc->Payee.IsNVX = U("1");
  doc->Money = *TAmount::Parse(u"1500.5");
  doc->Usage = U("货款");
  doc->SerialNo = U("S-1");
  doc->Remark = U("备注一");
  return doc;
}

inline std::unique_ptr<TPayMoneyInfo> OtherBank() {
  auto doc = std::make_unique<TPayMoneyInfo>();
  doc->Payer = Payer();
  doc->Payee.RcvAccNo = U("9558800200112233");
  doc->Payee.RcvAccName = U("丙商行");
  doc->Payee.CounterName = U("某银行北京分行");
  doc->Payee.UbankNo = U("102100099996");
  doc->Payee.IsNVX = U("0");
  doc->Payee.BankCode = U("102");
  doc->Payee.AreaCode = U("1000");
  doc->Money = TAmount::FromYuan(100);
  doc->Usage = U("工资");
  return doc;
}

inline TBatch TwoDocuments() {
  TBatch batch;
  batch.Append(OwnBank());
  batch.Append(OtherBank());
  return batch;
}

}  // namespace sample
