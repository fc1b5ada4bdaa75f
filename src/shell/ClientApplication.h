#pragma once

#include <QApplication>

class TPrompts;

// The application object: the program's title, its Chinese font and Qt's own
// texts in Chinese whatever the system's language. Commands
// run through the command boundary; should an exception still escape the
// handling of an event, it is shown through the prompts and the program goes on.
class TClientApplication : public QApplication {
 public:
  TClientApplication(int& argc, char** argv);

  void SetPrompts(TPrompts& prompts) { prompts_ = &prompts; }
  bool notify(QObject* receiver, QEvent* event) override;

 private:
  TPrompts* prompts_ = nullptr;
};
