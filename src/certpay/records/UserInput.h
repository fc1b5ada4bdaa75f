#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

#include "certpay/records/CertPayInfo.h"
#include "core/Amount.h"
#include "core/RecordFields.h"

// One document of the central-finance payment-file editor: a payment with its
// payer, payee and budget information, all as text. The payee's category and
// kind hold the texts the editor shows ("1-维行", "0-他行" or "2-他行";
// "对公账号" or "对私账号").
class TUserInput {
 public:
  QString SeqNo;  // the position when loaded, or the sequence field of an imported line
  QString PayerAccNo;
  QString PayerAccName;
  QString PayeeBankFlag;
  QString PayeeAccNo;
  QString PayeeAccName;
  QString PayerCounterName;
  QString PayeeCounterName;
  QString PayeeUBankNo;
  QString BudgetManage;
  QString FuncType;
  QString EconomyType;
  QString PayoutType;
  QString BudgetSource;
  QString ProjectId;
  QString CreditNo;
  QString Usge;
  QString Remark;
  QString Amt;  // the amount as typed
  QString PayeeAccKind;

  // The pieces of the payment line each field is written to and read from
  // (Column, from 1, is the piece's position plus one and the workbook's
  // column). The sequence number (1), the category (4) and the kind (20) are
  // written as codes; piece 15 stays empty.
  static TRecordFields<TUserInput> Fields();

  // The document of a stored one at a 1-based position; a part missing from
  // the stored document gives empty fields.
  static TUserInput FromCertPayInfo(const TCertPayInfo& info, int position);
  // The stored form, with all three parts; SeqNo is dropped.
  std::unique_ptr<TCertPayInfo> ToCertPayInfo() const;

  bool IsOwnBank() const;
  bool IsPersonal() const;
  // The amount; zero when Amt is no plain payment amount (TAmount::ParsePayment).
  TAmount Amount() const;
  // The payee for the central-finance payee register, with the codes "1" or
  // "2" and "P" or "U".
  TCertPayee Payee() const;
};

// The twenty-one pieces of the document's payment line: the sequence number
// with at least three digits, "1" for a payee at this bank or "2", the values
// unchanged, an empty piece 14 (from 0), "P" for a personal account or "U".
QStringList PaymentPieces(const TUserInput& doc, int seqNo);
// The line: the pieces joined by "|", without a "|" at the end.
QString PaymentLine(const TUserInput& doc, int seqNo);

// The document of the twenty-one pieces of a line or of a workbook row, or
// nothing when there are not exactly twenty-one (a "|" inside a value makes
// more), a piece but 14 holds "|", or piece 18 is no payment amount greater
// than zero. Piece 3 "1" gives "1-维行", anything else "2-他行"; piece 19 "P"
// gives "对私账号", anything else "对公账号"; piece 14 is not read.
std::optional<TUserInput> ReadPaymentPieces(const QStringList& pieces);
// The same for a line, split at every "|"; its pieces are not trimmed.
std::optional<TUserInput> ReadPaymentLine(const QString& line);
