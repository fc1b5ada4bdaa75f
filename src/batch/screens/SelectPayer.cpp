#include "batch/screens/SelectPayer.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/prompts/Prompts.h"
#include "registers/screens/RegisterBook.h"
#include "shell/DataMain.h"
#include "shell/grid/MapleGrid.h"

TfmSelectPayer::TfmSelectPayer(TDataMain& data, QWidget* parent) : QDialog(parent), data_(data) {
  setObjectName(QStringLiteral("fmSelectPayer"));
  setWindowTitle(QStringLiteral("付款账号查询"));
  CreateControls();
}

void TfmSelectPayer::CreateControls() {
  auto* layout = new QVBoxLayout(this);
  auto* buttons = new QHBoxLayout;
  auto addButton = [this, buttons](const QString& name, const QString& caption,
                                   void (TfmSelectPayer::*click)()) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(name);
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, click);
    buttons->addWidget(button);
    return button;
  };
  btnSelect_ = addButton(QStringLiteral("btnSelect"), QStringLiteral("选中"),
                         &TfmSelectPayer::btnSelectClick);
  addButton(QStringLiteral("btnFind"), QStringLiteral("查询"), &TfmSelectPayer::btnFindClick);
  addButton(QStringLiteral("btnFindNext"), QStringLiteral("查询下一个"),
            &TfmSelectPayer::btnFindNextClick);
  addButton(QStringLiteral("btnExit"), QStringLiteral("退出"), &TfmSelectPayer::btnExitClick);
  buttons->addStretch();
  layout->addLayout(buttons);

  grid_ = new TMapleGrid(this);
  grid_->setObjectName(QStringLiteral("grdPayer"));
  grid_->SetColumns(PayerColumns());
  grid_->OnGetCellText = [this](int col, int row, QString& text) {
    text = col == 0 ? QString::number(row + 1) : PayerCell(entries_.at(row), col);
  };
  grid_->OnDblClick = [this](int, int) { btnSelectClick(); };
  grid_->installEventFilter(this);
  layout->addWidget(grid_);
  resize(760, 420);
}

void TfmSelectPayer::ShowList(const QString& accNo, const QString& filter) {
  entries_.clear();
  chosen_ = -1;
  int current = -1;
  for (const TPayerInfo& payer : data_.Payers) {
    if (!filter.isEmpty() && payer.RightType != filter) continue;
    if (current < 0 && payer.PayAccNo == accNo) current = int(entries_.size());
    entries_.append(payer);
  }
  grid_->SetTotalRowCount(int(entries_.size()));
  if (!entries_.isEmpty()) grid_->SetCurrentCell(1, qMax(current, 0));
}

bool TfmSelectPayer::Choose(TDataMain& data, const QString& accNo, const QString& filter,
                            TPayerInfo& chosen, QWidget* parent) {
  TfmSelectPayer form(data, parent);
  form.ShowList(accNo, filter);
  Prompts().runModal(form);
  if (form.chosen_ < 0) return false;
  chosen.Assign(form.entries_.at(form.chosen_));
  return true;
}

void TfmSelectPayer::btnSelectClick() {
  const int row = grid_->Row();
  if (entries_.isEmpty() || row < 0 || row >= entries_.size()) return;
  chosen_ = row;
  accept();
}

void TfmSelectPayer::btnExitClick() {
  reject();
}

void TfmSelectPayer::btnFindClick() {
  grid_->Find();
}

void TfmSelectPayer::btnFindNextClick() {
  grid_->FindNext();
}

bool TfmSelectPayer::eventFilter(QObject* watched, QEvent* event) {
  if (watched == grid_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      btnSelectClick();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}
