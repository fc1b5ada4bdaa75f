#include "Transactions.h"

namespace {

QList<TTransaction>& Table() {
  static QList<TTransaction> table;
  return table;
}

}  // namespace

TTxRegistration::TTxRegistration(TTransaction transaction) {
  Table().append(std::move(transaction));
}

const TTransaction* FindTransaction(const QByteArray& code) {
  for (const TTransaction& transaction : Table()) {
    if (transaction.Code == code) return &transaction;
  }
  return nullptr;
}

QList<QByteArray> TransactionPaths() {
  QList<QByteArray> paths{kMainPlatV5Path, kMainPlatV6Path};
  for (const TTransaction& transaction : Table()) {
    for (const QByteArray& path : transaction.Paths) {
      if (!paths.contains(path)) paths.append(path);
    }
  }
  return paths;
}
