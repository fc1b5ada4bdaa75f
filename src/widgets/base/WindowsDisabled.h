#pragma once

#include <QWidget>

// Keeps the screen and the window that holds it (the main window) disabled for
// its lifetime, so that no other command starts while one talks to the bank.
class TWindowsDisabled {
 public:
  explicit TWindowsDisabled(QWidget& screen) : screen_(screen), main_(screen.window()) {
    screen_.setEnabled(false);
    if (main_ != &screen_) main_->setEnabled(false);
  }
  ~TWindowsDisabled() {
    if (main_ != &screen_) main_->setEnabled(true);
    screen_.setEnabled(true);
  }
  TWindowsDisabled(const TWindowsDisabled&) = delete;
  TWindowsDisabled& operator=(const TWindowsDisabled&) = delete;

 private:
  QWidget& screen_;
  QWidget* main_;
};
