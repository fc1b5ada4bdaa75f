// 6P0010: the client announcement shown after the logon.
#include "Transactions.h"

namespace {

TSimReply Announcement(TTxContext& tx) {
  TXmlElement root{QStringLiteral("ROOT"), {}, {}};
  root.Add(QStringLiteral("ISHOWMSG"), tx.Data.AnnounceShow);
  root.Add(QStringLiteral("MSG"), tx.Data.AnnounceMessage);
  return tx.Xml(root);
}

const TTxRegistration kAnnouncement{{"6P0010", {kMainPlatV5Path}, true, Announcement}};

}  // namespace
