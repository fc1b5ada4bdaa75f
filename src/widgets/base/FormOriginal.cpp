#include "widgets/base/FormOriginal.h"

#include <QEvent>

namespace {

constexpr int kLeftOffset = 4;
constexpr int kTopOffset = 30;

}  // namespace

TFormOriginal::TFormOriginal(TScreenServices services, QWidget* parent)
    : QWidget(parent), services_(std::move(services)) {}

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
  const std::optional<TWorkArea> work = services_.WorkArea ? services_.WorkArea() : std::nullopt;
  if (!work) return;
  restore_ = QRect(GlobalFramePosition(), size());
  Place(QPoint(work->MainLeft + kLeftOffset, work->Area.top() + kTopOffset), work->Area.size());
}

void TFormOriginal::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() != QEvent::WindowStateChange || !isWindow()) return;
  if (!(windowState() & Qt::WindowMaximized)) return;
  if (!services_.WorkArea || !services_.WorkArea()) return;
  setWindowState(windowState() & ~Qt::WindowMaximized);
  ToggleMaximized();
}
