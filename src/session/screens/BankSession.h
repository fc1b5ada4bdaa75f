#pragma once

#include <functional>
#include <vector>

#include "core/ServerPaths.h"
#include "core/SessionControl.h"
#include "core/SessionUser.h"

class TPrompts;

// The online-banking session of the run: logon through the logon dialog, the
// session start that asks the session type, and the logoff. It owns the
// session record.
class TBankSession : public TSessionControl {
 public:
  TBankSession(TServerConfig config, TPrompts& prompts);

  bool IsLoggedOn() const override;
  bool LogOn(QWidget* parent) override;
  void LogOff() override;
  TUSER& User() override { return user_; }
  const TServerConfig& Server() const override { return config_; }

  void AddLogoffHook(std::function<void()> hook) override;

 private:
  void StartSession();

  TServerConfig config_;
  TPrompts& prompts_;
  TUSER user_;
  std::vector<std::function<void()>> logoffHooks_;
};
