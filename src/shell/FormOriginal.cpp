#include "shell/FormOriginal.h"

#include <QApplication>
#include <QEvent>

#include "shell/MainWindow.h"

namespace {

constexpr int kLeftOffset = 4;
constexpr int kTopOffset = 30;

}  // namespace

TFormOriginal::TFormOriginal(QWidget* parent) : QWidget(parent) {}

TFormMain* TFormOriginal::MainWindow() const {
  for (QWidget* widget = parentWidget(); widget; widget = widget->parentWidget())
    if (auto* main = qobject_cast<TFormMain*>(widget)) return main;
  for (QWidget* widget : QApplication::topLevelWidgets())
    if (auto* main = qobject_cast<TFormMain*>(widget)) return main;
  return nullptr;
}

QPoint TFormOriginal::GlobalFramePosition() const {
  return isWindow() ? pos() : parentWidget()->mapToGlobal(pos());
}

void TFormOriginal::Place(const QPoint& globalTopLeft, const QSize& size) {
  move(isWindow() ? globalTopLeft : parentWidget()->mapFromGlobal(globalTopLeft));
  resize(size);
}

void TFormOriginal::ToggleMaximized() {
  if (restore_) {
    const QRect restore = *restore_;
    restore_.reset();
    Place(restore.topLeft(), restore.size());
    return;
  }
  const TFormMain* main = MainWindow();
  if (!main) return;
  restore_ = QRect(GlobalFramePosition(), size());
  const QRect area = main->WorkAreaRect();
  Place(QPoint(main->frameGeometry().left() + kLeftOffset, area.top() + kTopOffset), area.size());
}

void TFormOriginal::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() != QEvent::WindowStateChange || !isWindow()) return;
  if (!(windowState() & Qt::WindowMaximized) || !MainWindow()) return;
  setWindowState(windowState() & ~Qt::WindowMaximized);
  ToggleMaximized();
}
