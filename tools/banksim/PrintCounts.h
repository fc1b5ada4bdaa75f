#pragma once

#include <QList>
#include <QString>

// Which receipt a count belongs to: an account-detail row (its account and
// detail number) or a transfer document (its number; no account).
struct TReceiptKey {
  QString CustomerId;
  QString AccNo;
  QString Number;  // ACC_SEQ_NO of a detail row, CREDITNO of a transfer

  bool IsDetail() const { return !AccNo.isEmpty(); }
  bool operator==(const TReceiptKey&) const = default;
};

struct TPrintCount {
  TReceiptKey Receipt;
  int Count = 0;
};

// How often each electronic receipt has been printed, in memory only; a
// receipt never printed counts 0 and is not listed.
class TPrintCounts {
 public:
  int Count(const TReceiptKey& receipt) const;
  // Counts one more printing and returns the new count.
  int Raise(const TReceiptKey& receipt);
  void Set(const TReceiptKey& receipt, int count);
  // In the order the receipts were first counted.
  const QList<TPrintCount>& All() const { return counts_; }

 private:
  QList<TPrintCount> counts_;
};
