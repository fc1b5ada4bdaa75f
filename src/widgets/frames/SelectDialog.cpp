#include "widgets/frames/SelectDialog.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QVBoxLayout>

#include "widgets/base/CommandGuard.h"
#include "widgets/grid/ListModel.h"
#include "widgets/grid/MapleGrid.h"

namespace {

constexpr int kListDialogHeight = 420;

}  // namespace

TSelectDialog::TSelectDialog(TPrompts& prompts, const QString& objectName, const QString& caption,
                             const QString& gridName, QWidget* parent)
    : TClientDialog(prompts, parent) {
  setObjectName(objectName);
  setWindowTitle(caption);
  auto* layout = new QVBoxLayout(this);
  buttons_ = new QHBoxLayout;
  buttons_->addStretch();
  layout->addLayout(buttons_);

  grid_ = new TMapleGrid(Prompts(), this);
  grid_->setObjectName(gridName);
  grid_->OnDblClick = [this](int, int) { btnSelectClick(); };
  grid_->installEventFilter(this);
  layout->addWidget(grid_);
}

QSize TSelectDialog::WholeListSize() const {
  int columns = 0;
  for (int col = 0; col < grid_->ColumnCount(); ++col) columns += grid_->columnWidth(col);
  const int scrollBar = grid_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, grid_);
  const QMargins margins = layout()->contentsMargins();
  const int width =
      columns + 2 * grid_->frameWidth() + scrollBar + margins.left() + margins.right();
  return {qMax(width, minimumSizeHint().width()), kListDialogHeight};
}

void TSelectDialog::SetModel(TListModel* model) {
  model_ = model;
  grid_->SetListModel(model);
  resize(WholeListSize().boundedTo(screen()->availableGeometry().size()));
}

int TSelectDialog::EntryCount() const {
  return model_ ? model_->rowCount() : 0;
}

QPushButton* TSelectDialog::AddButton(const QString& name, const QString& caption,
                                      std::function<void()> click) {
  auto* button = new QPushButton(caption, this);
  button->setObjectName(name);
  button->setAutoDefault(false);
  ConnectClick(button, Prompts(), std::move(click));
  buttons_->insertWidget(buttons_->count() - 1, button);  // before the stretch
  return button;
}

QPushButton* TSelectDialog::AddSelectButton() {
  return AddButton(QStringLiteral("btnSelect"), QStringLiteral("选中"),
                   [this] { btnSelectClick(); });
}

void TSelectDialog::AddFindButtons() {
  AddButton(QStringLiteral("btnFind"), QStringLiteral("查询"), [this] { btnFindClick(); });
  AddButton(QStringLiteral("btnFindNext"), QStringLiteral("查询下一个"),
            [this] { btnFindNextClick(); });
}

QPushButton* TSelectDialog::AddExitButton() {
  return AddButton(QStringLiteral("btnExit"), QStringLiteral("退出"), [this] { btnExitClick(); });
}

void TSelectDialog::btnSelectClick() {
  const int row = grid_->Row();
  if (row < 0 || row >= EntryCount()) return;
  chosen_ = row;
  accept();
}

void TSelectDialog::btnExitClick() {
  reject();
}

void TSelectDialog::btnFindClick() {
  grid_->Find();
}

void TSelectDialog::btnFindNextClick() {
  grid_->FindNext();
}

void TSelectDialog::showEvent(QShowEvent* event) {
  TClientDialog::showEvent(event);
  // Choosing the current row before the dialog had its size may have
  // scrolled the narrow list sideways.
  grid_->horizontalScrollBar()->setValue(0);
}

bool TSelectDialog::eventFilter(QObject* watched, QEvent* event) {
  if (watched == grid_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      RunCommand(Prompts(), [this] { btnSelectClick(); });
      return true;
    }
  }
  return TClientDialog::eventFilter(watched, event);
}
