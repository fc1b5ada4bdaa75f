#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

#include "PayFile.h"
#include "Transactions.h"

// What the agent-pay transactions of both interface generations share.

// The caller of an agent-pay code, or the reply that refuses it: the N17 codes
// are for customers of agent type 1, the 661 codes for all others.
struct TPayCaller {
  const TSimCustomer* Customer = nullptr;
  const TSimOperator* Operator = nullptr;
  std::optional<TSimReply> Refusal;
};
TPayCaller PayCaller(const TTxContext& tx, bool n17);

// Keeps a good upload as a document awaiting confirmation.
TPayDocument& KeepUpload(TTxContext& tx, const TPayCaller& caller, int mode,
                         const TSimPayItem& item, const TSimPayUse& use, const QByteArray& content,
                         const TPayFile& file);

// The pay mode of a form value: 0 (批量代发), 1 (批量代扣), or -1 for anything else.
int PayModeOf(const QByteArray& value);
TSimReply BadPayMode(const TTxContext& tx);
TSimReply UnknownItem(const TTxContext& tx);
TSimReply UnknownUse(const TTxContext& tx);
TSimReply UnknownDocument(const TTxContext& tx);
TSimReply WrongTxPassword(const TTxContext& tx);
TSimReply NoReviewer(const TTxContext& tx);

// A value the bank sends and the client sends back unchanged in a later request.
struct TEchoField {
  QByteArray Key;
  QString Value;
  bool Utf8 = false;  // the client sends it back in UTF-8, not GBK
};
void AddFields(TXmlElement& root, const QList<TEchoField>& fields);
// The refusal of a request in which one of the fields is missing or differs.
std::optional<TSimReply> CheckEchoed(const TTxContext& tx, const QList<TEchoField>& fields);

enum class TPollAnswer { Waiting, TimedOut, Done };
// Counts one poll of a processing and tells how it is answered.
TPollAnswer NextPoll(const TSimProcessing& processing, int& polls);
