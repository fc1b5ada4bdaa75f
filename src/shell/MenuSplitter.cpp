#include "shell/MenuSplitter.h"

#include <QToolButton>

#include "shell/MenuSplitterHandle.h"

TMenuSplitter::TMenuSplitter(QWidget* parent) : QSplitter(Qt::Horizontal, parent) {
  setHandleWidth(12);
  setChildrenCollapsible(true);
}

QSplitterHandle* TMenuSplitter::createHandle() {
  auto* handle = new TMenuSplitterHandle(orientation(), this);
  connect(handle->Button(), &QToolButton::clicked, this, &TMenuSplitter::ToggleRequested);
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
