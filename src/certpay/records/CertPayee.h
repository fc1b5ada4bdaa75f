#pragma once

#include <QString>

#include "core/RecordFields.h"

// A receiving account of central-finance payments.
class TCertPayee {
 public:
  static constexpr const char* kItemNode = "CertPayee";

  QString AccNo;
  QString AccName;
  QString CounterName;
  QString UBankNo;
  // In the registers the codes "1" (this bank), "0" or "2" (another bank); in a
  // stored payment document the editor's texts "1-维行", "0-他行", "2-他行".
  QString IsNVX;
  // In the registers "P" (personal) or "U" (corporate); in a stored payment
  // document "对私账号" or "对公账号".
  QString IsPsnAcc;

  // The fields in the order of the item element, of the register text line and
  // of the register workbook's columns.
  static TRecordFields<TCertPayee> Fields();
  void LoadFromXml(xml::Node item);
  void SaveToXml(xml::Node parent) const;

  // The payee's category and kind as the editor and the registers show them.
  static inline const QString kOwnBankText = QStringLiteral("1-维行");
  static inline const QString kOtherBankText = QStringLiteral("0-他行");
  // An other-bank payee of a document read back from a payment file.
  static inline const QString kOtherBankSavedText = QStringLiteral("2-他行");
  static inline const QString kCorporateText = QStringLiteral("对公账号");
  static inline const QString kPersonalText = QStringLiteral("对私账号");
  // The register screen's wording of a corporate account.
  static inline const QString kCorporateBookText = QStringLiteral("对公账户");

  bool IsOwnBank() const { return IsNVX == QLatin1String("1"); }
  bool IsPersonal() const { return IsPsnAcc == QLatin1String("P"); }
  // "1-维行" for this bank, "0-他行" for any other code.
  QString BankFlagText() const { return IsOwnBank() ? kOwnBankText : kOtherBankText; }
  // "对私账号" for a personal account, else the corporate text given.
  QString AccKindText(const QString& corporate = kCorporateText) const {
    return IsPersonal() ? kPersonalText : corporate;
  }

  // Same account number, name and branch; UBankNo, IsNVX and IsPsnAcc do not count.
  bool IsDuplicateOf(const TCertPayee& other) const;
};
