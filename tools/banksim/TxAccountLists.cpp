// N00009, 610112: the accounts of the account-detail query; NN4100, 671902:
// the accounts of the transfer-flow query.
#include "StatementCaller.h"

namespace {

// ACC is shown without its last character and followed by ACCTYPE, which
// here is the kind of the account: "3100012345001 维岭示范贸易有限公司 活期".
TSimReply DetailAccounts(TTxContext& tx, bool newGeneration) {
  const TStatementCaller caller = StatementCaller(tx, newGeneration);
  if (caller.Refusal) return *caller.Refusal;
  TXmlElement root{QStringLiteral("ROOT"), {}, {}};
  TXmlElement& list = root.Add(QStringLiteral("ACCLIST"));
  for (const TSimAccount& account : caller.Customer->Accounts) {
    TXmlElement& entry = list.Add(QStringLiteral("ITEM"));
    entry.Add(QStringLiteral("ACCNO"), account.AccNo);
    entry.Add(QStringLiteral("ACCTYPE"), account.KindName);
    entry.Add(QStringLiteral("ACCNAME"), account.AccName);
    entry.Add(QStringLiteral("ACCBANK"), account.BankName);
    entry.Add(QStringLiteral("ACC"),
              account.AccNo + QLatin1Char(' ') + account.AccName + QStringLiteral(" |"));
  }
  return tx.Xml(root);
}

// ACCTYPE is the code the client shows as 授权 ("0") or 签约 ("1").
TSimReply FlowAccounts(TTxContext& tx, bool newGeneration) {
  const TStatementCaller caller = StatementCaller(tx, newGeneration);
  if (caller.Refusal) return *caller.Refusal;
  TXmlElement root{QStringLiteral("ROOT"), {}, {}};
  TXmlElement& list = root.Add(QStringLiteral("ACCLIST"));
  for (const TSimAccount& account : caller.Customer->Accounts) {
    TXmlElement& entry = list.Add(QStringLiteral("ITEM"));
    entry.Add(QStringLiteral("ACCNO"), account.AccNo);
    entry.Add(QStringLiteral("ACCNAME"), account.AccName);
    entry.Add(QStringLiteral("ACCCUR"), account.CurType);
    entry.Add(QStringLiteral("ACCTYPE"), account.AccType);
    entry.Add(QStringLiteral("ACCBANK"), account.BankName);
  }
  return tx.Xml(root);
}

const TTxRegistration kNewDetailAccounts{
    {"N00009", {kMainPlatV6Path}, true, [](TTxContext& tx) { return DetailAccounts(tx, true); }}};
const TTxRegistration kOldDetailAccounts{
    {"610112", {kMainPlatV5Path}, true, [](TTxContext& tx) { return DetailAccounts(tx, false); }}};
const TTxRegistration kNewFlowAccounts{
    {"NN4100", {kMainPlatV6Path}, true, [](TTxContext& tx) { return FlowAccounts(tx, true); }}};
const TTxRegistration kOldFlowAccounts{
    {"671902", {kMainPlatV5Path}, true, [](TTxContext& tx) { return FlowAccounts(tx, false); }}};

}  // namespace
