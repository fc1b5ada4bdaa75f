// NC1001: which interface generation the customer's session uses.
#include "Transactions.h"

namespace {

TSimReply SessionType(TTxContext& tx) {
  const TSimCustomer* customer = tx.Data.FindCustomer(tx.Session->CustomerId);
  if (!customer)
    return tx.Error(QStringLiteral("EBLN0001"), QStringLiteral("客户号或操作员号不存在"));
  TXmlElement root{QStringLiteral("ROOT"), {}, {}};
  root.Add(QStringLiteral("TradeType"), QString::number(customer->TradeType));
  root.Add(QStringLiteral("AgentType"), QString::number(customer->AgentType));
  return tx.Xml(root);
}

const TTxRegistration kSessionType{{"NC1001", {kMainPlatV6Path}, true, SessionType}};

}  // namespace
