#include "certpay/books/CertRegisterBooks.h"

#include "certpay/records/CertAddInfo.h"
#include "certpay/records/CertPayee.h"
#include "certpay/records/CertPayer.h"
#include "certpay/records/CertRegisterLine.h"
#include "platform/codec/Gbk.h"
#include "xml/XmlNodes.h"

template <class T>
QByteArray CertRegisterText(const TOwningList<T>& list, const QString& captionLine) {
  QString text = captionLine + QLatin1String("\r\n");
  for (const T& record : list) text += CertRegisterLine(record) + QLatin1String("\r\n");
  return codec::ToGbk(text);
}

template <class T>
void WriteCertRegisterSheet(const TOwningList<T>& list, const QStringList& captions,
                            TWorksheet& sheet) {
  for (qsizetype c = 0; c < captions.size(); ++c) sheet.WriteCell(1, int(c) + 1, captions[c]);
  const auto columns = WorkbookFields(T::Fields());
  int row = 2;
  for (const T& record : list) {
    for (const TRecordField<T>* field : columns)
      sheet.WriteCell(row, field->Column, field->Text(record));
    ++row;
  }
}

template <class T>
QList<TCertSheetRow<T>> ReadCertRegisterSheet(const TWorksheet& sheet) {
  QList<TCertSheetRow<T>> rows;
  const auto columns = WorkbookFields(T::Fields());
  for (int row = 2; row <= sheet.UsedRows(); ++row) {
    if (xml::TrimControls(sheet.ReadCell(row, 1)).isEmpty()) continue;
    T record;
    for (const TRecordField<T>* field : columns)
      field->SetText(record, xml::TrimControls(sheet.ReadCell(row, field->Column)));
    if (HoldsFieldSeparator(record))
      rows.append({row, std::nullopt});
    else
      rows.append({row, std::move(record)});
  }
  return rows;
}

// The registers whose files these are.
template QByteArray CertRegisterText(const TOwningList<TCertPayer>&, const QString&);
template void WriteCertRegisterSheet(const TOwningList<TCertPayer>&, const QStringList&,
                                     TWorksheet&);
template QList<TCertSheetRow<TCertPayer>> ReadCertRegisterSheet(const TWorksheet&);
template QByteArray CertRegisterText(const TOwningList<TCertPayee>&, const QString&);
template void WriteCertRegisterSheet(const TOwningList<TCertPayee>&, const QStringList&,
                                     TWorksheet&);
template QList<TCertSheetRow<TCertPayee>> ReadCertRegisterSheet(const TWorksheet&);
template QByteArray CertRegisterText(const TOwningList<TCertAddInfo>&, const QString&);
template void WriteCertRegisterSheet(const TOwningList<TCertAddInfo>&, const QStringList&,
                                     TWorksheet&);
template QList<TCertSheetRow<TCertAddInfo>> ReadCertRegisterSheet(const TWorksheet&);
