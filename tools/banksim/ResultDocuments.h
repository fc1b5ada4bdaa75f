#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

#include "PayDocuments.h"
#include "SimData.h"

// What the result transactions know of a processed agent-pay document: one
// the clerk confirmed online (processed successfully) or one of the customer's
// demo set.
struct TResultDocument {
  QString Number;     // VchID, CREDIT_NO
  QString JournalId;  // Txn_Jrnl_ID
  int Mode = 0;       // 0: 批量代发, 1: 批量代扣
  bool N17 = false;   // of a customer of the N17 interface
  TSimPayItem Item;
  TSimPayUse Use;
  QString State;       // of the customer's interface: Vchr_St (N17), STATUS (661)
  QString IsDownload;  // "1": the bank keeps its result files
  QString IsEctip;     // 661: "1" all, successful and failed records apart
  QString FileName;
  QString AttachmentName;  // the name its files are served under; empty: their own
  QDateTime MadeAt;
  QStringList Lines;  // the record lines as uploaded

  // Btch_ID: "PC" and the digits of the number.
  QString BatchId() const;
  // "700" (N17) or "3" (661).
  QString SuccessState() const;
  // Processed successfully, with result files to serve.
  bool HasResults() const;
};

// The customer's documents by make day, newest first; on one day the confirmed
// uploads (newest first) come before the demo set (in data order, made at 09:30).
QList<TResultDocument> ResultDocuments(const TSimCustomer& customer,
                                       const TPayDocuments& confirmed);

// The bank's outcome of one record line.
struct TRecordOutcome {
  QString Fields;     // the line without its end sign (a "|" after the last field)
  qint64 Amount = 0;  // 1/10000 yuan; 0 when the amount field cannot be read
  bool Succeeded = true;
  QString Reason;  // why it failed

  // The fields, the outcome and the reason: "a|b|c|成功|", "a|b|c|失败|账户已冻结".
  QString ResultLine() const;
};

// Each record's outcome by the customer's failure rule.
QList<TRecordOutcome> RecordOutcomes(const TResultDocument& document, const TSimResults& rule);

struct TResultTotals {
  qint64 Amount = 0;
  int Count = 0;
  qint64 SuccessAmount = 0;  // none unless the document was processed successfully
  int SuccessCount = 0;
};
TResultTotals ResultTotals(const TResultDocument& document, const TSimResults& rule);

enum class TResultKind { All, Succeeded, Failed };
// The result file of the records of that kind: their result lines, each ended
// by CR LF, in GBK.
QByteArray ResultFile(const TResultDocument& document, const TSimResults& rule, TResultKind kind);
