#include "agentpay/online/PayLists.h"

#include "agentpay/online/PayExchange.h"
#include "core/ServerPaths.h"
#include "core/SessionUser.h"
#include "session/transport/GetData.h"

namespace {

template <class Entry, class Read>
QList<Entry> ReadEntries(const pugi::xml_node& list, Read read) {
  QList<Entry> entries;
  for (const pugi::xml_node& child : list.children())
    if (child.type() == pugi::node_element) entries.append(read(child));
  return entries;
}

}  // namespace

bool UsesN17(const TUSER& user) {
  return user.AgentType == 1;
}

QList<TPayUse> TPayModeLists::UsesOf(const TPayItem& item) const {
  QList<TPayUse> uses;
  for (const TPayUse& use : Uses)
    if (use.UseNo.compare(item.ItemNo, Qt::CaseInsensitive) == 0) uses.append(use);
  return uses;
}

QString PayMainPlatPath(const TUSER& user) {
  return UsesN17(user) ? MainPlatV6Path() : MainPlatV5Path();
}

QByteArray ListsBody(const TUSER& user, TPayMode mode) {
  const QString index = QString::number(int(mode));
  if (UsesN17(user)) {
    return TFormBody::AgentPay(QStringLiteral("N17101"), user)
        .Add("VCHR_TP_CODE", QStringLiteral("1"))
        .Add("TRAN_TYPE", index)
        .Bytes();
  }
  TFormBody body;
  body.Add("CUSTOMERID", user.CustId)
      .Add("USERID", user.UserId)
      .Add("TXCODE", QStringLiteral("661201"))
      .Add("SKEY", user.SKey);
  // The first request names the language, the second does not.
  if (mode == TPayMode::Pay) body.Add("PT_LANGUAGE", QStringLiteral("CN"));
  return body.Add("TXFLAG", index)
      .Add("STY_MAP", QStringLiteral("8"))
      .Add("resType", QStringLiteral("HTM"))
      .Bytes();
}

TPayModeLists ReadN17Lists(const pugi::xml_node& root) {
  TPayModeLists lists;
  lists.PyPerQot = OptionalText(root, "Py_Per_Qot");
  lists.IsBigFile = OptionalText(root, "ISBIGFILE");
  lists.SignDat = OptionalText(root, "SIGNDAT");
  lists.CcyId = QStringLiteral("156");
  lists.Items = ReadEntries<TPayItem>(root.child("ITEMLIST"), [](const pugi::xml_node& node) {
    return TPayItem{OptionalText(node, "ITEMNO"), OptionalText(node, "Entrst_Prj_ID"), QString(),
                    OptionalText(node, "Entrst_Prj_Nm"), QString()};
  });
  lists.Uses = ReadEntries<TPayUse>(root.child("USELIST"), [](const pugi::xml_node& node) {
    return TPayUse{OptionalText(node, "USENO"), OptionalText(node, "Prj_Use_Nm"),
                   OptionalText(node, "Prj_Use_ID"), QString(), QString()};
  });
  return lists;
}

TPayModeLists Read661Lists(const pugi::xml_node& root) {
  TPayModeLists lists;
  lists.Items = ReadEntries<TPayItem>(root.child("ITEMLIST"), [](const pugi::xml_node& node) {
    return TPayItem{OptionalText(node, "ITEMNO"), OptionalText(node, "ITEMID"),
                    OptionalText(node, "ITEMECTIP"), OptionalText(node, "ITEMNAME"),
                    OptionalText(node, "FILESIZE")};
  });
  lists.Uses = ReadEntries<TPayUse>(root.child("USELIST"), [](const pugi::xml_node& node) {
    return TPayUse{OptionalText(node, "USENO"), OptionalText(node, "USENAME"),
                   OptionalText(node, "USEID"), OptionalText(node, "MODEID"),
                   OptionalText(node, "LOCKED")};
  });
  return lists;
}

void TakeSessionFields(const pugi::xml_node& root, TUSER& user) {
  // All four read before any is taken, so that a reply lacking one leaves the
  // session as it was.
  QString custId = RequiredText(root, "CUST_ID");
  QString userId = RequiredText(root, "USERID");
  QString sKey = RequiredText(root, "SKEY");
  QString txCode = RequiredText(root, "TX_CODE");
  user.CustId = std::move(custId);
  user.UserId = std::move(userId);
  user.SKey = std::move(sKey);
  user.TxCode = std::move(txCode);
}

TPayListsOfBothModes FetchPayLists(TUSER& user, const TServerConfig& server) {
  TPayListsOfBothModes fetched;
  for (const TPayMode mode : {TPayMode::Pay, TPayMode::Collect}) {
    const pugi::xml_document doc = PostPayForm(user, server, ListsBody(user, mode));
    const pugi::xml_node root = ReplyRoot(doc);
    TPayModeLists& lists = mode == TPayMode::Pay ? fetched.Pay : fetched.Collect;
    if (UsesN17(user)) {
      lists = ReadN17Lists(root);
    } else {
      if (mode == TPayMode::Collect) TakeSessionFields(root, user);
      lists = Read661Lists(root);
    }
  }
  return fetched;
}
