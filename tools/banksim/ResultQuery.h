#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>
#include <optional>

#include "QueryFields.h"
#include "ResultDocuments.h"
#include "Transactions.h"

// The conditions of a result query (N19102, 661501). An empty text or a
// missing bound leaves its condition open.
struct TResultFilter {
  int Mode = 0;                                   // 0: 批量代发, 1: 批量代扣
  std::function<bool(const QString&)> StateFits;  // of the document's state; empty: any
  QString FromDate, ToDate;                       // yyyyMMdd of the make date, both included
  std::optional<qint64> Low, High;  // of the total amount, 1/10000 yuan, both included
  QString Number;
  QString AccNo;   // the company account of the document's item
  QString ItemId;  // the document's item

  bool Fits(const TResultDocument& document) const;
};

// The request keys of the conditions that both interfaces have.
struct TConditionKeys {
  QByteArray FromDate, ToDate, Low, High, Number, AccNo;
};
// Those conditions of the request; nothing when a date is not a real day
// (yyyyMMdd) or an amount not a decimal number.
std::optional<TResultFilter> ReadConditions(const TFormFields& form, const TConditionKeys& keys);

inline constexpr int kDocumentsPerPage = 5;

struct TResultPage {
  int Page = 1;
  int Pages = 0;
  QList<TResultDocument> Documents;
};
// The page of that number (text) of the documents that fit the filter; a page
// beyond the last is answered with the last. Nothing when the number is not a
// whole number from 1.
std::optional<TResultPage> QueryPage(const QList<TResultDocument>& documents,
                                     const TResultFilter& filter, const QString& page);
