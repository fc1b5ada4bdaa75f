#pragma once

#include <functional>
#include <vector>

#include "session/ServerPaths.h"
#include "shell/SessionControl.h"

// The online-banking session of the run: logon through the logon dialog, the
// session start that asks the session type, and the logoff.
class TBankSession : public TSessionControl {
 public:
  explicit TBankSession(TServerConfig config);

  bool IsLoggedOn() const override;
  bool LogOn(QWidget* parent) override;
  void LogOff() override;

  // Runs at every logoff, for screens that hold data of the session.
  void AddLogoffHook(std::function<void()> hook);

  const TServerConfig& Config() const { return config_; }

 private:
  void StartSession();

  TServerConfig config_;
  std::vector<std::function<void()>> logoffHooks_;
};
