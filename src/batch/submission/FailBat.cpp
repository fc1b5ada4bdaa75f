#include "batch/submission/FailBat.h"

#include <utility>

#include "platform/codec/Gbk.h"

namespace {

// Takes the text up to the next "|" off the front of rest, dropping the "|".
// Without a "|" the whole rest is taken.
QString CutField(QString& rest) {
  const qsizetype bar = rest.indexOf(QLatin1Char('|'));
  if (bar < 0) return std::exchange(rest, QString());
  QString field = rest.left(bar);
  rest.remove(0, bar + 1);
  return field;
}

}  // namespace

TFailBat ReadFailBat(const QString& text) {
  QString rest = text.trimmed();
  TFailBat fail;
  fail.SeqNo = CutField(rest);
  fail.PayAccNo = CutField(rest);
  fail.PayAccName = CutField(rest);
  fail.RcvAccNo = CutField(rest);
  fail.RcvAccName = CutField(rest);
  if (rest.endsWith(QLatin1Char('|'))) rest.chop(1);
  fail.Reason = rest;
  return fail;
}

QByteArray FailListFileBytes(const QList<TFailBat>& fails) {
  QString text;
  const QChar bar(u'|');
  for (const TFailBat& fail : fails) {
    text += fail.SeqNo + bar + fail.PayAccNo + bar + fail.PayAccName + bar + fail.RcvAccNo + bar +
            fail.RcvAccName + bar + fail.Reason + QStringLiteral("\r\n");
  }
  return codec::ToGbk(text);
}
