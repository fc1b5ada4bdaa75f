#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

#include "SimData.h"

// A transfer document as the transfer-flow query lists it: one of the
// customer's demo set, or one accepted in a batch upload.
struct TTransferDocument {
  QString CustomerId;
  QString Number;      // CREDITNO, Vchr_No
  QString WorkflowId;  // WFBIZID, WF_BIZ_ID (new interface)
  QString PayAccNo, PayName, PayBank;
  QString CurType;  // the currency name
  QString CurCode;  // the currency code of the old interface
  qint64 Amount = 0;
  QString RevAccNo, RevName, RevBank, Use;
  QString Status;  // a status code of the customer's interface
  QDateTime MadeAt;
  QDateTime SubmittedAt;  // null: not sent to the bank
  QString Maker, Checker, Approver;
  QString CerCode;
};

// The documents of accepted batch uploads, in memory only.
class TTransferDocuments {
 public:
  // Keeps the document under the next number ("PZ" and ten digits) and its
  // workflow id ("WF" and the same digits).
  void Add(TTransferDocument document);
  const QList<TTransferDocument>& All() const { return documents_; }

 private:
  QList<TTransferDocument> documents_;
};

// The customer's documents, newest first: the uploaded ones and the demo set,
// whose days count back from today.
QList<TTransferDocument> TransferDocuments(const TSimCustomer& customer,
                                           const TTransferDocuments& uploaded);

// The status text of a code of the new interface ("4": 交易成功); empty for an
// unknown code.
QString NewStatusText(const QString& code);
// The status text of a code of the old interface ("3": 银行受理成功), as the
// bank's spreadsheet shows it; empty for an unknown code.
QString OldStatusText(const QString& code);
// STATUS as the query shows it: the text on the new interface, the code on the old one.
QString ShownStatus(const TTransferDocument& document, bool newGeneration);
// Only successful documents have a receipt: status "4" on the new interface,
// "2", "3" or "4" (银行受理成功) on the old one.
bool HasReceipt(const TTransferDocument& document, bool newGeneration);
// The old interface's groups of DJTYPE: "1" finished (succeeded, failed or
// refused by the reviewer), "3" succeeded, "4" failed or refused; "2" is the
// rest, unknown codes too.
bool OldStatusFinished(const QString& code);
bool OldStatusSucceeded(const QString& code);
bool OldStatusFailed(const QString& code);
