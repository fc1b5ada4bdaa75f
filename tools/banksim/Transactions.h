#pragma once

#include <QByteArray>
#include <QList>
#include <functional>

#include "FormFields.h"
#include "PayDocuments.h"
#include "PrintCounts.h"
#include "Reply.h"
#include "RequestLog.h"
#include "Sessions.h"
#include "SimData.h"
#include "TransferDocuments.h"

inline constexpr char kMainPlatV5Path[] = "/NNVX/NECV5B2BMainPlat";
inline constexpr char kMainPlatV6Path[] = "/NNVX/NECV6B2BMainPlat";

// Everything a transaction may read or change. The server holds its lock while a
// transaction runs.
struct TTxContext {
  const TLoggedRequest& Request;  // path, headers and body as received
  const TFormFields& Form;
  TSimData& Data;
  TSessions& Sessions;
  TPayDocuments& PayDocuments;
  TTransferDocuments& Transfers;  // those of accepted batch uploads
  TPrintCounts& PrintCounts;
  TReplyEncoding Encoding;
  // The caller's session; set for every code that needs one.
  const TSimSession* Session = nullptr;

  TSimReply Xml(const TXmlElement& root) const { return XmlReply(root, Encoding); }
  TSimReply Error(const QString& code, const QString& message) const {
    return ErrorReply(code, message, Encoding);
  }
};

using TTxHandler = std::function<TSimReply(TTxContext&)>;

struct TTransaction {
  QByteArray Code;
  QList<QByteArray> Paths;  // the paths the code is accepted on
  bool NeedsSession = true;
  TTxHandler Handler;
};

// The table of transaction codes. Each code registers itself from its own file:
//   const TTxRegistration kLogon{{"690101", {kMainPlatV5Path}, false, Logon}};
// The transaction of a code, preferably the one accepted on the path. A code
// registered empty takes the requests without a code on its own paths only.
const TTransaction* FindTransaction(const QByteArray& code, const QByteArray& path);
// Every path that some transaction is accepted on.
QList<QByteArray> TransactionPaths();

struct TTxRegistration {
  explicit TTxRegistration(TTransaction transaction);
};
