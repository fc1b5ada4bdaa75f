#include "batch/screens/fmSelectPayer.h"

#include "platform/prompts/Prompts.h"
#include "registers/screens/AccountColumns.h"
#include "widgets/grid/ListModel.h"
#include "widgets/grid/MapleGrid.h"

TfmSelectPayer::TfmSelectPayer(const TRegisterContext& context, QWidget* parent)
    : TSelectDialog(context.Screen.Prompts, QStringLiteral("fmSelectPayer"),
                    QStringLiteral("付款账号查询"), QStringLiteral("grdPayer"), parent),
      registers_(context.Registers) {
  AddSelectButton();
  AddFindButtons();
  AddExitButton();
  SetModel(
      new TRecordListModel<QList<TPayerInfo>>(entries_, PayerColumns(), &PayerCell, true, this));
}

void TfmSelectPayer::ShowList(const QString& accNo, const QString& filter) {
  entries_.clear();
  ClearChoice();
  int current = -1;
  for (const TPayerInfo& payer : registers_.Payers) {
    if (!filter.isEmpty() && payer.RightType != filter) continue;
    if (current < 0 && payer.PayAccNo == accNo) current = int(entries_.size());
    entries_.append(payer);
  }
  Model()->Refresh();
  if (!entries_.isEmpty()) Grid().SetCurrentCell(1, qMax(current, 0));
}

bool TfmSelectPayer::Choose(const TRegisterContext& context, const QString& accNo,
                            const QString& filter, TPayerInfo& chosen, QWidget* parent) {
  TfmSelectPayer form(context, parent);
  form.ShowList(accNo, filter);
  context.Screen.Prompts.RunModal(form);
  if (form.ChosenRow() < 0) return false;
  chosen.Assign(form.entries_.at(form.ChosenRow()));
  return true;
}
