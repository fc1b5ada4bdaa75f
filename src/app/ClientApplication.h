#pragma once

#include <QApplication>

// The application object. An exception that escapes the handling of an event
// (a command of a screen, a timer, ...) is shown to the clerk through the prompts
// and the program goes on, instead of ending.
class TClientApplication : public QApplication {
 public:
  TClientApplication(int& argc, char** argv) : QApplication(argc, argv) {}
  bool notify(QObject* receiver, QEvent* event) override;
};
