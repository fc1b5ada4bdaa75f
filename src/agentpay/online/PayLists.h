#pragma once

#include <QList>
#include <QString>
#include <pugixml.hpp>

#include "session/transport/FormBody.h"
#include "session/transport/ListRecords.h"

struct TServerConfig;
struct TUSER;

// The two kinds of submission: 批量代发 (salaries paid out) and 批量代扣
// (collections drawn in); the index is what the bank is sent.
enum class TPayMode { Pay = 0, Collect = 1 };

// The session's agent-pay interface: 1 is the newer one (N17 requests), any
// other value the older one (661 requests).
bool UsesN17(const TUSER& user);

// The items and uses the bank offers for one pay mode, and for the N17
// interface the parameters its upload repeats.
struct TPayModeLists {
  QList<TPayItem> Items;
  QList<TPayUse> Uses;
  QString PyPerQot;
  QString IsBigFile;
  QString SignDat;
  QString CcyId;
  // The uses whose number is the item's number (ignoring case), in list order.
  QList<TPayUse> UsesOf(const TPayItem& item) const;
};

// Where the lists, the polls and the confirmations go: "/NNVX/NECV6B2BMainPlat" (N17) or
// "/NNVX/NECV5B2BMainPlat" (661).
QString PayMainPlatPath(const TUSER& user);
// N17101 with TRAN_TYPE, or 661201 with TXFLAG, for the mode.
QByteArray ListsBody(const TUSER& user, TPayMode mode);

// The lists below "ROOT" of a reply that passed the check.
TPayModeLists ReadN17Lists(const pugi::xml_node& root);
TPayModeLists Read661Lists(const pugi::xml_node& root);
// The second 661 list reply renews the session: CUST_ID, USERID, SKEY and
// TX_CODE go into the session record.
void TakeSessionFields(const pugi::xml_node& root, TUSER& user);

struct TPayListsOfBothModes {
  TPayModeLists Pay;
  TPayModeLists Collect;
  const TPayModeLists& Of(TPayMode mode) const { return mode == TPayMode::Pay ? Pay : Collect; }
};

// Asks the bank for the lists of both modes, through the session's interface
// (the second 661 reply renews the session). Throws EResponseError when a
// request or its reply fails.
TPayListsOfBothModes FetchPayLists(TUSER& user, const TServerConfig& server);
