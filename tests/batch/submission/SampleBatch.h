#pragma once

#include <memory>

#include "batch/documents/PayMoneyInfo.h"

// Three documents from one payer account: two to payees at this bank, one to
// another bank without its interbank number (which the simulator rejects).
inline TBatch SampleBatch(const char* payerAccNo = "3100012345001") {
  TBatch batch;
  const char* payees[3][4] = {{"6217000033334444", "李四", "1", "货款"},
                              {"6217000055556666", "王五", "1", "工资"},
                              {"4367000077778888", "赵六有限公司", "0", "服务费"}};
  const qint64 units[3] = {15005000, 1000000, 100};
  for (int i = 0; i < 3; ++i) {
    auto doc = std::make_unique<TPayMoneyInfo>();
    doc->Payer.PayAccNo = payerAccNo;
    doc->Payer.PayAccName = "北京测试公司";
    doc->Payer.BranchCode = "0101";
    doc->Payee.RcvAccNo = payees[i][0];
    doc->Payee.RcvAccName = payees[i][1];
    doc->Payee.IsNVX = payees[i][2];
    doc->Payee.BankCode = "105";
    doc->Money = TAmount::FromUnits(units[i]);
    doc->Usage = payees[i][3];
    batch.Append(std::move(doc));
  }
  return batch;
}
