#pragma once

#include <optional>

#include "Transactions.h"

// What the statement transactions of both interface generations share.

// The caller of a statement code, or the reply that refuses it: the new codes
// are for customers of trade type 1, the old ones for all others; a code of
// either generation (the detail receipt) passes any: generation empty.
struct TStatementCaller {
  const TSimCustomer* Customer = nullptr;
  const TSimOperator* Operator = nullptr;
  std::optional<TSimReply> Refusal;
};
TStatementCaller StatementCaller(const TTxContext& tx, std::optional<bool> newGeneration);

// EBLN0018: an account that is not one of the customer's.
TSimReply UnknownAccount(const TTxContext& tx);
