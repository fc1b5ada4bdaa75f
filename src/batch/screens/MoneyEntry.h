#pragma once

#include <QList>
#include <QString>
#include <optional>

#include "core/Amount.h"
#include "registers/records/PayeeInfo.h"
#include "registers/records/PayerInfo.h"

class TRegisterStore;

// What the document entry screen decides without its widgets: the checks on
// "确定" and "继续新增" and the entries of the type-ahead lists.
namespace money_entry {

// Where the focus goes after a failed check.
enum class TFocus { ChoosePayer, ChoosePayee, Usage, Amount };

struct TProblem {
  QString Message;
  TFocus Focus;
};

// The amount text as money; text that is not a plain payment amount gives zero.
TAmount AmountOf(const QString& text);

// The first failing check, or nothing when the document may be stored. A value
// holding "|" is refused in every field that goes into a batch line, since it
// would shift the fields after it.
std::optional<TProblem> Check(const TPayerInfo& payer, const TPayeeInfo& payee,
                              const QString& usage, const QString& amountText);

// "0" while the payee is not a contracted account, else empty.
QString PayerFilterFor(const TPayeeInfo& payee);

// An authorized payer pays only to the company's own contracted accounts.
bool IsAuthorized(const TPayerInfo& payer);

enum class TPartyField { AccNo, AccName, Alias };

// One entry of a type-ahead list: the text shown and the account it stands for.
struct TCandidate {
  QString Text;
  QString AccNo;
  bool operator==(const TCandidate&) const = default;
};

// Payers whose field contains the typed text (exact, case-sensitive); with a
// filter only payers of that RightType. Empty aliases never appear.
QList<TCandidate> PayerCandidates(const TRegisterStore& registers, TPartyField field,
                                  const QString& typed, const QString& filter);

// For a payer that is not authorized the payee register followed by the local
// register; for an authorized payer the contracted payers.
QList<TCandidate> PayeeCandidates(const TRegisterStore& registers, TPartyField field,
                                  const QString& typed, bool payerAuthorized);

}  // namespace money_entry
