#include "PrintCounts.h"

int TPrintCounts::Count(const TReceiptKey& receipt) const {
  for (const TPrintCount& count : counts_) {
    if (count.Receipt == receipt) return count.Count;
  }
  return 0;
}

int TPrintCounts::Raise(const TReceiptKey& receipt) {
  const int count = Count(receipt) + 1;
  Set(receipt, count);
  return count;
}

void TPrintCounts::Set(const TReceiptKey& receipt, int count) {
  for (TPrintCount& kept : counts_) {
    if (kept.Receipt == receipt) {
      kept.Count = count;
      return;
    }
  }
  counts_.append({receipt, count});
}
