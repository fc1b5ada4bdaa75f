#include "statements/offline/HisTraList.h"

#include <array>

#include "statements/records/StatementTable.h"

namespace {

// The fields of the export's columns, in their order.
const std::array<const char*, 10> kFields = {"日期",         "凭证号",         "用途", "摘要",
                                             "借贷标志",     "借(贷)方发生额", "余额", "对方帐号",
                                             "对方账户名称", "对方开户行名称"};
const std::array<const char*, 10> kHeads = {"交易日期", "凭证号",    "用途", "摘要",
                                            "借贷标志", "发生额",    "余额", "对方账号",
                                            "对方户名", "对方开户行"};
const std::array<double, 10> kWidths = {11, 12, 16, 16, 9, 15, 15, 22, 30, 30};

}  // namespace

TWorkbookData HisTraListTemplate() {
  TSheetData sheet(QStringLiteral("历史交易明细"), {});
  sheet.SetCell(0, 0, QStringLiteral("维岭银行历史交易明细"));
  sheet.SetCell(1, 1, QStringLiteral("账号："));
  sheet.SetCell(1, 7, QStringLiteral("账户名称："));
  for (std::size_t c = 0; c < kHeads.size(); ++c)
    sheet.SetCell(2, int(c), QString::fromUtf8(kHeads[c]));
  sheet.ColumnWidths.assign(kWidths.begin(), kWidths.end());
  TWorkbookData workbook;
  workbook.Sheets.push_back(std::move(sheet));
  return workbook;
}

void FillHisTraList(TWorksheet& sheet, const StatementTable& table, const QString& accNo,
                    const QString& accName) {
  sheet.WriteCell(2, 3, accNo);
  sheet.WriteCell(2, 9, accName);
  std::array<int, kFields.size()> fields{};
  for (std::size_t c = 0; c < kFields.size(); ++c)
    fields[c] = table.FieldIndex(QString::fromUtf8(kFields[c]));
  for (int row = 0; row < table.RowCount(); ++row) {
    const int recNo = table.RecordAt(row);
    for (std::size_t c = 0; c < fields.size(); ++c)
      sheet.WriteCell(4 + row, int(c) + 1, table.Text(recNo, fields[c]));
  }
}
