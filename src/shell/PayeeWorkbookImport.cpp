#include "platform/prompts/Prompts.h"
#include "shell/DataMain.h"
#include "xml/XmlNodes.h"

namespace {

// The payee fields in the order of a register workbook's columns 1 to 18.
constexpr QString TPayeeInfo::*kColumns[] = {
    &TPayeeInfo::RcvAccNo,  &TPayeeInfo::RcvAccName, &TPayeeInfo::BranchName,
    &TPayeeInfo::BranchCode, &TPayeeInfo::CounterName, &TPayeeInfo::CounterNo,
    &TPayeeInfo::UbankNo,   &TPayeeInfo::ExchangeNo, &TPayeeInfo::Status,
    &TPayeeInfo::IsNVX,     &TPayeeInfo::SortID,     &TPayeeInfo::RightType,
    &TPayeeInfo::AccOrder,  &TPayeeInfo::CurType,    &TPayeeInfo::AccAlias,
    &TPayeeInfo::BankCode,  &TPayeeInfo::AreaCode,   &TPayeeInfo::AreaProv,
};

constexpr int kBlankRowsBeforeStop = 50;

bool Contains(const TOwningList<TPayeeInfo>& list, const QString& accNo, const QString& accName) {
  for (const TPayeeInfo& payee : list)
    if (payee.RcvAccNo == accNo && payee.RcvAccName == accName) return true;
  return false;
}

}  // namespace

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
    TWorksheet sheet = book->Worksheet(1);
    const int rows = sheet.UsedRows();
    int blankRows = 0;
    for (int row = 1; row <= rows; ++row) {
      const QString accNo = xml::TrimControls(sheet.ReadCell(row, 1));
      const QString accName = xml::TrimControls(sheet.ReadCell(row, 2));
      if (accNo.isEmpty()) {
        if (blankRows == kBlankRowsBeforeStop) break;
        ++blankRows;
        continue;
      }
      if (Contains(list, accNo, accName)) continue;  // a repeat does not reset the count
      auto payee = std::make_unique<TPayeeInfo>();
      for (int column = 1; column <= 18; ++column)
        (*payee).*kColumns[column - 1] = xml::TrimControls(sheet.ReadCell(row, column));
      list.Append(std::move(payee));
      blankRows = 0;
    }
  } catch (const TSpreadsheetError&) {
    // An unreadable workbook ends the import with what was read.
  }
}
