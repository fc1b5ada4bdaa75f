#pragma once

class QWidget;

// The online-banking session as the main window sees it. The logon code plugs
// its own implementation in at start-up.
class TSessionControl {
 public:
  virtual ~TSessionControl() = default;
  virtual bool IsLoggedOn() const = 0;
  // Runs the logon (dialog and session start); true when a session exists after.
  virtual bool LogOn(QWidget* parent) = 0;
  virtual void LogOff() = 0;
};

// No session can be started: the logon tells the clerk so.
class TNoSessionControl : public TSessionControl {
 public:
  bool IsLoggedOn() const override { return false; }
  bool LogOn(QWidget* parent) override;
  void LogOff() override {}
};
