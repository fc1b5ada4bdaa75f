#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTime>
#include <array>

// What the simulated bank knows: its customers with their operators, and the
// settings that a test may change while the simulator runs.
struct TSimOperator {
  QString Id;  // operator code, sent as USERID
  QString Name;
  QString Password;
  QString OpenType = QStringLiteral("0");  // "0": may prepare documents
  QString TxPassword;                      // the transaction password; empty: none set
};

// How an account's history of transactions is made up: Count transactions
// over the Days days that end today, drawn from Seed, so that the same data
// gives the same history on any day, only placed relative to the day.
struct TSimHistorySettings {
  quint64 Seed = 0;
  int Count = 0;  // 0: no history
  int Days = 548;
  qint64 OpeningBalance = 0;   // 1/10000 yuan, before the first transaction
  bool ShortBalances = false;  // YMONEY in its shortest form ("1234.5", "100")
  bool PaddedFlags = false;    // FLAG with a blank on both sides (" 1 ")
};

// One transaction of an account's history.
struct TSimDetail {
  int DaysAgo = 0;  // before the day of the query
  QTime Time;
  QString VoucherKind;  // CREDITTYPE
  QString VoucherNo;    // CREDITNO; empty for fees and interest
  bool Credit = false;  // money came in
  qint64 Amount = 0;    // 1/10000 yuan
  qint64 Balance = 0;   // after the transaction
  QString CounterName;
  QString CounterAccNo;
  QString Summary;        // REMARK (摘要)
  QString Note;           // USEOF (备注)
  QString CompanySerial;  // REVSEQ_NO; only for payments the company sent online
  QString DetailNo;       // ACC_SEQ_NO, unique in the account
  QString SerialNo;       // SEQ_NO
  QString CashFlag;       // OID: "0" 钞户, "1" 汇户
};

// An account of a customer, the payer of its transfers.
struct TSimAccount {
  QString AccNo;
  QString AccName;
  QString BankName;                            // the branch that keeps the account
  QString CurType = QStringLiteral("人民币");  // CURTYPE of the result lists, the currency name
  QString CurCode = QStringLiteral("1");       // the currency code of the old interface
  QString AccType = QStringLiteral("0");       // ACCTYPE: "0" signed, any other authorised
  QString KindName = QStringLiteral("活期");   // the account kind shown in the detail query's list
  QString Status = QStringLiteral("0");        // ACCOUNTSTATUS of the detail query
  TSimHistorySettings HistorySettings;
  QList<TSimDetail> History;  // oldest first, made from HistorySettings when the data is read
};

// How the bank answers an agent-pay file or document that it processes: at
// once ("sync"), or after Polls polls answered "still processing" ("async"),
// the last of them with secNum "1" ("timeout"; the poll after it is answered).
struct TSimProcessing {
  QString Mode = QStringLiteral("sync");
  int TimeOutMs = 2000;
  int Polls = 1;
};

// An agent-pay item (项目) of one pay mode.
struct TSimPayItem {
  QString No;                                 // ITEMNO, the key of its uses
  QString Id;                                 // Entrst_Prj_ID, ITEMID
  QString Name;                               // Entrst_Prj_Nm, ITEMNAME
  QString Ectip = QStringLiteral("0");        // ITEMECTIP: the 661 upload path and code
  QString FileSize;                           // FILESIZE; empty: not sent
  int AmountField = 3;                        // 1-based field of a record line holding the amount
  QString AccNo;                              // the company account; empty: none shown
  QString SelUserMode = QStringLiteral("0");  // SEL_USER_MODE_CD; "18": a reviewer is chosen
  QString SelectOper = QStringLiteral("0");   // SELECTOPER; "0": one reviewer, "1": all
  bool FileError = false;                     // every file of the item is found in error
  TSimProcessing FileProcessing;              // N17 uploads (N17141, N17144)
  TSimProcessing DocumentProcessing;          // N17 confirmations (N17146, N17145)
};

// A use (用途) of an item: its No is the item's No.
struct TSimPayUse {
  QString No;
  QString Id;
  QString Name;
  QString ModeId;
  QString Locked = QStringLiteral("0");  // "1": the upload carries control totals
};

// The items and uses of one pay mode (批量代发 or 批量代扣) and, for the N17
// interface, the upload parameters of the mode.
struct TSimPayMode {
  QString PyPerQot;
  QString IsBigFile = QStringLiteral("0");
  QString SignDat;
  QList<TSimPayItem> Items;
  QList<TSimPayUse> Uses;

  const TSimPayItem* FindItem(const QString& id) const;
  // The use of that id among the uses of the item (use No and item No compared
  // ignoring case).
  const TSimPayUse* FindUse(const TSimPayItem& item, const QString& id) const;
};

// A processed agent-pay document of the demo set, for the result transactions.
struct TSimResultDocument {
  QString Number;  // VchID, CREDIT_NO
  int Mode = 0;    // 0: 批量代发, 1: 批量代扣
  TSimPayItem Item;
  TSimPayUse Use;
  QString State;                             // Vchr_St (N17) or STATUS (661)
  QString IsDownload = QStringLiteral("0");  // "1": the bank keeps its result files
  QString IsEctip = QStringLiteral("0");     // 661: "1" all, successful and failed apart
  QString FileName;
  QString AttachmentName;  // the name its files are served under; empty: their own
  int DaysAgo = 0;         // made that many days before the day of the query
  QStringList Lines;       // the record lines as uploaded
};

// A record fails when its account field ends with Ending.
struct TSimRecordFailure {
  QString Ending;
  QString Reason;
};

// What the result transactions answer for a customer besides its documents.
struct TSimResults {
  QString MovDate;                            // MOV_DATE: the upgrade to the N17 interface
  QString FileType = QStringLiteral("true");  // FILETYPE; "false": separate results are zipped
  int AccountField = 1;                       // 1-based field of a record line holding the account
  QList<TSimRecordFailure> Failures;          // the first that fits a record decides
  QList<TSimResultDocument> Documents;
};

// A transfer document of the demo set, as the transfer-flow query lists it.
struct TSimTransfer {
  QString Number;  // CREDITNO
  QString AccNo;   // the payer, one of the customer's accounts
  QString RevAccNo;
  QString RevName;
  QString RevBank;
  qint64 Amount = 0;  // 1/10000 yuan
  QString Use;
  QString Status;  // a status code of the customer's interface
  int DaysAgo = 0;
  QTime Time{9, 30};
  bool Submitted = true;  // sent to the bank, an hour after it was made
  QString Maker, Checker, Approver;
  QString CerCode;  // empty: made from the number
};

struct TSimCustomer {
  QString Id;  // customer number, sent as CUSTOMERID
  QString Name;
  int TradeType = 0;
  int AgentType = 0;
  QList<TSimOperator> Operators;
  QList<TSimAccount> Accounts;
  std::array<TSimPayMode, 2> PayModes;  // 0: 批量代发, 1: 批量代扣
  TSimResults Results;
  // The status of the documents of an accepted batch upload.
  QString UploadStatus = QStringLiteral("1");
  QList<TSimTransfer> Transfers;

  const TSimOperator* FindOperator(const QString& id) const;
  const TSimAccount* FindAccount(const QString& accNo) const;
  // The operators who review documents (openType "1"), in data order.
  QList<const TSimOperator*> Reviewers() const;
};

// A file served as an attachment at "/" + Path.
struct TSimDownload {
  QString Path;  // relative to the site root, e.g. "download/setup.zip"
  QByteArray ContentType;
  QByteArray Content;
};

struct TSimData {
  QString VersionTime;    // TIME of the logon reply
  QString ClientPackage;  // CNAME of the logon reply
  QString AnnounceShow;   // ISHOWMSG, sent as it is (spaces kept)
  QString AnnounceMessage;
  QList<TSimDownload> Downloads;
  QList<TSimCustomer> Customers;

  const TSimCustomer* FindCustomer(const QString& id) const;
  const TSimDownload* FindDownload(const QString& path) const;
};

// Reads the data file (JSON; see README.md). Throws std::runtime_error with a
// message that names the file and the fault.
TSimData LoadSimData(const QString& fileName);
// The data compiled into the program.
TSimData DemoSimData();
