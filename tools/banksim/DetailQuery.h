#pragma once

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>
#include <optional>

#include "Transactions.h"

// The conditions of an account-detail query or download: N00017, N00018 on
// the new interface, 610721, 610724 on the old one. Empty texts and missing
// bounds leave their condition open.
struct TDetailConditions {
  const TSimAccount* Account = nullptr;
  QDate From, To;                   // both included
  std::optional<qint64> Low, High;  // of the amount, 1/10000 yuan, both included
  std::optional<bool> Credit;       // money in (true) or out; nothing: both
  QString CounterName;              // a part of the counterpart's name
  QString CounterAccNo;             // the counterpart's account
  QString Summary;                  // a part of the summary (摘要)

  // RETRUN_ALL: "0" (the rows may be downloaded) for a range of at most 31
  // days, "1" for a longer one.
  QString ReturnAll() const;
  // OID1 and BATCH_OID: the same for the same conditions.
  QString QueryId() const;
  QString BatchId() const;
  // The hex digest of the conditions that those ids and the continuation keys
  // are made from.
  QString Digest() const;
};

// The conditions of the request, or the reply that refuses them: an account
// not of the customer's (EBLN0018), an account name or bank that differ from
// the account's (new interface, EBLN0010), a date, amount, direction or text
// that cannot be read (EBLN0016).
struct TDetailRequest {
  TDetailConditions Conditions;
  std::optional<TSimReply> Refusal;
};
TDetailRequest ReadDetailRequest(const TTxContext& tx, const TSimCustomer& customer,
                                 bool newGeneration);

// A transaction of an account's history on its day.
struct TDatedDetail {
  const TSimDetail* Detail = nullptr;
  QDate Day;
};
// The transactions that fit, oldest first, the history placed so that it ends today.
QList<TDatedDetail> SelectDetails(const TDetailConditions& conditions);

inline constexpr int kDetailsPerPage = 20;

// POSTSTR of a page (from 1) of the rows: the detail number of its last row,
// the page and the conditions' digest, "400100000123 P2&1A2B3C4D". Its space
// and "&" arrive intact only when the client encodes the key.
QString ContinuationKey(const TDetailConditions& conditions, const QList<TDatedDetail>& rows,
                        int page);

// An ITEMLIST entry: the currency as its name on the new interface, as its
// code on the old one.
TXmlElement DetailItem(const TDatedDetail& row, const TSimAccount& account, bool newGeneration);
