#pragma once

#include <QRect>
#include <QWidget>
#include <optional>

class TFormMain;

// The base window of the screens. Maximising it does not fill the desktop: it
// takes the size of the main window's work area and sits 4 pixels right of
// the main window's left edge and 30 pixels below the top of that area; the
// same command puts it back where it was.
class TFormOriginal : public QWidget {
  Q_OBJECT
 public:
  explicit TFormOriginal(QWidget* parent = nullptr);

  // Does nothing while no main window exists.
  void ToggleMaximized();
  bool IsMaximizedToWorkArea() const { return restore_.has_value(); }

 protected:
  // The window system's maximise (system menu, double click on the caption)
  // runs ToggleMaximized instead.
  void changeEvent(QEvent* event) override;

 private:
  TFormMain* MainWindow() const;
  // Moves the frame to the global position and sizes the window.
  void Place(const QPoint& globalTopLeft, const QSize& size);
  QPoint GlobalFramePosition() const;

  std::optional<QRect> restore_;  // global frame position and size before maximising
};
