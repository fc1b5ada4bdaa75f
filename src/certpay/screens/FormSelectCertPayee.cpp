#include "certpay/screens/FormSelectCertPayee.h"

#include "certpay/screens/CertColumns.h"
#include "platform/prompts/Prompts.h"
#include "widgets/grid/ListModel.h"
#include "widgets/grid/MapleGrid.h"

TFormSelectCertPayee::TFormSelectCertPayee(TPrompts& prompts, const TOwningList<TCertPayee>& list,
                                           QWidget* parent)
    : TSelectDialog(prompts, QStringLiteral("FormSelectCertPayee"),
                    QStringLiteral("选择中央财政支付收款人信息"), QStringLiteral("grdCertPayee"),
                    parent),
      list_(list) {
  AddSelectButton();
  AddFindButtons();
  AddExitButton();
  SetModel(new TRecordListModel<TOwningList<TCertPayee>>(
      list_, CertPayeeColumns(),
      [](const TCertPayee& payee, int col) { return CertPayeeCell(payee, col, false); }, true,
      this));
  if (!list_.IsEmpty()) Grid().SetCurrentCell(1, 0);
}

std::optional<TCertPayee> TFormSelectCertPayee::Choose(TPrompts& prompts,
                                                       const TOwningList<TCertPayee>& list,
                                                       QWidget* parent) {
  TFormSelectCertPayee form(prompts, list, parent);
  prompts.RunModal(form);
  if (form.ChosenRow() < 0 || form.ChosenRow() >= list.Count()) return std::nullopt;
  return list[form.ChosenRow()];
}
