#include "PayDocuments.h"

TPayDocument& TPayDocuments::Add(TPayDocument document) {
  const qsizetype sequence = qsizetype(documents_.size()) + 1;
  document.Number = QStringLiteral("DF%1").arg(sequence, 10, 10, QLatin1Char('0'));
  document.SerialNo = QStringLiteral("LS%1").arg(sequence, 10, 10, QLatin1Char('0'));
  documents_.push_back(std::move(document));
  return documents_.back();
}

TPayDocument* TPayDocuments::Find(const QString& customerId, const QString& number) {
  for (TPayDocument& document : documents_) {
    if (document.CustomerId == customerId && document.Number == number) return &document;
  }
  return nullptr;
}

TPayDocument* TPayDocuments::FindBySerial(const QString& customerId, const QString& serialNo) {
  for (TPayDocument& document : documents_) {
    if (document.CustomerId == customerId && document.SerialNo == serialNo) return &document;
  }
  return nullptr;
}

QList<const TPayDocument*> TPayDocuments::Confirmed(const QString& customerId) const {
  QList<const TPayDocument*> confirmed;
  for (const TPayDocument& document : documents_) {
    if (document.CustomerId == customerId && document.Confirmed) confirmed.append(&document);
  }
  return confirmed;
}
