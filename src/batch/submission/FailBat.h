#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// One document the bank rejected, as its reply lists it; the six fields are
// the six columns of the failure panel.
struct TFailBat {
  QString SeqNo;
  QString PayAccNo;
  QString PayAccName;
  QString RcvAccNo;
  QString RcvAccName;
  QString Reason;
};

// Reads "seq|payer account|payer name|payee account|payee name|reason|"
// (trimmed first). The five fields are cut off the front, each ending at the
// next "|". When no "|" is left, the field takes what remains and every later
// field is empty. The rest, less one final "|", is the reason.
TFailBat ReadFailBat(const QString& text);

// The failure list as a text file: one GBK line per failure, its six fields
// joined by "|" (no trailing "|"), each line ended by CR LF.
QByteArray FailListFileBytes(const QList<TFailBat>& fails);
