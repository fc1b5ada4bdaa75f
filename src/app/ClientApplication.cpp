#include "app/ClientApplication.h"

#include "shell/CommandGuard.h"

bool TClientApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (...) {
    ShowCurrentException();
    return false;
  }
}
