#pragma once

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>
#include <deque>

#include "SimData.h"

// An agent-pay upload and, once confirmed with the transaction password, the
// payment document it became.
struct TPayDocument {
  QString Number;    // VchID (N17), CREDITNO (661); the document number
  QString SerialNo;  // TxnSrlNo (N17), PROCESSIDX (661)
  QString CustomerId;
  QString UserId;
  int Mode = 0;  // 0: 批量代发, 1: 批量代扣
  TSimPayItem Item;
  TSimPayUse Use;
  QString FileName;      // the name the bank keeps the file under
  QString OrigFileName;  // the file name the client sent
  QString Md5;           // of the file as received, lower-case hex
  QDateTime UploadTime;
  QStringList Lines;  // the record lines as received
  qint64 Amount = 0;  // their sum, 1/10000 yuan
  bool FileError = false;
  bool FileDone = false;  // the upload's summary has been sent
  int FilePolls = 0;      // N17144 polls answered
  int DocumentPolls = 0;  // N17145 polls answered
  bool Confirmed = false;
  QStringList Reviewers;  // names of the reviewers chosen at confirmation
};

// The agent-pay uploads and documents of the running simulator, in memory only.
// References stay valid while documents are added.
class TPayDocuments {
 public:
  // Keeps the upload under the next document and serial number.
  TPayDocument& Add(TPayDocument document);
  TPayDocument* Find(const QString& customerId, const QString& number);
  TPayDocument* FindBySerial(const QString& customerId, const QString& serialNo);
  // The confirmed documents of a customer, oldest first.
  QList<const TPayDocument*> Confirmed(const QString& customerId) const;

 private:
  std::deque<TPayDocument> documents_;
};
