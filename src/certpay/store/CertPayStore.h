#pragma once

#include <QList>
#include <QStringList>
#include <memory>

#include "certpay/records/CertAddInfo.h"
#include "certpay/records/CertPayInfo.h"
#include "certpay/records/CertPayee.h"
#include "certpay/records/CertPayer.h"
#include "certpay/records/UserInput.h"
#include "core/AppPaths.h"
#include "core/OwningList.h"
#include "core/RegisterList.h"

// The register files of the central-finance lists.
namespace info_configs {

inline TInfoConfig CertPayers() {
  return {true, QStringLiteral("CertPayer.xml"), QStringLiteral("CertPayerList"),
          QString::fromLatin1(TCertPayer::kItemNode)};
}
inline TInfoConfig CertPayees() {
  return {true, QStringLiteral("CertPayee.xml"), QStringLiteral("CertPayeeList"),
          QString::fromLatin1(TCertPayee::kItemNode)};
}
inline TInfoConfig CertAddInfos() {
  return {true, QStringLiteral("CertAddInfo.xml"), QStringLiteral("CertAddInfoList"),
          QString::fromLatin1(TCertAddInfo::kItemNode)};
}
inline TInfoConfig CertPayInfos() {
  return {true, QStringLiteral("CertPayInfo.xml"), QStringLiteral("CertPayInfoList"),
          QString::fromLatin1(TCertPayInfo::kItemNode)};
}

}  // namespace info_configs

// The central-finance payers, payees, budget information and stored payment
// documents, with their files in "param".
class TCertPayStore {
 public:
  explicit TCertPayStore(TAppPaths paths) : paths_(std::move(paths)) {}

  TCertPayStore(const TCertPayStore&) = delete;
  TCertPayStore& operator=(const TCertPayStore&) = delete;

  const TAppPaths& Paths() const { return paths_; }

  TOwningList<TCertPayer> CertPayers;
  TOwningList<TCertPayee> CertPayees;
  TOwningList<TCertAddInfo> CertAddInfos;
  TOwningList<TCertPayInfo> CertPayInfos;

  // Reads the four lists; a damaged file is kept aside and listed in DamagedFiles.
  void Load();
  const QList<TDamagedFile>& DamagedFiles() const { return damagedFiles_; }

  // Replaces the descriptor's file by the list. Throws TFileError when it cannot
  // be written; the old file is then untouched.
  template <class T>
  void SaveList(const TOwningList<T>& list, const TInfoConfig& config) const {
    SaveRegisterList(list, paths_.ListFile(config), config);
  }

  // The stored payment documents as the editor's documents, numbered from 1.
  TOwningList<TUserInput> Documents() const;
  // Replaces the stored documents by the editor's and writes "CertPayInfo.xml";
  // throws TFileError, the old file then staying.
  void SaveDocuments(const TOwningList<TUserInput>& docs);

  // Append the record unless the list holds a duplicate, and answer whether it
  // did. Only an appended record is moved out of the argument; a refused one
  // stays the caller's.
  static bool AddCertPayer(TOwningList<TCertPayer>& list, std::unique_ptr<TCertPayer>& record);
  static bool AddCertPayee(TOwningList<TCertPayee>& list, std::unique_ptr<TCertPayee>& record);
  static bool AddCertAddInfo(TOwningList<TCertAddInfo>& list,
                             std::unique_ptr<TCertAddInfo>& record);

 private:
  TAppPaths paths_;
  QList<TDamagedFile> damagedFiles_;
};

// The values of the field of every payee that contain the typed text (all when
// it is empty), each once, in register order; empty values are left out.
QStringList PayeeValues(const TOwningList<TCertPayee>& payees, QString TCertPayee::*field,
                        const QString& typed);
