#pragma once

#include <functional>

#include "core/ServerPaths.h"
#include "core/SessionUser.h"

class QWidget;

// The online-banking session as the screens and the main window see it: whether
// someone is logged on, the logon and the logoff, the session record and where
// the bank is. The session code implements it; tests supply their own.
class TSessionControl {
 public:
  virtual ~TSessionControl() = default;

  virtual bool IsLoggedOn() const = 0;
  // Runs the logon (dialog and session start); true when a session exists after.
  virtual bool LogOn(QWidget* parent) = 0;
  virtual void LogOff() = 0;
  // Runs the hook after every logoff: screens forget what they fetched for the
  // session. A hook of a screen that can go before the session checks that
  // the screen is still there.
  virtual void AddLogoffHook(std::function<void()> hook) = 0;

  virtual TUSER& User() = 0;
  virtual const TServerConfig& Server() const = 0;
};
