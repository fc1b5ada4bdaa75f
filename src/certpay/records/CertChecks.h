#pragma once

#include <QString>
#include <optional>

#include "certpay/records/CertAddInfo.h"
#include "certpay/records/CertPayee.h"
#include "certpay/records/CertPayer.h"
#include "certpay/records/UserInput.h"

// The checks of the central-finance entry dialogs, on the record as the dialog
// would store it: required fields tested trimmed, in the dialog's order, then
// no value may hold "|", which would shift every later field of a text line or
// a payment line.

// The first failing check: the message to show and the field to focus.
template <class T>
struct TCertProblem {
  QString Message;
  QString T::*Field = nullptr;
};

std::optional<TCertProblem<TCertPayer>> CheckCertPayer(const TCertPayer& payer);
// An other-bank payee (IsNVX other than "1") needs its interbank number.
std::optional<TCertProblem<TCertPayee>> CheckCertPayee(const TCertPayee& payee);
std::optional<TCertProblem<TCertAddInfo>> CheckCertAddInfo(const TCertAddInfo& info);
// The document dialog's checks; the amount must be a payment amount
// (TAmount::ParsePayment) greater than zero.
std::optional<TCertProblem<TUserInput>> CheckUserInput(const TUserInput& doc);

// The message refusing a "|" in the field of that caption.
QString SeparatorRefused(const QString& caption);
