#include "session/BankSession.h"

#include <exception>

#include "platform/prompts/Prompts.h"
#include "session/GetData.h"
#include "session/LogonDialog.h"
#include "session/SessionUser.h"
#include "session/TempWbFm.h"
#include "shell/CommandGuard.h"

TBankSession::TBankSession(TServerConfig config) : config_(std::move(config)) {}

bool TBankSession::IsLoggedOn() const {
  return SessionUser().LoggedOn;
}

bool TBankSession::LogOn(QWidget* parent) {
  {
    TfmLogon dialog(config_, parent);
    if (Prompts().runModal(dialog) != QDialog::Accepted) return false;
  }
  StartSession();
  return IsLoggedOn();
}

void TBankSession::StartSession() {
  TUSER& user = SessionUser();
  user.LoggedOn = true;
  user.TradeType = -1;
  user.AgentType = -1;
  try {
    if (TGetData::QueryTradeType(config_) == -1) user.LoggedOn = false;
  } catch (...) {
    // The session stays open with the type not yet asked: the next request
    // that needs it asks again.
    ShowCurrentException();
  }
}

void TBankSession::LogOff() {
  TUSER& user = SessionUser();
  user.CustId.clear();
  user.UserId.clear();
  user.SKey.clear();
  user.TxCode.clear();
  user.LoggedOn = false;

  std::exception_ptr failure;
  for (const std::function<void()>& hook : logoffHooks_) {
    try {
      hook();
    } catch (...) {
      if (!failure) failure = std::current_exception();
    }
  }
  if (TTempWbFm* browser = TTempWbFm::Current()) browser->GoOffline();
  if (failure) std::rethrow_exception(failure);
}

void TBankSession::AddLogoffHook(std::function<void()> hook) {
  logoffHooks_.push_back(std::move(hook));
}
