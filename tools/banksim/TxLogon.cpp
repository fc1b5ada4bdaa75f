// 690101: the logon.
#include "Transactions.h"

namespace {

TSimReply Logon(TTxContext& tx) {
  const TSimCustomer* customer = tx.Data.FindCustomer(tx.Form.Text("CUSTOMERID"));
  const TSimOperator* op = customer ? customer->FindOperator(tx.Form.Text("USERID")) : nullptr;
  if (!op) return tx.Error(QStringLiteral("EBLN0001"), QStringLiteral("客户号或操作员号不存在"));
  if (tx.Form.Text("LOG_PWD") != op->Password) {
    return tx.Error(QStringLiteral("EBLN0002"), QStringLiteral("登录密码错误"));
  }
  const TSimSession& session = tx.Sessions.Open(customer->Id, op->Id);
  TXmlElement root{QStringLiteral("ROOT"), {}, {}};
  root.Add(QStringLiteral("OPENTYPE"), op->OpenType);
  root.Add(QStringLiteral("CUST_ID"), customer->Id);
  root.Add(QStringLiteral("USERID"), op->Id);
  root.Add(QStringLiteral("SKEY"), session.SKey);
  root.Add(QStringLiteral("TX_CODE"), QStringLiteral("690101"));
  root.Add(QStringLiteral("CNAME"), tx.Data.ClientPackage);
  root.Add(QStringLiteral("TIME"), tx.Data.VersionTime);
  TSimReply reply = tx.Xml(root);
  reply.Headers.append({"Set-Cookie", "JSESSIONID=" + session.Cookie + "; Path=/"});
  return reply;
}

const TTxRegistration kLogon{{"690101", {kMainPlatV5Path}, false, Logon}};

}  // namespace
