#include "batch/screens/SelectPayee.h"

#include <QColor>
#include <QPushButton>

#include "platform/prompts/Prompts.h"
#include "registers/screens/FormDefPayee.h"
#include "registers/screens/RegisterBook.h"
#include "shell/CommandGuard.h"
#include "shell/DataMain.h"
#include "shell/grid/MapleGrid.h"

namespace {

const QColor kRegisterColor(0xA6, 0xCA, 0xF0);  // sky blue

}  // namespace

TfmSelectPayee::TfmSelectPayee(TDataMain& data, QWidget* parent)
    : TSelectDialog(QStringLiteral("fmSelectPayee"), QStringLiteral("收款账户查询"),
                    QStringLiteral("grdPayee"), PayeeColumns(), parent),
      data_(data) {
  AddSelectButton();
  AddButton(QStringLiteral("btnAdd"), QStringLiteral("新增"), [this] { btnAddClick(); });
  btnEdit_ =
      AddButton(QStringLiteral("btnEdit"), QStringLiteral("修改"), [this] { btnEditClick(); });
  AddFindButtons();
  AddExitButton();
  Grid().OnGetCellText = [this](int col, int row, QString& text) {
    if (col != 0) {
      text = PayeeCell(entries_.at(row), col);
    } else {
      text = QString::number(row < registerCount_ ? row + 1 : row - registerCount_ + 1);
    }
  };
  Grid().OnGetCellColor = [this](int, int row, QColor& color) {
    if (row < registerCount_) color = kRegisterColor;
  };
}

void TfmSelectPayee::Reload() {
  entries_.clear();
  for (const TPayeeInfo& payee : data_.Payees) entries_.append(payee);
  registerCount_ = int(entries_.size());
  for (const TPayeeInfo& payee : data_.LocalPayees) entries_.append(payee);
  Grid().SetTotalRowCount(int(entries_.size()));
  Grid().viewport()->update();
  UpdateCommands();
}

void TfmSelectPayee::UpdateCommands() {
  btnEdit_->setEnabled(!entries_.isEmpty());
}

void TfmSelectPayee::ShowList(const QString& accNo) {
  ClearChoice();
  Reload();
  int current = 0;
  for (int i = 0; i < entries_.size(); ++i) {
    if (entries_.at(i).RcvAccNo == accNo) {
      current = i;
      break;
    }
  }
  if (!entries_.isEmpty()) Grid().SetCurrentCell(1, current);
}

bool TfmSelectPayee::Choose(TDataMain& data, const QString& accNo, TPayeeInfo& chosen,
                            QWidget* parent) {
  TfmSelectPayee form(data, parent);
  form.ShowList(accNo);
  Prompts().runModal(form);
  if (form.ChosenRow() < 0) return false;
  chosen.Assign(form.entries_.at(form.ChosenRow()));
  return true;
}

void TfmSelectPayee::btnAddClick() {
  TPayeeInfo payee;
  TFormDefPayee form(data_, this);
  if (!form.Execute(payee, TFormDefPayee::TMode::Local)) return;
  data_.LocalPayees.Append(std::make_unique<TPayeeInfo>(payee));
  WriteReported(QStringLiteral("系统提示"),
                [this] { data_.SaveList(data_.LocalPayees, InfoConfigs::LocalPayees()); });
  const int row = Grid().Row();
  Reload();
  if (!entries_.isEmpty()) Grid().SetCurrentCell(1, qMax(row, 0));
}

void TfmSelectPayee::btnEditClick() {
  const int row = Grid().Row();
  if (entries_.isEmpty() || row < 0 || row >= entries_.size()) return;
  const bool local = row >= registerCount_;
  const int index = local ? row - registerCount_ : row;
  TOwningList<TPayeeInfo>& list = local ? data_.LocalPayees : data_.Payees;
  if (index >= list.Count()) return;
  TPayeeInfo payee = list[index];
  TFormDefPayee form(data_, this);
  if (!form.Execute(payee, local ? TFormDefPayee::TMode::Local : TFormDefPayee::TMode::Register))
    return;
  list[index].Assign(payee);
  WriteReported(QStringLiteral("系统提示"), [this, local, &list] {
    data_.SaveList(list, local ? InfoConfigs::LocalPayees() : InfoConfigs::Payees());
  });
  Reload();
  Grid().SetCurrentCell(1, row);
}
