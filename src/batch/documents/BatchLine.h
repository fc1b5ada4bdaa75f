#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

#include "batch/documents/PayMoneyInfo.h"

// The batch line: one document as sixteen fields, each followed by "|". Text
// files hold it as GBK; nothing is escaped, so a "|" inside a value breaks the
// line.

// The line of the document with its 1-based sequence number (three digits at
// least: 001, 1000), ending with "|" and without a line end. For a payee at this
// bank (IsNVX "1") empty payee fields become a single space and the bank and
// area codes are single spaces; for another bank the own-bank branch and
// counter fields are single spaces and the codes close the line.
QString BatchLine(const TPayMoneyInfo& doc, int seqNo);

// The document of a line, or nothing when the line is rejected: fewer than 14
// pieces, more than 17 or 17 whose last is not empty (a "|" inside a value), or
// an amount that is not a plain payment amount greater than zero
// (TAmount::ParsePayment).
// Pieces are not trimmed. An empty usage reads as a single space; BankCode and
// AreaCode are read only from a line of 16 or 17 pieces (a single space when
// empty). Fields the line does not carry stay empty. The caller completes the
// document with TRegisterStore::RefreshParties.
std::optional<TPayMoneyInfo> ReadBatchLine(const QString& line);

// The lines of a text file to import, each trimmed of white space and control
// characters, up to (without) the first empty one.
QStringList BatchTextLines(const QByteArray& fileBytes);

// The amount in the general form of the line and the workbooks: the shortest
// decimal form of up to 15 significant digits, "." as decimal point, no
// trailing zeros ("1500.5", "100", "0.01").
QString AmountText(const TAmount& money);
