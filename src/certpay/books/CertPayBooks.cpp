#include "certpay/books/CertPayBooks.h"

#include "platform/codec/Gbk.h"
#include "platform/spreadsheet/AccountCells.h"
#include "registers/books/RegisterWorkbook.h"
#include "xml/XmlNodes.h"

namespace {

constexpr int kColumns = 21;
constexpr int kPayerAccountColumn = 2;
constexpr int kPayeeAccountColumn = 5;

}  // namespace

QByteArray CertPayFileBytes(const TOwningList<TUserInput>& docs) {
  QString text;
  for (qsizetype i = 0; i < docs.Count(); ++i)
    text += PaymentLine(docs[i], int(i) + 1) + QLatin1String("\r\n");
  return codec::ToGbk(text);
}

void WriteCertPaySheet(const TOwningList<TUserInput>& docs, TWorksheet& sheet) {
  for (qsizetype i = 0; i < docs.Count(); ++i) {
    const QStringList pieces = PaymentPieces(docs[i], int(i) + 1);
    for (int column = 1; column <= kColumns; ++column)
      sheet.WriteCell(int(i) + 1, column, pieces[column - 1]);
  }
}

QList<TCertPayRow> ReadCertPaySheet(const TWorksheet& sheet) {
  QList<TCertPayRow> rows;
  ReadWorkbookRows(sheet, [&](int row) {
    QStringList pieces;
    for (int column = 1; column <= kColumns; ++column)
      pieces << xml::TrimControls(sheet.ReadCell(row, column));
    const bool lostDigits = AccountLostDigits(sheet, row, kPayerAccountColumn) ||
                            AccountLostDigits(sheet, row, kPayeeAccountColumn);
    rows.append({row, ReadPaymentPieces(pieces), lostDigits});
    return true;
  });
  return rows;
}
