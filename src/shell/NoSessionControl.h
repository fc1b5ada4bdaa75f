#pragma once

#include "core/SessionControl.h"

class TPrompts;

// No session can be started: the logon tells the clerk so.
class TNoSessionControl : public TSessionControl {
 public:
  explicit TNoSessionControl(TPrompts& prompts) : prompts_(prompts) {}

  bool IsLoggedOn() const override { return false; }
  bool LogOn(QWidget* parent) override;
  void LogOff() override {}
  void AddLogoffHook(std::function<void()> /*hook*/) override {}
  TUSER& User() override { return user_; }
  const TServerConfig& Server() const override { return server_; }

 private:
  TPrompts& prompts_;
  TUSER user_;
  TServerConfig server_;
};
