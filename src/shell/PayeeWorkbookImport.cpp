#include <QSet>
#include <utility>

#include "platform/prompts/Prompts.h"
#include "shell/DataMain.h"
#include "xml/XmlNodes.h"

namespace {

constexpr int kBlankRowsBeforeStop = 50;

}  // namespace

void TDataMain::ReadWorkbookRows(const TWorksheet& sheet,
                                 const std::function<bool(int row)>& take) {
  const int rows = sheet.UsedRows();
  int blankRows = 0;
  for (int row = 1; row <= rows; ++row) {
    if (xml::TrimControls(sheet.ReadCell(row, 1)).isEmpty()) {
      if (blankRows == kBlankRowsBeforeStop) break;
      ++blankRows;
      continue;
    }
    if (take(row)) blankRows = 0;
  }
}

const std::array<QString TPayeeInfo::*, 18>& TDataMain::PayeeWorkbookColumns() {
  static constexpr std::array<QString TPayeeInfo::*, 18> columns = {
      &TPayeeInfo::RcvAccNo,   &TPayeeInfo::RcvAccName,  &TPayeeInfo::BranchName,
      &TPayeeInfo::BranchCode, &TPayeeInfo::CounterName, &TPayeeInfo::CounterNo,
      &TPayeeInfo::UbankNo,    &TPayeeInfo::ExchangeNo,  &TPayeeInfo::Status,
      &TPayeeInfo::IsNVX,      &TPayeeInfo::SortID,      &TPayeeInfo::RightType,
      &TPayeeInfo::AccOrder,   &TPayeeInfo::CurType,     &TPayeeInfo::AccAlias,
      &TPayeeInfo::BankCode,   &TPayeeInfo::AreaCode,    &TPayeeInfo::AreaProv,
  };
  return columns;
}

void TDataMain::ReadPayeeRows(const TWorksheet& sheet, TOwningList<TPayeeInfo>& list) {
  QSet<std::pair<QString, QString>> read;
  for (const TPayeeInfo& payee : list) read.insert({payee.RcvAccNo, payee.RcvAccName});
  ReadWorkbookRows(sheet, [&](int row) {
    const std::pair<QString, QString> key{xml::TrimControls(sheet.ReadCell(row, 1)),
                                          xml::TrimControls(sheet.ReadCell(row, 2))};
    if (read.contains(key)) return false;  // a repeat does not reset the count
    read.insert(key);
    auto payee = std::make_unique<TPayeeInfo>();
    int column = 1;
    for (QString TPayeeInfo::*field : PayeeWorkbookColumns())
      (*payee).*field = xml::TrimControls(sheet.ReadCell(row, column++));
    list.Append(std::move(payee));
    return true;
  });
}

void TDataMain::ImportPayeesFromExcel(TOwningList<TPayeeInfo>& list,
                                      const TInfoConfig& config) const {
  list.Clear();
  std::unique_ptr<TSpreadsheetApp> app;
  try {
    app = StartSpreadsheet();
  } catch (const TSpreadsheetStartError&) {
    Prompts().error(QStringLiteral("错误"), QStringLiteral("Excel may not be installed"));
    return;
  }
  try {
    std::unique_ptr<TWorkbook> book = app->OpenWorkbook(ListFile(config));
    ReadPayeeRows(book->Worksheet(1), list);
  } catch (const TSpreadsheetError&) {
    // An unreadable workbook ends the import with what was read.
  }
}
