#include "batch/documents/BatchLine.h"

#include <QStringList>

#include "core/TextHelpers.h"
#include "platform/codec/Gbk.h"
#include "xml/XmlNodes.h"

namespace {

QString SpaceIfEmpty(const QString& value) {
  return value.isEmpty() ? QStringLiteral(" ") : value;
}

// printf's "%.3d": at least three digits, more when needed.
QString SequenceText(int seqNo) {
  const QString digits = QString::number(qAbs(qint64(seqNo))).rightJustified(3, u'0');
  return seqNo < 0 ? u'-' + digits : digits;
}

qsizetype SignificantDigits(const QString& exact) {
  qsizetype count = 0;
  for (QChar c : exact) {
    if (!c.isDigit()) continue;
    if (count == 0 && c == u'0') continue;  // leading zeros, as in 0.0001
    ++count;
  }
  return count;
}

}  // namespace

QString AmountText(const TAmount& money) {
  QString exact = money.ToText();
  if (SignificantDigits(exact) <= 15) return exact;
  // Past 15 digits the general form rounds, as the number formatting does.
  return xml::FormatReal(double(money.Units()) / double(TAmount::kScale));
}

QString BatchLine(const TPayMoneyInfo& doc, int seqNo) {
  const TPayerInfo& payer = doc.Payer;
  const TPayeeInfo& payee = doc.Payee;
  const QString space = QStringLiteral(" ");
  const bool ownBank = payee.IsNVX == QLatin1String("1");

  QStringList fields;
  fields.reserve(16);
  fields << SequenceText(seqNo) << payer.PayAccName << payer.PayAccNo << payer.BranchCode;
  if (ownBank) {
    fields << SpaceIfEmpty(payee.RcvAccNo) << SpaceIfEmpty(payee.RcvAccName)
           << SpaceIfEmpty(payee.BranchCode) << SpaceIfEmpty(payee.CounterName)
           << SpaceIfEmpty(payee.UbankNo) << SpaceIfEmpty(payee.CounterNo);
  } else {
    fields << payee.RcvAccNo << payee.RcvAccName << space << payee.CounterName
           << SpaceIfEmpty(payee.UbankNo) << space;
  }
  fields << payee.IsNVX << AmountText(doc.Money) << QStringLiteral("01") << doc.Usage;
  if (ownBank)
    fields << space << space;
  else
    fields << payee.BankCode << payee.AreaCode;
  return fields.join(u'|') + u'|';
}

std::optional<TPayMoneyInfo> ReadBatchLine(const QString& line) {
  const QStringList pieces = SplitText(line, u"|");
  if (pieces.size() < 14) return std::nullopt;
  // More pieces than a line has mean a "|" inside a value: every later field
  // would be shifted.
  if (pieces.size() > 17 || (pieces.size() == 17 && !pieces[16].isEmpty())) return std::nullopt;

  TPayMoneyInfo doc;
  doc.Money = TAmount::ParsePayment(pieces[11]).value_or(TAmount());
  if (doc.Money <= TAmount()) return std::nullopt;

  doc.Payer.PayAccName = pieces[1];
  doc.Payer.PayAccNo = pieces[2];
  doc.Payer.BranchCode = pieces[3];
  doc.Payee.RcvAccNo = pieces[4];
  doc.Payee.RcvAccName = pieces[5];
  doc.Payee.BranchCode = pieces[6];
  doc.Payee.CounterName = pieces[7];
  doc.Payee.UbankNo = pieces[8];
  doc.Payee.CounterNo = pieces[9];
  doc.Payee.IsNVX = pieces[10];
  doc.Usage = SpaceIfEmpty(pieces[13]);
  if (pieces.size() == 16 || pieces.size() == 17) {
    doc.Payee.BankCode = SpaceIfEmpty(pieces[14]);
    doc.Payee.AreaCode = SpaceIfEmpty(pieces[15]);
  }
  return doc;
}

QStringList BatchTextLines(const QByteArray& fileBytes) {
  QStringList lines;
  for (const QString& raw : codec::FromGbk(fileBytes).split(u'\n')) {
    const QString line = xml::TrimControls(raw);
    if (line.isEmpty()) break;
    lines << line;
  }
  return lines;
}
