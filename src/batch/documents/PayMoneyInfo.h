#pragma once

#include <QString>

#include "core/Amount.h"
#include "core/OwningList.h"
#include "registers/records/PayeeInfo.h"
#include "registers/records/PayerInfo.h"

// One transfer document: a payment from one of the company's accounts to one
// receiving account. It holds complete copies of both parties, never register
// entries, so changing a register leaves the documents as they were.
class TPayMoneyInfo {
 public:
  TPayerInfo Payer;
  TPayeeInfo Payee;
  TAmount Money;
  QString Usage;
  // Carried only by the twelve-column workbook: no other form keeps them.
  QString SerialNo;
  QString Remark;
};

// A batch: its documents in order. A document's sequence number is its 1-based
// position at the moment the batch is written, and is not stored.
using TBatch = TOwningList<TPayMoneyInfo>;
