#include "session/screens/BankSession.h"

#include <exception>

#include "platform/prompts/Prompts.h"
#include "session/screens/fmLogon.h"
#include "session/transport/GetData.h"
#include "session/transport/TempWbFm.h"
#include "widgets/base/CommandGuard.h"

TBankSession::TBankSession(TServerConfig config, TPrompts& prompts)
    : config_(std::move(config)), prompts_(prompts) {}

bool TBankSession::IsLoggedOn() const {
  return user_.LoggedOn;
}

bool TBankSession::LogOn(QWidget* parent) {
  {
    TfmLogon dialog(config_, user_, prompts_, parent);
    if (prompts_.RunModal(dialog) != QDialog::Accepted) return false;
  }
  StartSession();
  return IsLoggedOn();
}

void TBankSession::StartSession() {
  user_.LoggedOn = true;
  user_.TradeType = -1;
  user_.AgentType = -1;
  try {
    if (TGetData::QueryTradeType(config_, user_, prompts_) == -1) user_.LoggedOn = false;
  } catch (...) {
    // The session stays open with the type not yet asked: the next request
    // that needs it asks again.
    ShowCurrentException(prompts_);
  }
}

void TBankSession::LogOff() {
  user_.CustId.clear();
  user_.UserId.clear();
  user_.SKey.clear();
  user_.TxCode.clear();
  user_.LoggedOn = false;

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
