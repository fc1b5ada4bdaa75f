#include "widgets/base/CommandRow.h"

#include <QHBoxLayout>
#include <QPushButton>

#include "widgets/base/CommandGuard.h"

TCommandRow::TCommandRow(QWidget& owner, TPrompts& prompts, bool toTheRight)
    : owner_(owner), prompts_(prompts), layout_(new QHBoxLayout), finished_(toTheRight) {
  if (toTheRight) layout_->addStretch();
}

QPushButton* TCommandRow::Add(const char* name, const QString& caption, const QString& hint,
                              std::function<void()> command) {
  auto* button = new QPushButton(caption, &owner_);
  button->setObjectName(QString::fromLatin1(name));
  button->setToolTip(hint);
  ConnectClick(button, prompts_, std::move(command));
  layout_->addWidget(button);
  return button;
}

QPushButton* TCommandRow::AddToggle(const char* name, const QString& caption, QWidget& shown) {
  auto* button = new QPushButton(caption, &owner_);
  button->setObjectName(QString::fromLatin1(name));
  button->setCheckable(true);
  button->setChecked(true);
  QObject::connect(button, &QPushButton::toggled, &shown, &QWidget::setVisible);
  layout_->addWidget(button);
  return button;
}

QHBoxLayout* TCommandRow::Layout() {
  if (!finished_) layout_->addStretch();
  finished_ = true;
  return layout_;
}
