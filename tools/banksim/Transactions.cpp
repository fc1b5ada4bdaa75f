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

const TTransaction* FindTransaction(const QByteArray& code, const QByteArray& path) {
  const TTransaction* elsewhere = nullptr;
  for (const TTransaction& transaction : Table()) {
    if (transaction.Code != code) continue;
    if (transaction.Paths.contains(path)) return &transaction;
    if (!code.isEmpty() && !elsewhere) elsewhere = &transaction;
  }
  return elsewhere;
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
