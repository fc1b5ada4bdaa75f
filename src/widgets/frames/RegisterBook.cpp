#include "widgets/frames/RegisterBook.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/prompts/Prompts.h"
#include "widgets/base/CommandGuard.h"
#include "widgets/grid/ListModel.h"

namespace {

QLabel* HeadingLabel(const QString& heading, QWidget* parent) {
  auto* label = new QLabel(heading, parent);
  label->setObjectName(QStringLiteral("lblHeading"));
  QFont font = label->font();
  font.setPointSizeF(font.pointSizeF() * 1.4);
  font.setBold(true);
  label->setFont(font);
  return label;
}

}  // namespace

TRegisterBook::TRegisterBook(TScreenServices services, const QString& caption,
                             const QString& heading, QWidget* parent)
    : TFormOriginal(std::move(services), parent) {
  setWindowTitle(caption);
  CreateControls(heading);
}

void TRegisterBook::CreateControls(const QString& heading) {
  lblHeading_ = HeadingLabel(heading, this);

  pnlButtons_ = new QWidget(this);
  pnlButtons_->setObjectName(QStringLiteral("pnlButtons"));
  auto* buttons = new QHBoxLayout(pnlButtons_);
  buttons->setContentsMargins(0, 0, 0, 0);
  buttons->setSpacing(8);
  buttons->addStretch();

  grid_ = new TMapleGrid(Prompts(), this);
  grid_->setObjectName(QStringLiteral("grdList"));
  grid_->SetFixRowHeight(24);
  grid_->SetRowSelect(true);
  grid_->OnDblClick = [this](int, int) { btnEditClick(); };

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(8, 6, 8, 8);
  layout->setSpacing(6);
  layout->addWidget(lblHeading_);
  layout->addWidget(pnlButtons_);
  layout->addWidget(grid_, 1);
}

void TRegisterBook::SetModel(TListModel* model) {
  model_ = model;
  grid_->SetListModel(model);
}

int TRegisterBook::EntryCount() const {
  return model_ ? model_->rowCount() : 0;
}

QPushButton* TRegisterBook::AddCommand(const QString& name, const QString& caption,
                                       std::function<void()> command, bool alwaysEnabled) {
  auto* button = new QPushButton(caption, pnlButtons_);
  button->setObjectName(name);
  button->setMinimumWidth(88);
  button->setAutoDefault(false);
  ConnectClick(button, Prompts(), std::move(command));
  auto* buttons = static_cast<QHBoxLayout*>(pnlButtons_->layout());
  buttons->insertWidget(buttons->count() - 1, button);
  if (!alwaysEnabled) entryCommands_ << button;
  return button;
}

void TRegisterBook::Refresh() {
  if (model_) model_->Refresh();
  const int count = EntryCount();
  for (QPushButton* button : entryCommands_) button->setEnabled(count > 0);
}

int TRegisterBook::CurrentEntry() const {
  const int row = grid_->Row();
  return row >= 0 && row < EntryCount() ? row : -1;
}

void TRegisterBook::MakeCurrent(int row) {
  if (row >= 0 && row < EntryCount()) grid_->SetCurrentCell(qMax(grid_->Col(), 0), row);
}

TRowRange TRegisterBook::SelectedEntries() const {
  const int count = EntryCount();
  TRowRange rows = grid_->SelectedRows();
  // The grid may show empty rows beyond the entries.
  rows.Last = qMin(rows.Last, count - 1);
  if (rows.First < 0 || rows.First > rows.Last) return {};
  return rows;
}

void TRegisterBook::btnFindClick() {
  grid_->Find();
}

void TRegisterBook::btnFindNextClick() {
  grid_->FindNext();
}

bool TRegisterBook::Confirm(const QString& question) const {
  return Prompts().Confirm(TPrompts::kSystemCaption, question);
}

bool TRegisterBook::SaveReported(const std::function<void()>& save) const {
  return WriteReported(Prompts(), TPrompts::kSystemCaption, save);
}

void TRegisterBook::DeleteEntries(const QString& question, bool clearAll) {
  if (!Confirm(question)) return;
  const TRowRange rows = clearAll ? TRowRange{0, EntryCount() - 1} : SelectedEntries();
  if (rows.First < 0 || rows.Last < rows.First) return;
  RemoveEntries(rows.First, rows.Last);
  SaveAndRefresh();
}

bool TRegisterBook::SaveAndRefresh() {
  const bool saved = SaveReported([this] { SaveEntries(); });
  Refresh();
  return saved;
}

void TRegisterBook::showEvent(QShowEvent* event) {
  // Other screens may have changed the register meanwhile.
  Refresh();
  TFormOriginal::showEvent(event);
}
