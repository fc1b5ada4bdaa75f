#include "certpay/store/CertPayStore.h"

namespace {

template <class T>
bool AddIfNew(TOwningList<T>& list, std::unique_ptr<T>& record) {
  for (const T& present : list)
    if (present.IsDuplicateOf(*record)) return false;
  list.Append(std::move(record));
  return true;
}

}  // namespace

void TCertPayStore::Load() {
  const auto load = [this](auto& list, const TInfoConfig& config) {
    LoadRegisterAtStart(list, paths_.ListFile(config), config, damagedFiles_);
  };
  load(CertPayers, info_configs::CertPayers());
  load(CertPayees, info_configs::CertPayees());
  load(CertAddInfos, info_configs::CertAddInfos());
  load(CertPayInfos, info_configs::CertPayInfos());
}

TOwningList<TUserInput> TCertPayStore::Documents() const {
  TOwningList<TUserInput> docs;
  for (qsizetype i = 0; i < CertPayInfos.Count(); ++i)
    docs.Append(
        std::make_unique<TUserInput>(TUserInput::FromCertPayInfo(CertPayInfos[i], int(i) + 1)));
  return docs;
}

void TCertPayStore::SaveDocuments(const TOwningList<TUserInput>& docs) {
  CertPayInfos.Clear();
  for (const TUserInput& doc : docs) CertPayInfos.Append(doc.ToCertPayInfo());
  SaveList(CertPayInfos, info_configs::CertPayInfos());
}

bool TCertPayStore::AddCertPayer(TOwningList<TCertPayer>& list,
                                 std::unique_ptr<TCertPayer>& record) {
  return AddIfNew(list, record);
}

bool TCertPayStore::AddCertPayee(TOwningList<TCertPayee>& list,
                                 std::unique_ptr<TCertPayee>& record) {
  return AddIfNew(list, record);
}

bool TCertPayStore::AddCertAddInfo(TOwningList<TCertAddInfo>& list,
                                   std::unique_ptr<TCertAddInfo>& record) {
  return AddIfNew(list, record);
}

QStringList PayeeValues(const TOwningList<TCertPayee>& payees, QString TCertPayee::*field,
                        const QString& typed) {
  QStringList values;
  for (const TCertPayee& payee : payees) {
    const QString& value = payee.*field;
    if (!value.isEmpty() && value.contains(typed) && !values.contains(value)) values << value;
  }
  return values;
}
