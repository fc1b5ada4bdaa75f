#pragma once

#include <QRect>
#include <functional>
#include <optional>

class TPrompts;

// Where the main window's work area lies, for the maximise toggle of the screens.
struct TWorkArea {
  QRect Area;        // in global coordinates
  int MainLeft = 0;  // the left edge of the main window's frame
};

// What every screen receives from the screen registry besides its subsystem's
// data: the prompts it shows its messages through, and the work area.
struct TScreenServices {
  TPrompts& Prompts;
  // Nothing while there is no main window.
  std::function<std::optional<TWorkArea>()> WorkArea;
};
