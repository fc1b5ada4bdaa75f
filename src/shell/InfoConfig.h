#pragma once

#include <QString>
#include <memory>

#include "certpay/records/CertAddInfo.h"
#include "certpay/records/CertPayInfo.h"
#include "certpay/records/CertPayee.h"
#include "certpay/records/CertPayer.h"
#include "registers/records/PayInfoBase.h"
#include "registers/records/PayeeInfo.h"
#include "registers/records/PayerInfo.h"

// Describes one register file: which record class its items are, where it lies
// and how its elements are named. A screen that reads a register from elsewhere
// copies a descriptor, clears InParamDir and puts the full path in FileName.
struct TInfoConfig {
  using Factory = std::unique_ptr<TPayInfoBase> (*)();

  Factory ItemClass = nullptr;
  bool InParamDir = true;
  QString FileName;
  QString RootNode;
  QString ItemNode;
};

template <class T>
std::unique_ptr<TPayInfoBase> MakeRecord() {
  return std::make_unique<T>();
}

namespace InfoConfigs {

inline TInfoConfig Payers() {
  return {&MakeRecord<TPayerInfo>, true, QStringLiteral("Payer.xml"), QStringLiteral("AccountList"),
          QString::fromLatin1(TPayerInfo::kItemNode)};
}
inline TInfoConfig Payees() {
  return {&MakeRecord<TPayeeInfo>, true, QStringLiteral("Payee.xml"), QStringLiteral("AccountList"),
          QString::fromLatin1(TPayeeInfo::kItemNode)};
}
inline TInfoConfig LocalPayees() {
  return {&MakeRecord<TPayeeInfo>, true, QStringLiteral("PayeeLocal.xml"),
          QStringLiteral("LocalList"), QString::fromLatin1(TPayeeInfo::kItemNode)};
}
inline TInfoConfig CertPayers() {
  return {&MakeRecord<TCertPayer>, true, QStringLiteral("CertPayer.xml"),
          QStringLiteral("CertPayerList"), QString::fromLatin1(TCertPayer::kItemNode)};
}
inline TInfoConfig CertPayees() {
  return {&MakeRecord<TCertPayee>, true, QStringLiteral("CertPayee.xml"),
          QStringLiteral("CertPayeeList"), QString::fromLatin1(TCertPayee::kItemNode)};
}
inline TInfoConfig CertAddInfos() {
  return {&MakeRecord<TCertAddInfo>, true, QStringLiteral("CertAddInfo.xml"),
          QStringLiteral("CertAddInfoList"), QString::fromLatin1(TCertAddInfo::kItemNode)};
}
inline TInfoConfig CertPayInfos() {
  return {&MakeRecord<TCertPayInfo>, true, QStringLiteral("CertPayInfo.xml"),
          QStringLiteral("CertPayInfoList"), QString::fromLatin1(TCertPayInfo::kItemNode)};
}

}  // namespace InfoConfigs
