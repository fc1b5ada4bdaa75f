#include "batch/screens/SelectPayer.h"

#include "platform/prompts/Prompts.h"
#include "registers/screens/RegisterBook.h"
#include "shell/DataMain.h"
#include "shell/grid/MapleGrid.h"

TfmSelectPayer::TfmSelectPayer(TDataMain& data, QWidget* parent)
    : TSelectDialog(QStringLiteral("fmSelectPayer"), QStringLiteral("付款账号查询"),
                    QStringLiteral("grdPayer"), PayerColumns(), parent),
      data_(data) {
  AddSelectButton();
  AddFindButtons();
  AddExitButton();
  Grid().OnGetCellText = [this](int col, int row, QString& text) {
    text = col == 0 ? QString::number(row + 1) : PayerCell(entries_.at(row), col);
  };
}

void TfmSelectPayer::ShowList(const QString& accNo, const QString& filter) {
  entries_.clear();
  ClearChoice();
  int current = -1;
  for (const TPayerInfo& payer : data_.Payers) {
    if (!filter.isEmpty() && payer.RightType != filter) continue;
    if (current < 0 && payer.PayAccNo == accNo) current = int(entries_.size());
    entries_.append(payer);
  }
  Grid().SetTotalRowCount(int(entries_.size()));
  if (!entries_.isEmpty()) Grid().SetCurrentCell(1, qMax(current, 0));
}

bool TfmSelectPayer::Choose(TDataMain& data, const QString& accNo, const QString& filter,
                            TPayerInfo& chosen, QWidget* parent) {
  TfmSelectPayer form(data, parent);
  form.ShowList(accNo, filter);
  Prompts().runModal(form);
  if (form.ChosenRow() < 0) return false;
  chosen.Assign(form.entries_.at(form.ChosenRow()));
  return true;
}
