// The client's parameter download: the agent-pay template lists (N18501 on the
// newer interface, 660701 on the older) and the files, each an attachment:
// 660702 with RADIOBUTTON 1 and 2 (the payer and payee register templates) and
// 4 (an agent-pay template, BILL_NAME naming its item), N18502 (an agent-pay
// template, Entrst_Prj_ID naming its item), and the interbank-number package
// on "/NNVX/NECV5FileDownload" (see TxPayResultFiles.cpp).
#include "ClientParamFiles.h"
#include "PayFlow.h"
#include "StatementCaller.h"

namespace {

// The items of both pay modes that templates are kept for.
QList<TSimPayItem> TemplateItems(const TSimCustomer& customer) {
  QList<TSimPayItem> items;
  for (const TSimPayMode& mode : customer.PayModes) items += mode.Items;
  return items;
}

const TSimPayItem* FindTemplateItem(const TSimCustomer& customer, const QString& id) {
  for (const TSimPayMode& mode : customer.PayModes)
    for (const TSimPayItem& item : mode.Items)
      if (item.Id == id) return &item;
  return nullptr;
}

QString OldTemplateName(const TSimPayItem& item) {
  return QStringLiteral("TPL") + item.Id;
}

TSimReply TemplateAttachment(const TSimPayItem& item, const QString& clientFileName) {
  return AttachmentReply(
      "application/xml", PayTemplateFile(item),
      clientFileName.isEmpty() ? item.Name + QStringLiteral(".xml") : clientFileName);
}

TSimReply N17Templates(TTxContext& tx) {
  const TPayCaller caller = PayCaller(tx, true);
  if (caller.Refusal) return *caller.Refusal;
  TXmlElement root{QStringLiteral("ROOT"), {}, {}};
  TXmlElement& list = root.Add(QStringLiteral("ITEMLIST"));
  for (const TSimPayItem& item : TemplateItems(*caller.Customer)) {
    TXmlElement& entry = list.Add(QStringLiteral("ITEM"));
    entry.Add(QStringLiteral("Entrst_Prj_ID"), item.Id);
    entry.Add(QStringLiteral("Entrst_Prj_Nm"), item.Name);
  }
  return tx.Xml(root);
}

TSimReply OldTemplates(TTxContext& tx) {
  const TPayCaller caller = PayCaller(tx, false);
  if (caller.Refusal) return *caller.Refusal;
  TXmlElement root{QStringLiteral("ROOT"), {}, {}};
  TXmlElement& list = root.Add(QStringLiteral("MODELIST"));
  for (const TSimPayItem& item : TemplateItems(*caller.Customer)) {
    TXmlElement& entry = list.Add(QStringLiteral("MODE"));
    entry.Add(QStringLiteral("MODENO"), item.Id);
    entry.Add(QStringLiteral("MODENAME"), item.Name);
    entry.Add(QStringLiteral("TEMPNAME"), OldTemplateName(item));
  }
  return tx.Xml(root);
}

TSimReply N17Template(TTxContext& tx) {
  const TPayCaller caller = PayCaller(tx, true);
  if (caller.Refusal) return *caller.Refusal;
  const TSimPayItem* item = FindTemplateItem(*caller.Customer, tx.Form.Text("Entrst_Prj_ID"));
  if (!item) return MissingFileReply();
  return TemplateAttachment(*item, tx.Form.Utf8("clientFileName"));
}

// RADIOBUTTON 1 and 2 for any customer, 4 for those of the older interface.
TSimReply OldDownload(TTxContext& tx) {
  const QByteArray radio = tx.Form.Bytes("RADIOBUTTON");
  if (radio == "1" || radio == "2") {
    const TStatementCaller caller = StatementCaller(tx, std::nullopt);
    if (caller.Refusal) return *caller.Refusal;
    const bool payer = radio == "1";
    return AttachmentReply(
        "application/vnd.ms-excel", RegisterTemplateWorkbook(payer),
        payer ? QStringLiteral("付款人名册.xls") : QStringLiteral("收款人名册.xls"));
  }
  if (radio != "4") return MissingFileReply();
  const TPayCaller caller = PayCaller(tx, false);
  if (caller.Refusal) return *caller.Refusal;
  const TSimPayItem* item = FindTemplateItem(*caller.Customer, tx.Form.Text("BILL_NAME"));
  if (!item) return MissingFileReply();
  return TemplateAttachment(*item, tx.Form.Text("clientFileName"));
}

const TTxRegistration kN17Templates{{"N18501", {kMainPlatV6Path}, true, N17Templates}};
const TTxRegistration kOldTemplates{{"660701", {kMainPlatV5Path}, true, OldTemplates}};
const TTxRegistration kN17Template{{"N18502", {kMainPlatV6Path}, true, N17Template}};
const TTxRegistration kOldDownload{{"660702", {kMainPlatV5Path}, true, OldDownload}};

}  // namespace
