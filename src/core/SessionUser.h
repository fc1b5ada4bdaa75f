#pragma once

#include <QString>

// The online-banking session record, owned by the session of the run.
struct TUSER {
  QString CustId;  // customer identification number, sent as CUSTOMERID
  QString UserId;  // operator code, sent as USERID
  QString SKey;    // session key, sent as SKEY
  QString TxCode;  // kept with the session; no request sends it
  bool LoggedOn = false;
  QString ClientName;    // client package location relative to the site root
  qint32 TradeType = 0;  // 1: new interface for statements and batch upload; -1: not asked yet
  qint32 AgentType = 0;  // 1: new interface for agent pay; -1: not asked yet
};
