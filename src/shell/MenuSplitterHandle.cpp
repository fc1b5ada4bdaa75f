#include "shell/MenuSplitterHandle.h"

#include <QToolButton>
#include <QVBoxLayout>

#include "shell/MenuSplitter.h"

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
