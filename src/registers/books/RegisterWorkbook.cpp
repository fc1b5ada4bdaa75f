#include "registers/books/RegisterWorkbook.h"

#include <array>

#include "platform/prompts/Prompts.h"
#include "xml/XmlNodes.h"

namespace {

constexpr std::array<QString TPayerInfo::*, 6> kPayerColumns = {
    &TPayerInfo::PayAccNo, &TPayerInfo::PayAccName, &TPayerInfo::CounterName,
    &TPayerInfo::SortId,   &TPayerInfo::AccAlias,   &TPayerInfo::RightType,
};

QString CellText(const QString& value) {
  return QLatin1Char('\t') + value + QLatin1Char(' ');
}

template <class T, std::size_t N>
void WriteSheet(const TOwningList<T>& list, const std::array<QString T::*, N>& columns,
                TWorksheet& sheet) {
  for (qsizetype i = 0; i < list.Count(); ++i) {
    int column = 1;
    for (QString T::*field : columns)
      sheet.WriteCell(int(i) + 1, column++, CellText(list[i].*field));
  }
}

void ReadPayerRows(const TWorksheet& sheet, TOwningList<TPayerInfo>& out) {
  TDataMain::ReadWorkbookRows(sheet, [&](int row) {
    auto payer = std::make_unique<TPayerInfo>();
    int column = 1;
    for (QString TPayerInfo::*field : kPayerColumns)
      (*payer).*field = xml::TrimControls(sheet.ReadCell(row, column++));
    out.Append(std::move(payer));
    return true;
  });
}

// Opens the workbook and hands its first worksheet to readRows.
template <class T, class ReadRows>
TImportResult ReadWorkbook(const QString& path, TOwningList<T>& out, const TDataMain& data,
                           ReadRows readRows) {
  out.Clear();
  std::unique_ptr<TSpreadsheetApp> app;
  try {
    app = data.StartSpreadsheet();
  } catch (const TSpreadsheetStartError&) {
    Prompts().error(QStringLiteral("错误"), QStringLiteral("Excel may not be installed"));
    return TImportResult::NotStarted;
  }
  try {
    std::unique_ptr<TWorkbook> book = app->OpenWorkbook(path);
    readRows(book->Worksheet(1), out);
    return TImportResult::Read;
  } catch (const TSpreadsheetError&) {
    // A register is replaced by a complete file or not at all.
    out.Clear();
    return TImportResult::Failed;
  }
}

template <class WriteRows>
void Export(const QString& path, const TDataMain& data, WriteRows writeRows) {
  std::unique_ptr<TSpreadsheetApp> app = data.StartSpreadsheet();
  std::unique_ptr<TWorkbook> book = app->NewWorkbook();
  TWorksheet sheet = book->Worksheet(1);
  writeRows(sheet);
  book->SaveAs(path);
}

}  // namespace

void WritePayersSheet(const TOwningList<TPayerInfo>& payers, TWorksheet& sheet) {
  WriteSheet(payers, kPayerColumns, sheet);
}

void WritePayeesSheet(const TOwningList<TPayeeInfo>& payees, TWorksheet& sheet) {
  WriteSheet(payees, TDataMain::PayeeWorkbookColumns(), sheet);
}

TImportResult ReadPayersWorkbook(const QString& path, TOwningList<TPayerInfo>& out,
                                 const TDataMain& data) {
  return ReadWorkbook(path, out, data, &ReadPayerRows);
}

TImportResult ReadPayeesWorkbook(const QString& path, TOwningList<TPayeeInfo>& out,
                                 const TDataMain& data) {
  return ReadWorkbook(path, out, data, &TDataMain::ReadPayeeRows);
}

void ExportPayersWorkbook(const TOwningList<TPayerInfo>& payers, const QString& path,
                          const TDataMain& data) {
  Export(path, data, [&](TWorksheet& sheet) { WritePayersSheet(payers, sheet); });
}

void ExportPayeesWorkbook(const TOwningList<TPayeeInfo>& payees, const QString& path,
                          const TDataMain& data) {
  Export(path, data, [&](TWorksheet& sheet) { WritePayeesSheet(payees, sheet); });
}
