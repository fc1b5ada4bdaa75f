#include "statements/records/RowSelection.h"

void TRowSelection::SelectOnly(int recNo) {
  records_.clear();
  records_.insert(recNo);
}

QList<int> TRowSelection::Records() const {
  return QList<int>(records_.begin(), records_.end());
}
