#include "StatementCaller.h"

TStatementCaller StatementCaller(const TTxContext& tx, std::optional<bool> newGeneration) {
  TStatementCaller caller;
  caller.Customer = tx.Data.FindCustomer(tx.Session->CustomerId);
  caller.Operator = caller.Customer ? caller.Customer->FindOperator(tx.Session->UserId) : nullptr;
  if (!caller.Operator) {
    caller.Refusal = tx.Error(QStringLiteral("EBLN0001"), QStringLiteral("客户号或操作员号不存在"));
  } else if (newGeneration && (caller.Customer->TradeType == 1) != *newGeneration) {
    caller.Refusal = tx.Error(QStringLiteral("EBLN0006"), QStringLiteral("交易码与客户类型不符"));
  }
  return caller;
}

TSimReply UnknownAccount(const TTxContext& tx) {
  return tx.Error(QStringLiteral("EBLN0018"), QStringLiteral("账号不属于本客户"));
}
