#include "batch/screens/fmSelectPayee.h"

#include <QColor>
#include <QPushButton>

#include "platform/prompts/Prompts.h"
#include "registers/screens/AccountColumns.h"
#include "registers/screens/FormDefPayee.h"
#include "widgets/base/CommandGuard.h"
#include "widgets/grid/ListModel.h"
#include "widgets/grid/MapleGrid.h"

namespace {

const QColor kRegisterColor(0xA6, 0xCA, 0xF0);  // sky blue

// The entries of both registers; each register's entries are numbered from 1.
class TPayeeChoiceModel : public TListModel {
 public:
  TPayeeChoiceModel(const QList<TPayeeInfo>& entries, const int& registerCount, QObject* parent)
      : TListModel(PayeeColumns(), false, parent),
        entries_(entries),
        registerCount_(registerCount) {}

  int rowCount(const QModelIndex& parent = QModelIndex()) const override {
    return parent.isValid() ? 0 : int(entries_.size());
  }

 protected:
  QString EntryText(int row, int col) const override {
    if (col != 0) return PayeeCell(entries_.at(row), col);
    return QString::number(row < registerCount_ ? row + 1 : row - registerCount_ + 1);
  }

 private:
  const QList<TPayeeInfo>& entries_;
  const int& registerCount_;
};

}  // namespace

TfmSelectPayee::TfmSelectPayee(const TRegisterContext& context, QWidget* parent)
    : TSelectDialog(context.Screen.Prompts, QStringLiteral("fmSelectPayee"),
                    QStringLiteral("收款账户查询"), QStringLiteral("grdPayee"), parent),
      context_(context) {
  AddSelectButton();
  AddButton(QStringLiteral("btnAdd"), QStringLiteral("新增"), [this] { btnAddClick(); });
  btnEdit_ =
      AddButton(QStringLiteral("btnEdit"), QStringLiteral("修改"), [this] { btnEditClick(); });
  AddFindButtons();
  AddExitButton();
  SetModel(new TPayeeChoiceModel(entries_, registerCount_, this));
  Grid().OnGetCellColor = [this](int, int row, QColor& color) {
    if (row < registerCount_) color = kRegisterColor;
  };
}

void TfmSelectPayee::Reload() {
  entries_.clear();
  for (const TPayeeInfo& payee : context_.Registers.Payees) entries_.append(payee);
  registerCount_ = int(entries_.size());
  for (const TPayeeInfo& payee : context_.Registers.LocalPayees) entries_.append(payee);
  Model()->Refresh();
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

bool TfmSelectPayee::Choose(const TRegisterContext& context, const QString& accNo,
                            TPayeeInfo& chosen, QWidget* parent) {
  TfmSelectPayee form(context, parent);
  form.ShowList(accNo);
  context.Screen.Prompts.RunModal(form);
  if (form.ChosenRow() < 0) return false;
  chosen.Assign(form.entries_.at(form.ChosenRow()));
  return true;
}

void TfmSelectPayee::btnAddClick() {
  TPayeeInfo payee;
  TFormDefPayee form(context_, this);
  if (!form.Execute(payee, TFormDefPayee::TMode::Local)) return;
  context_.Registers.LocalPayees.Append(std::make_unique<TPayeeInfo>(payee));
  WriteReported(Prompts(), TPrompts::kSystemCaption, [this] {
    context_.Registers.SaveList(context_.Registers.LocalPayees, info_configs::LocalPayees());
  });
  const int row = Grid().Row();
  Reload();
  if (!entries_.isEmpty()) Grid().SetCurrentCell(1, qMax(row, 0));
}

void TfmSelectPayee::btnEditClick() {
  const int row = Grid().Row();
  if (entries_.isEmpty() || row < 0 || row >= entries_.size()) return;
  const bool local = row >= registerCount_;
  const int index = local ? row - registerCount_ : row;
  TOwningList<TPayeeInfo>& list =
      local ? context_.Registers.LocalPayees : context_.Registers.Payees;
  if (index >= list.Count()) return;
  TPayeeInfo payee = list[index];
  TFormDefPayee form(context_, this);
  if (!form.Execute(payee, local ? TFormDefPayee::TMode::Local : TFormDefPayee::TMode::Register))
    return;
  list[index].Assign(payee);
  WriteReported(Prompts(), TPrompts::kSystemCaption, [this, local, &list] {
    context_.Registers.SaveList(list, local ? info_configs::LocalPayees() : info_configs::Payees());
  });
  Reload();
  Grid().SetCurrentCell(1, row);
}
