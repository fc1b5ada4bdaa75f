#include "certpay/screens/FormSelectCertPayAddInfo.h"

#include "certpay/screens/CertColumns.h"
#include "platform/prompts/Prompts.h"
#include "widgets/grid/ListModel.h"
#include "widgets/grid/MapleGrid.h"

TFormSelectCertPayAddInfo::TFormSelectCertPayAddInfo(TPrompts& prompts,
                                                     const TOwningList<TCertAddInfo>& list,
                                                     QWidget* parent)
    : TSelectDialog(prompts, QStringLiteral("FormSelectCertPayAddInfo"),
                    QStringLiteral("中央财政支付附加信息"), QStringLiteral("grdCertAddInfo"),
                    parent),
      list_(list) {
  AddSelectButton();
  AddFindButtons();
  AddExitButton();
  SetModel(new TRecordListModel<TOwningList<TCertAddInfo>>(list_, CertAddInfoColumns(),
                                                           &CertAddInfoCell, true, this));
  if (!list_.IsEmpty()) Grid().SetCurrentCell(1, 0);
}

std::optional<TCertAddInfo> TFormSelectCertPayAddInfo::Choose(TPrompts& prompts,
                                                              const TOwningList<TCertAddInfo>& list,
                                                              QWidget* parent) {
  TFormSelectCertPayAddInfo form(prompts, list, parent);
  prompts.RunModal(form);
  if (form.ChosenRow() < 0 || form.ChosenRow() >= list.Count()) return std::nullopt;
  return list[form.ChosenRow()];
}
