// N17101 and 661201: the agent-pay items and uses of the customer for one pay
// mode (批量代发 or 批量代扣).
#include "PayFlow.h"

namespace {

TSimReply N17Lists(TTxContext& tx) {
  const TPayCaller caller = PayCaller(tx, true);
  if (caller.Refusal) return *caller.Refusal;
  const int modeIndex = PayModeOf(tx.Form.Bytes("TRAN_TYPE"));
  if (modeIndex < 0) return BadPayMode(tx);
  const TSimPayMode& mode = caller.Customer->PayModes[modeIndex];

  TXmlElement root{QStringLiteral("ROOT"), {}, {}};
  root.Add(QStringLiteral("Py_Per_Qot"), mode.PyPerQot);
  root.Add(QStringLiteral("ISBIGFILE"), mode.IsBigFile);
  root.Add(QStringLiteral("SIGNDAT"), mode.SignDat);
  TXmlElement& items = root.Add(QStringLiteral("ITEMLIST"));
  for (const TSimPayItem& item : mode.Items) {
    TXmlElement& entry = items.Add(QStringLiteral("ITEM"));
    entry.Add(QStringLiteral("ITEMNO"), item.No);
    entry.Add(QStringLiteral("Entrst_Prj_ID"), item.Id);
    entry.Add(QStringLiteral("Entrst_Prj_Nm"), item.Name);
  }
  TXmlElement& uses = root.Add(QStringLiteral("USELIST"));
  for (const TSimPayUse& use : mode.Uses) {
    TXmlElement& entry = uses.Add(QStringLiteral("USE"));
    entry.Add(QStringLiteral("USENO"), use.No);
    entry.Add(QStringLiteral("Prj_Use_ID"), use.Id);
    entry.Add(QStringLiteral("Prj_Use_Nm"), use.Name);
  }
  return tx.Xml(root);
}

// The second request (批量代扣) also hands the client its session fields.
TSimReply OldLists(TTxContext& tx) {
  const TPayCaller caller = PayCaller(tx, false);
  if (caller.Refusal) return *caller.Refusal;
  const int modeIndex = PayModeOf(tx.Form.Bytes("TXFLAG"));
  if (modeIndex < 0) return BadPayMode(tx);
  const TSimPayMode& mode = caller.Customer->PayModes[modeIndex];

  TXmlElement root{QStringLiteral("ROOT"), {}, {}};
  if (modeIndex == 1) {
    root.Add(QStringLiteral("CUST_ID"), tx.Session->CustomerId);
    root.Add(QStringLiteral("USERID"), tx.Session->UserId);
    root.Add(QStringLiteral("SKEY"), tx.Session->SKey);
    root.Add(QStringLiteral("TX_CODE"), QStringLiteral("661201"));
  }
  TXmlElement& items = root.Add(QStringLiteral("ITEMLIST"));
  for (const TSimPayItem& item : mode.Items) {
    TXmlElement& entry = items.Add(QStringLiteral("ITEM"));
    entry.Add(QStringLiteral("ITEMNO"), item.No);
    entry.Add(QStringLiteral("ITEMID"), item.Id);
    entry.Add(QStringLiteral("ITEMECTIP"), item.Ectip);
    entry.Add(QStringLiteral("ITEMNAME"), item.Name);
    if (!item.FileSize.isEmpty()) entry.Add(QStringLiteral("FILESIZE"), item.FileSize);
  }
  TXmlElement& uses = root.Add(QStringLiteral("USELIST"));
  for (const TSimPayUse& use : mode.Uses) {
    TXmlElement& entry = uses.Add(QStringLiteral("USE"));
    entry.Add(QStringLiteral("USENO"), use.No);
    entry.Add(QStringLiteral("USENAME"), use.Name);
    entry.Add(QStringLiteral("USEID"), use.Id);
    entry.Add(QStringLiteral("MODEID"), use.ModeId);
    entry.Add(QStringLiteral("LOCKED"), use.Locked);
  }
  return tx.Xml(root);
}

const TTxRegistration kN17Lists{{"N17101", {kMainPlatV6Path}, true, N17Lists}};
const TTxRegistration kOldLists{{"661201", {kMainPlatV5Path}, true, OldLists}};

}  // namespace
