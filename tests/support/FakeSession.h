#pragma once

#include <QString>
#include <functional>
#include <vector>

#include "core/SessionControl.h"
#include "platform/errors/ClerkError.h"

// A session for screen tests: it counts the logons and logoffs it is asked for
// and logs on when the test says so, or fails with the test's message.
class TFakeSession : public TSessionControl {
 public:
  bool IsLoggedOn() const override { return LoggedOn; }
  bool LogOn(QWidget*) override {
    ++LogOnCalls;
    if (Failure) throw TClerkError(QString::fromUtf8(Failure));
    LoggedOn = LogOnSucceeds;
    return LoggedOn;
  }
  void LogOff() override {
    ++LogOffCalls;
    LoggedOn = false;
    for (const std::function<void()>& hook : hooks_) hook();
  }
  void AddLogoffHook(std::function<void()> hook) override { hooks_.push_back(std::move(hook)); }
  TUSER& User() override { return Record; }
  const TServerConfig& Server() const override { return Settings; }

  bool LoggedOn = false;
  bool LogOnSucceeds = false;
  const char* Failure = nullptr;
  int LogOnCalls = 0;
  int LogOffCalls = 0;
  TUSER Record;
  TServerConfig Settings;

 private:
  std::vector<std::function<void()>> hooks_;
};
