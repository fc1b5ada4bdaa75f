#include "StatementWorkbooks.h"

#include "TransferQuery.h"
#include "UploadLines.h"
#include "platform/spreadsheet/XlsFormat.h"

namespace {

QByteArray Workbook(const QString& sheetName, std::vector<QStringList> rows) {
  TWorkbookData workbook;
  workbook.Sheets.emplace_back(sheetName, std::move(rows));
  return spreadsheet::WriteXls(workbook);
}

}  // namespace

QByteArray DetailWorkbook(const QList<TDatedDetail>& rows, const TSimAccount& account) {
  std::vector<QStringList> cells{
      {QStringLiteral("交易日期"), QStringLiteral("交易时间"), QStringLiteral("凭证种类"),
       QStringLiteral("凭证号"), QStringLiteral("借贷标志"), QStringLiteral("发生额"),
       QStringLiteral("余额"), QStringLiteral("对方户名"), QStringLiteral("对方账号"),
       QStringLiteral("摘要"), QStringLiteral("备注"), QStringLiteral("企业流水号"),
       QStringLiteral("账户明细编号"), QStringLiteral("交易流水号"), QStringLiteral("币种")}};
  for (const TDatedDetail& row : rows) {
    const TSimDetail& detail = *row.Detail;
    cells.push_back(
        {row.Day.toString(QStringLiteral("yyyyMMdd")),
         detail.Time.toString(QStringLiteral("hh:mm:ss")), detail.VoucherKind, detail.VoucherNo,
         detail.Credit ? QStringLiteral("贷方") : QStringLiteral("借方"), FenText(detail.Amount),
         FenText(detail.Balance), detail.CounterName, detail.CounterAccNo, detail.Summary,
         detail.Note, detail.CompanySerial, detail.DetailNo, detail.SerialNo, account.CurType});
  }
  return Workbook(QStringLiteral("账户明细"), std::move(cells));
}

QByteArray TransferWorkbook(const QList<TTransferDocument>& documents, bool newGeneration) {
  std::vector<QStringList> cells{
      {QStringLiteral("凭证号"), QStringLiteral("付款账号"), QStringLiteral("付款单位"),
       QStringLiteral("付款单位开户行"), QStringLiteral("金额"), QStringLiteral("币种"),
       QStringLiteral("制单时间"), QStringLiteral("收款账号"), QStringLiteral("收款单位"),
       QStringLiteral("收款单位开户行"), QStringLiteral("用途"), QStringLiteral("状态")}};
  for (const TTransferDocument& document : documents) {
    cells.push_back(
        {document.Number, document.PayAccNo, document.PayName, document.PayBank,
         FenText(document.Amount), document.CurType, MadeAtText(document), document.RevAccNo,
         document.RevName, document.RevBank, document.Use,
         newGeneration ? NewStatusText(document.Status) : OldStatusText(document.Status)});
  }
  return Workbook(QStringLiteral("交易流水"), std::move(cells));
}

TSimReply WorkbookReply(const TTxContext& tx, const QByteArray& workbook, const QString& fallback) {
  const QString asked = tx.Form.Text("clientFileName").trimmed();
  return AttachmentReply("application/vnd.ms-excel", workbook, asked.isEmpty() ? fallback : asked);
}
