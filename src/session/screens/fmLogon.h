#pragma once

#include "core/ServerPaths.h"
#include "core/SessionUser.h"
#include "widgets/base/ClientDialog.h"

class QLineEdit;
class QPushButton;

// The logon dialog: customer number, operator code and password. A successful
// logon closes it with Accepted; the session record then holds the session.
class TfmLogon : public TClientDialog {
  Q_OBJECT
 public:
  TfmLogon(TServerConfig config, TUSER& user, TPrompts& prompts, QWidget* parent = nullptr);
  ~TfmLogon() override;

  // Checks the fields, logs on, shows the announcement and remembers the
  // customer and operator. Errors are shown to the clerk; the dialog then stays open.
  void btnLoginClick();

  // Every way of closing ends here; all fields are cleared.
  void done(int result) override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void CreateControls();
  void SetBusy(bool busy);
  // The steps of a logon; the field to focus afterwards is left in focusAfter.
  void RunLogon(QWidget*& focusAfter);
  bool CheckFields(QWidget*& focusAfter);
  void RememberUser() const;
  void ClearFields();

  TServerConfig config_;
  TUSER& user_;
  QLineEdit* edtCustId_ = nullptr;
  QLineEdit* edtOperId_ = nullptr;
  QLineEdit* edtLogpwd_ = nullptr;
  QPushButton* btnLogin_ = nullptr;
  QPushButton* btnCancel_ = nullptr;
  bool busy_ = false;
  bool closeWithOk_ = false;
};
