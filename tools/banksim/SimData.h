#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// What the simulated bank knows: its customers with their operators, and the
// settings that a test may change while the simulator runs.
struct TSimOperator {
  QString Id;  // operator code, sent as USERID
  QString Name;
  QString Password;
  QString OpenType = QStringLiteral("0");  // "0": may prepare documents
  QString TxPassword;                      // the transaction password; empty: none set
};

// An account of a customer, the payer of its transfers.
struct TSimAccount {
  QString AccNo;
  QString AccName;
};

struct TSimCustomer {
  QString Id;  // customer number, sent as CUSTOMERID
  QString Name;
  int TradeType = 0;
  int AgentType = 0;
  QList<TSimOperator> Operators;
  QList<TSimAccount> Accounts;

  const TSimOperator* FindOperator(const QString& id) const;
  const TSimAccount* FindAccount(const QString& accNo) const;
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
