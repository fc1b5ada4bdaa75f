#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

#include "SimData.h"

// One line of an uploaded batch file as the bank checks it. A line is
//   seq|payer name|payer account|payer branch|payee account|payee name|payee branch|
//   counter name|ubank no|counter no|IsNVX|amount|01|usage|bank code|area code|
struct TCheckedLine {
  QString SeqNo;
  QString PayAccNo;
  QString PayAccName;
  QString RcvAccNo;
  QString RcvAccName;
  QString RcvBankName;  // the counter name
  QString Usage;
  qint64 Amount = 0;  // 1/10000 yuan; counts only when the line is accepted
  QString Reason;     // why the line is rejected; empty when it is accepted

  bool Accepted() const { return Reason.isEmpty(); }
  // "seq|payer account|payer name|payee account|payee name|reason|"
  QString ErrItem() const;
};

// The lines of an uploaded file (GBK, each ended by CR LF); empty lines are not lines.
QStringList UploadedLines(const QByteArray& file);
// Checks a line against the customer's accounts; the first failed check gives the reason.
TCheckedLine CheckUploadLine(const QString& line, const TSimCustomer& customer);
// A decimal amount in 1/10000 yuan, read exactly, or nothing when the text is
// not a number.
std::optional<qint64> ReadAmount(const QString& text);
// An amount of 1/10000 yuan rounded to fen, with two decimals: "1500.50".
QString FenText(qint64 amount);
