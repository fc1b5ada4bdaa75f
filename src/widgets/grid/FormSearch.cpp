#include "widgets/grid/FormSearch.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/prompts/Prompts.h"
#include "widgets/base/CommandGuard.h"

namespace {

constexpr int kFirstChoiceColumn = 2;

QPushButton* AddButton(QHBoxLayout* row, const QString& name, const QString& caption) {
  auto* button = new QPushButton(caption);
  button->setObjectName(name);
  row->addWidget(button);
  return button;
}

}  // namespace

TFormSearch::TFormSearch(TPrompts& prompts, const QStringList& columnTitles, const QString& text,
                         int column, TMatchMode mode, QWidget* parent)
    : TClientDialog(prompts, parent) {
  setObjectName(QStringLiteral("FormSearch"));
  setWindowTitle(QStringLiteral("查找"));

  edtFind_ = new QLineEdit(text, this);
  edtFind_->setObjectName(QStringLiteral("edtFind"));
  cmbRange_ = new QComboBox(this);
  cmbRange_->setObjectName(QStringLiteral("cmbRange"));
  cmbRange_->addItems(columnTitles);
  const int chosen = column < 0 ? kFirstChoiceColumn : column;
  cmbRange_->setCurrentIndex(qBound(0, chosen, int(columnTitles.size()) - 1));
  cmbMatch_ = new QComboBox(this);
  cmbMatch_->setObjectName(QStringLiteral("cmbMatch"));
  cmbMatch_->addItems(MatchModeTexts());
  cmbMatch_->setCurrentIndex(int(mode));

  auto* fields = new QFormLayout;
  fields->addRow(QStringLiteral("查找"), edtFind_);
  fields->addRow(QStringLiteral("范围"), cmbRange_);
  fields->addRow(QStringLiteral("匹配方法"), cmbMatch_);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  QPushButton* ok = AddButton(buttons, QStringLiteral("btnOk"), QStringLiteral("确定"));
  QPushButton* cancel = AddButton(buttons, QStringLiteral("btnCancel"), QStringLiteral("取消"));
  ok->setDefault(true);
  ConnectClick(ok, Prompts(), [this] { btnOkClick(); });
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  layout->addLayout(buttons);
  edtFind_->setMinimumWidth(220);
  edtFind_->selectAll();
}

QString TFormSearch::SearchText() const {
  return edtFind_->text();
}

int TFormSearch::SearchColumn() const {
  return cmbRange_->currentIndex();
}

TMatchMode TFormSearch::MatchMode() const {
  return TMatchMode(qBound(0, cmbMatch_->currentIndex(), 2));
}

void TFormSearch::btnOkClick() {
  if (edtFind_->text().isEmpty()) {
    Prompts().Error(QStringLiteral("查找"), QStringLiteral("查找的文字不能为空!"));
    edtFind_->setFocus();
    return;
  }
  accept();
}

bool AskSearchCriteria(TPrompts& prompts, TGridSearch& search, const QStringList& columnTitles,
                       QWidget* parent) {
  TFormSearch dialog(prompts, columnTitles, search.Text(), search.Column(), search.Mode(), parent);
  if (prompts.RunModal(dialog) != QDialog::Accepted) return false;
  search.Confirm(dialog.SearchText(), dialog.SearchColumn(), dialog.MatchMode());
  return !search.Text().isEmpty();
}
