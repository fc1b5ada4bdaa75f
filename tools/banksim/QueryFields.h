#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

#include "FormFields.h"
#include "Transactions.h"

// Reading the conditions that the query transactions share.

// A date of eight digits that is a real day (yyyyMMdd), trimmed, or the empty
// text; false for anything else.
bool ReadDateText(const QString& text, QString& date);
// A bound of an amount in 1/10000 yuan; an empty text leaves it open. False
// when the text is not a decimal number.
bool ReadBound(const QString& text, std::optional<qint64>& bound);
// A value in UTF-8 or in GBK, trimmed; nothing when its bytes are not text of
// that encoding (a client that sent the other one).
std::optional<QString> ReadStrictText(const TFormFields& form, const QByteArray& key, bool utf8);
// A page number: a whole number from 1.
std::optional<int> ReadPage(const QString& text);
// The number of pages of that many rows; no rows make no page.
int PageCount(qsizetype rows, int perPage);

// EBLN0016: a condition of the request that cannot be read.
TSimReply BadCondition(const TTxContext& tx);
