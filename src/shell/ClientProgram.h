#pragma once

#include <QString>
#include <memory>

#include "session/screens/BankSession.h"
#include "session/transport/TempWbFm.h"
#include "shell/DataMain.h"
#include "shell/FormMain.h"

class TPrompts;

// The objects of one run of the client, made in start-up order: the main
// window, the shared data, the session browser and the session, the screens
// registered with what they need.
class TClientProgram {
 public:
  // Throws what the data module's start throws.
  TClientProgram(const QString& appDir, TPrompts& prompts);

  TFormMain& MainWindow() { return formMain_; }
  TDataMain& Data() { return *data_; }
  TBankSession& Session() { return *session_; }

  // Tells the clerk about every register file that could not be read at start.
  void ReportDamagedFiles();

 private:
  TPrompts& prompts_;
  // Declared before the main window: its screens use the stores while they are
  // destroyed (the batch screen saves its column widths), so the data must
  // outlive them.
  std::unique_ptr<TDataMain> data_;
  std::unique_ptr<TBankSession> session_;
  TFormMain formMain_;
  TTempWbFm browser_;
};
