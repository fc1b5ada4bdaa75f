#pragma once

#include <QRect>
#include <QWidget>
#include <optional>

#include "widgets/base/ScreenServices.h"

// The base window of the screens. It holds what the screen registry gives every
// screen (the prompts, the work area). Maximising it does not fill the desktop:
// it takes the size of the main window's work area and sits 4 pixels right of
// the main window's left edge and 30 pixels below the top of that area; the
// same command puts it back where it was.
class TFormOriginal : public QWidget {
  Q_OBJECT
 public:
  explicit TFormOriginal(TScreenServices services, QWidget* parent = nullptr);

  TPrompts& Prompts() const { return services_.Prompts; }
  const TScreenServices& Services() const { return services_; }

  // Does nothing while there is no main window.
  void ToggleMaximized();
  bool IsMaximizedToWorkArea() const { return restore_.has_value(); }

  // Runs before the program ends, for every screen made in the run, shown or
  // not: a screen saves here what must outlive the run. What the save throws
  // reaches the main window, which lets the clerk decide whether to leave.
  virtual void BeforeProgramExit() {}

 protected:
  // The window system's maximise (system menu, double click on the caption)
  // runs ToggleMaximized instead.
  void changeEvent(QEvent* event) override;

 private:
  // Moves the frame to the global position and sizes the window.
  void Place(const QPoint& globalTopLeft, const QSize& size);
  QPoint GlobalFramePosition() const;

  TScreenServices services_;
  std::optional<QRect> restore_;  // global frame position and size before maximising
};
