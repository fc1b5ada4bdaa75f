#pragma once

#include <QString>

#include "core/SessionControl.h"
#include "platform/errors/ClerkError.h"

// A session for screen tests: it counts the logons and logoffs it is asked for
// and logs on when the test says so, or fails with the test's message.
class TFakeSession : public TSessionControl {
 public:
  bool IsLoggedOn() const override { return loggedOn; }
  bool LogOn(QWidget*) override {
    ++logOnCalls;
    if (failure) throw TClerkError(QString::fromUtf8(failure));
    loggedOn = logOnSucceeds;
    return loggedOn;
  }
  void LogOff() override {
    ++logOffCalls;
    loggedOn = false;
  }
  TUSER& User() override { return user; }
  const TServerConfig& Server() const override { return server; }

  bool loggedOn = false;
  bool logOnSucceeds = false;
  const char* failure = nullptr;
  int logOnCalls = 0;
  int logOffCalls = 0;
  TUSER user;
  TServerConfig server;
};
