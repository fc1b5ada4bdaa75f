#include "batch/screens/SelectPayee.h"

#include <QColor>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/files/AtomicFile.h"
#include "platform/prompts/Prompts.h"
#include "registers/screens/FormDefPayee.h"
#include "registers/screens/RegisterBook.h"
#include "shell/DataMain.h"
#include "shell/grid/MapleGrid.h"

namespace {

const QColor kRegisterColor(0xA6, 0xCA, 0xF0);  // sky blue

bool SaveReported(const std::function<void()>& save) {
  try {
    save();
    return true;
  } catch (const TFileError& e) {
    Prompts().error(QStringLiteral("系统提示"), e.message());
    return false;
  }
}

}  // namespace

TfmSelectPayee::TfmSelectPayee(TDataMain& data, QWidget* parent) : QDialog(parent), data_(data) {
  setObjectName(QStringLiteral("fmSelectPayee"));
  setWindowTitle(QStringLiteral("收款账户查询"));
  CreateControls();
}

void TfmSelectPayee::CreateControls() {
  auto* layout = new QVBoxLayout(this);
  auto* buttons = new QHBoxLayout;
  auto addButton = [this, buttons](const QString& name, const QString& caption,
                                   void (TfmSelectPayee::*click)()) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, click);
    buttons->addWidget(button);
    return button;
  };
  addButton(QStringLiteral("btnSelect"), QStringLiteral("选中"), &TfmSelectPayee::btnSelectClick);
  addButton(QStringLiteral("btnAdd"), QStringLiteral("新增"), &TfmSelectPayee::btnAddClick);
  btnEdit_ =
      addButton(QStringLiteral("btnEdit"), QStringLiteral("修改"), &TfmSelectPayee::btnEditClick);
  addButton(QStringLiteral("btnFind"), QStringLiteral("查询"), &TfmSelectPayee::btnFindClick);
  addButton(QStringLiteral("btnFindNext"), QStringLiteral("查询下一个"),
            &TfmSelectPayee::btnFindNextClick);
  addButton(QStringLiteral("btnExit"), QStringLiteral("退出"), &TfmSelectPayee::btnExitClick);
  buttons->addStretch();
  layout->addLayout(buttons);

  grid_ = new TMapleGrid(this);
  grid_->setObjectName(QStringLiteral("grdPayee"));
  grid_->SetColumns(PayeeColumns());
  grid_->OnGetCellText = [this](int col, int row, QString& text) {
    if (col != 0) {
      text = PayeeCell(entries_.at(row), col);
    } else {
      text = QString::number(row < registerCount_ ? row + 1 : row - registerCount_ + 1);
    }
  };
  grid_->OnGetCellColor = [this](int, int row, QColor& color) {
    if (row < registerCount_) color = kRegisterColor;
  };
  grid_->OnDblClick = [this](int, int) { btnSelectClick(); };
  grid_->installEventFilter(this);
  layout->addWidget(grid_);
  resize(760, 420);
}

void TfmSelectPayee::Reload() {
  entries_.clear();
  for (const TPayeeInfo& payee : data_.Payees) entries_.append(payee);
  registerCount_ = int(entries_.size());
  for (const TPayeeInfo& payee : data_.LocalPayees) entries_.append(payee);
  grid_->SetTotalRowCount(int(entries_.size()));
  grid_->viewport()->update();
  UpdateCommands();
}

void TfmSelectPayee::UpdateCommands() {
  btnEdit_->setEnabled(!entries_.isEmpty());
}

void TfmSelectPayee::ShowList(const QString& accNo) {
  chosen_ = -1;
  Reload();
  int current = 0;
  for (int i = 0; i < entries_.size(); ++i) {
    if (entries_.at(i).RcvAccNo == accNo) {
      current = i;
      break;
    }
  }
  if (!entries_.isEmpty()) grid_->SetCurrentCell(1, current);
}

bool TfmSelectPayee::Choose(TDataMain& data, const QString& accNo, TPayeeInfo& chosen,
                            QWidget* parent) {
  TfmSelectPayee form(data, parent);
  form.ShowList(accNo);
  Prompts().runModal(form);
  if (form.chosen_ < 0) return false;
  chosen.Assign(form.entries_.at(form.chosen_));
  return true;
}

void TfmSelectPayee::btnSelectClick() {
  const int row = grid_->Row();
  if (entries_.isEmpty() || row < 0 || row >= entries_.size()) return;
  chosen_ = row;
  accept();
}

void TfmSelectPayee::btnExitClick() {
  reject();
}

void TfmSelectPayee::btnFindClick() {
  grid_->Find();
}

void TfmSelectPayee::btnFindNextClick() {
  grid_->FindNext();
}

void TfmSelectPayee::btnAddClick() {
  TPayeeInfo payee;
  TFormDefPayee form(data_, this);
  if (!form.Execute(payee, TFormDefPayee::TMode::Local)) return;
  data_.LocalPayees.Append(std::make_unique<TPayeeInfo>(payee));
  SaveReported([this] { data_.SaveList(data_.LocalPayees, InfoConfigs::LocalPayees()); });
  const int row = grid_->Row();
  Reload();
  if (!entries_.isEmpty()) grid_->SetCurrentCell(1, qMax(row, 0));
}

void TfmSelectPayee::btnEditClick() {
  const int row = grid_->Row();
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
  SaveReported([this, local, &list] {
    data_.SaveList(list, local ? InfoConfigs::LocalPayees() : InfoConfigs::Payees());
  });
  Reload();
  grid_->SetCurrentCell(1, row);
}

bool TfmSelectPayee::eventFilter(QObject* watched, QEvent* event) {
  if (watched == grid_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      btnSelectClick();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}
