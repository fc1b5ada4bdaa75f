#include "certpay/records/UserInput.h"

#include "core/TextHelpers.h"

namespace {

using F = TRecordField<TUserInput>;
using U = TUserInput;

constexpr qsizetype kPieces = 21;
constexpr qsizetype kUnusedPiece = 14;

const F kFields[] = {
    {"SeqNo", &U::SeqNo, 1},
    {"PayerAccNo", &U::PayerAccNo, 2},
    {"PayerAccName", &U::PayerAccName, 3},
    {"PayeeBankFlag", &U::PayeeBankFlag, 4},
    {"PayeeAccNo", &U::PayeeAccNo, 5},
    {"PayeeAccName", &U::PayeeAccName, 6},
    {"PayerCounterName", &U::PayerCounterName, 7},
    {"PayeeCounterName", &U::PayeeCounterName, 8},
    {"PayeeUBankNo", &U::PayeeUBankNo, 9},
    {"BudgetManage", &U::BudgetManage, 10},
    {"FuncType", &U::FuncType, 11},
    {"EconomyType", &U::EconomyType, 12},
    {"PayoutType", &U::PayoutType, 13},
    {"BudgetSource", &U::BudgetSource, 14},
    {"CreditNo", &U::CreditNo, 16},
    {"Usge", &U::Usge, 17},
    {"Remark", &U::Remark, 18},
    {"Amt", &U::Amt, 19},
    {"PayeeAccKind", &U::PayeeAccKind, 20},
    {"ProjectId", &U::ProjectId, 21},
};

constexpr int kSeqNoColumn = 1;
constexpr int kBankFlagColumn = 4;
constexpr int kAccKindColumn = 20;

}  // namespace

TRecordFields<TUserInput> TUserInput::Fields() {
  return kFields;
}

TUserInput TUserInput::FromCertPayInfo(const TCertPayInfo& info, int position) {
  const TCertPayer payer = info.Payer ? *info.Payer : TCertPayer();
  const TCertPayee payee = info.Payee ? *info.Payee : TCertPayee();
  const TCertAddInfo add = info.AddInfo ? *info.AddInfo : TCertAddInfo();
  TUserInput doc;
  doc.SeqNo = QString::number(position);
  doc.PayerAccNo = payer.AccNo;
  doc.PayerAccName = payer.AccName;
  doc.PayerCounterName = payer.CounterName;
  doc.PayeeBankFlag = payee.IsNVX;
  doc.PayeeAccNo = payee.AccNo;
  doc.PayeeAccName = payee.AccName;
  doc.PayeeCounterName = payee.CounterName;
  doc.PayeeUBankNo = payee.UBankNo;
  doc.PayeeAccKind = payee.IsPsnAcc;
  doc.BudgetManage = add.BudgetManage;
  doc.FuncType = add.FuncType;
  doc.EconomyType = add.EconomyType;
  doc.PayoutType = add.PayoutType;
  doc.BudgetSource = add.BudgetSource;
  doc.ProjectId = add.ProjectId;
  doc.CreditNo = info.CreditNo;
  doc.Usge = info.Usge;
  doc.Remark = info.Remark;
  doc.Amt = info.Amt;
  return doc;
}

std::unique_ptr<TCertPayInfo> TUserInput::ToCertPayInfo() const {
  auto info = std::make_unique<TCertPayInfo>();
  info->Payer = std::make_unique<TCertPayer>();
  info->Payer->AccNo = PayerAccNo;
  info->Payer->AccName = PayerAccName;
  info->Payer->CounterName = PayerCounterName;
  info->Payee = std::make_unique<TCertPayee>();
  info->Payee->AccNo = PayeeAccNo;
  info->Payee->AccName = PayeeAccName;
  info->Payee->CounterName = PayeeCounterName;
  info->Payee->UBankNo = PayeeUBankNo;
  info->Payee->IsNVX = PayeeBankFlag;
  info->Payee->IsPsnAcc = PayeeAccKind;
  info->AddInfo = std::make_unique<TCertAddInfo>();
  info->AddInfo->BudgetManage = BudgetManage;
  info->AddInfo->FuncType = FuncType;
  info->AddInfo->EconomyType = EconomyType;
  info->AddInfo->PayoutType = PayoutType;
  info->AddInfo->BudgetSource = BudgetSource;
  info->AddInfo->ProjectId = ProjectId;
  info->Amt = Amt;
  info->Usge = Usge;
  info->Remark = Remark;
  info->CreditNo = CreditNo;
  return info;
}

bool TUserInput::IsOwnBank() const {
  return PayeeBankFlag == TCertPayee::kOwnBankText;
}

bool TUserInput::IsPersonal() const {
  return PayeeAccKind == TCertPayee::kPersonalText;
}

TAmount TUserInput::Amount() const {
  return TAmount::ParsePayment(Amt).value_or(TAmount());
}

TCertPayee TUserInput::Payee() const {
  TCertPayee payee;
  payee.AccNo = PayeeAccNo;
  payee.AccName = PayeeAccName;
  payee.CounterName = PayeeCounterName;
  payee.UBankNo = PayeeUBankNo;
  payee.IsNVX = IsOwnBank() ? QStringLiteral("1") : QStringLiteral("2");
  payee.IsPsnAcc = IsPersonal() ? QStringLiteral("P") : QStringLiteral("U");
  return payee;
}

QStringList PaymentPieces(const TUserInput& doc, int seqNo) {
  QStringList pieces(kPieces);
  for (const F& field : TUserInput::Fields()) {
    QString& piece = pieces[field.Column - 1];
    if (field.Column == kSeqNoColumn)
      piece = QString::number(seqNo).rightJustified(3, u'0');
    else if (field.Column == kBankFlagColumn)
      piece = doc.IsOwnBank() ? QStringLiteral("1") : QStringLiteral("2");
    else if (field.Column == kAccKindColumn)
      piece = doc.IsPersonal() ? QStringLiteral("P") : QStringLiteral("U");
    else
      piece = field.Text(doc);
  }
  return pieces;
}

QString PaymentLine(const TUserInput& doc, int seqNo) {
  return PaymentPieces(doc, seqNo).join(u'|');
}

std::optional<TUserInput> ReadPaymentPieces(const QStringList& pieces) {
  if (pieces.size() != kPieces) return std::nullopt;
  for (qsizetype i = 0; i < kPieces; ++i)
    if (i != kUnusedPiece && pieces[i].contains(u'|')) return std::nullopt;
  TUserInput doc;
  for (const F& field : TUserInput::Fields()) field.SetText(doc, pieces[field.Column - 1]);
  if (doc.Amount() <= TAmount()) return std::nullopt;
  doc.PayeeBankFlag = doc.PayeeBankFlag == QLatin1String("1") ? TCertPayee::kOwnBankText
                                                              : TCertPayee::kOtherBankSavedText;
  doc.PayeeAccKind = doc.PayeeAccKind == QLatin1String("P") ? TCertPayee::kPersonalText
                                                            : TCertPayee::kCorporateText;
  return doc;
}

std::optional<TUserInput> ReadPaymentLine(const QString& line) {
  return ReadPaymentPieces(SplitText(line, u"|"));
}
