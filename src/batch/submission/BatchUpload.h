#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include "batch/documents/PayMoneyInfo.h"
#include "batch/submission/FailBat.h"
#include "platform/secrets/SecretBytes.h"

class TPrompts;
struct TUSER;
struct TServerConfig;

// Where a batch goes and under which transaction code, by the user's trade type.
struct TUploadRequest {
  QString Path;  // appended to the server base URL
  QString TxCode;
};

// Trade type 1: "/NNVX/NECV6NEWB2BFile" with "NN1310"; any other: "/NNVX/NECV5B2BFile"
// with "621108".
TUploadRequest UploadRequestFor(qint32 tradeType);

// The multipart form body of an upload, in GBK, nothing escaped: the batch as
// the file "C:\tmp.txt" (one batch line per document, numbered from 1, each
// ended by CR LF), then PASSWORD (as typed), TXCODE, CUSTOMERID, USERID, SKEY,
// STY_MAP, resType and PT_LANGUAGE. The password is given as its GBK bytes.
TSecretBytes UploadBody(const TBatch& batch, const TSecretBytes& password, const TUSER& user,
                        const QString& txCode);

// The extra header line of the upload post.
QString UploadHeader();

// What the reply to an upload says, ready for the screen.
struct TUploadVerdict {
  enum Kind { Success, PartialSuccess, Failure, Unexpected } Kind = Unexpected;
  QString ItemNum, SuccNum, AmtNum, CheckerName, CheckerId;
  QList<TFailBat> Fails;  // for PartialSuccess and Failure, in reply order
  // The text of the box the screen shows: the information box of Success and
  // PartialSuccess, the warning of Unexpected; empty for Failure.
  QString Message;
};

// Reads an upload reply. An error reply, or one without "ROOT", throws
// EResponseError with TGetData::CheckReply's message; a reply that lacks a
// value its verdict needs throws "服务器返回信息不完整，请稍后再试！". The
// telephone number goes into the warning of an Unexpected reply.
TUploadVerdict ReadUploadReply(const QString& replyText, qint32 tradeType,
                               const QString& telephone = QString());

// The bank's customer-service number: "ServiceTel" of section [B2B] in
// ClientSys.ini, empty when not set.
QString ServiceTelephone(const TServerConfig& config);

// Sends the batch to the bank and reads the reply: the trade type (asked from
// the server once per session), the post to the server address + path through
// the session browser, then ReadUploadReply, for the logged-on user. The
// request body is wiped after sending, whatever happens. The password is given
// as its GBK bytes. Throws
// EResponseError; the batch is never changed.
TUploadVerdict SubmitBatch(const TBatch& batch, const TSecretBytes& password, TUSER& user,
                           const TServerConfig& config, TPrompts& prompts);
