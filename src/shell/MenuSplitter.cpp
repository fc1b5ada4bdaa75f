#include "shell/MenuSplitter.h"

#include <QToolButton>
#include <QVBoxLayout>

TMenuSplitter::TMenuSplitter(QWidget* parent) : QSplitter(Qt::Horizontal, parent) {
  setHandleWidth(12);
  setChildrenCollapsible(true);
}

QSplitterHandle* TMenuSplitter::createHandle() {
  auto* handle = new TMenuSplitterHandle(orientation(), this);
  connect(handle->Button(), &QToolButton::clicked, this, &TMenuSplitter::toggleRequested);
  return handle;
}

QToolButton* TMenuSplitter::ToggleButton() const {
  if (count() < 2) return nullptr;
  const auto* strip = qobject_cast<TMenuSplitterHandle*>(handle(1));
  return strip ? strip->Button() : nullptr;
}

void TMenuSplitter::SetCollapsedLook(bool collapsed) {
  if (QToolButton* button = ToggleButton()) {
    button->setArrowType(collapsed ? Qt::RightArrow : Qt::LeftArrow);
    button->setToolTip(collapsed ? QStringLiteral("显示菜单") : QStringLiteral("隐藏菜单"));
  }
}

TMenuSplitterHandle::TMenuSplitterHandle(Qt::Orientation orientation, TMenuSplitter* parent)
    : QSplitterHandle(orientation, parent), button_(new QToolButton(this)) {
  button_->setObjectName(QStringLiteral("btnMenuToggle"));
  button_->setArrowType(Qt::LeftArrow);
  button_->setToolTip(QStringLiteral("隐藏菜单"));
  button_->setFixedSize(12, 64);
  button_->setCursor(Qt::ArrowCursor);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addStretch();
  layout->addWidget(button_);
  layout->addStretch();
}
