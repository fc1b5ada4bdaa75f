#pragma once

#include "core/InfoConfig.h"
#include "registers/records/PayeeInfo.h"
#include "registers/records/PayerInfo.h"

// The register files of the payers, the payees and the local payees.
namespace info_configs {

inline TInfoConfig Payers() {
  return {true, QStringLiteral("Payer.xml"), QStringLiteral("AccountList"),
          QString::fromLatin1(TPayerInfo::kItemNode)};
}
inline TInfoConfig Payees() {
  return {true, QStringLiteral("Payee.xml"), QStringLiteral("AccountList"),
          QString::fromLatin1(TPayeeInfo::kItemNode)};
}
inline TInfoConfig LocalPayees() {
  return {true, QStringLiteral("PayeeLocal.xml"), QStringLiteral("LocalList"),
          QString::fromLatin1(TPayeeInfo::kItemNode)};
}

}  // namespace info_configs
