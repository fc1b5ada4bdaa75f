#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

#include "Transactions.h"
#include "TransferDocuments.h"

// The conditions of a transfer-flow query or download: NN4101, NN4102 on the
// new interface, 671901, 671905 on the old one. Empty texts and missing bounds
// leave their condition open.
struct TTransferConditions {
  std::function<bool(const QString&)> StatusFits;  // of the document's status; empty: any
  bool BySubmitDate = false;                       // else by the day it was made
  QString From, To;                                // yyyyMMdd, both included
  std::optional<qint64> Low, High;                 // 1/10000 yuan, both included
  QString Number;
  QString RevName;  // a part of the payee's name
  QString RevAccNo;
  QString AccNo;  // the payer

  bool Fits(const TTransferDocument& document) const;
};

// The conditions of the request, or the reply that refuses them: a payer not
// of the customer's (EBLN0018), a status, date kind, date, amount or name
// that cannot be read (EBLN0016).
struct TTransferRequest {
  TTransferConditions Conditions;
  std::optional<TSimReply> Refusal;
};
TTransferRequest ReadTransferRequest(const TTxContext& tx, const TSimCustomer& customer,
                                     bool newGeneration);

inline constexpr int kTransfersPerPage = 10;

// An ITEMLIST entry. The currency is its name on both interfaces: the client
// shows it as sent.
TXmlElement TransferItem(const TTransferDocument& document, bool newGeneration);
// DATE of the list: when the document was made, "yyyy-MM-dd hh:mm:ss".
QString MadeAtText(const TTransferDocument& document);
