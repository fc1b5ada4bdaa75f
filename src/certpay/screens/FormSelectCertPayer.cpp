#include "certpay/screens/FormSelectCertPayer.h"

#include "certpay/screens/CertColumns.h"
#include "platform/prompts/Prompts.h"
#include "widgets/grid/ListModel.h"
#include "widgets/grid/MapleGrid.h"

TFormSelectCertPayer::TFormSelectCertPayer(TPrompts& prompts, const TOwningList<TCertPayer>& list,
                                           QWidget* parent)
    : TSelectDialog(prompts, QStringLiteral("FormSelectCertPayer"),
                    QStringLiteral("选择中央财政支付付款人信息"), QStringLiteral("grdCertPayer"),
                    parent),
      list_(list) {
  AddSelectButton();
  AddFindButtons();
  AddExitButton();
  SetModel(new TRecordListModel<TOwningList<TCertPayer>>(list_, CertPayerColumns(), &CertPayerCell,
                                                         true, this));
  if (!list_.IsEmpty()) Grid().SetCurrentCell(1, 0);
}

std::optional<TCertPayer> TFormSelectCertPayer::Choose(TPrompts& prompts,
                                                       const TOwningList<TCertPayer>& list,
                                                       QWidget* parent) {
  TFormSelectCertPayer form(prompts, list, parent);
  prompts.RunModal(form);
  if (form.ChosenRow() < 0 || form.ChosenRow() >= list.Count()) return std::nullopt;
  return list[form.ChosenRow()];
}
