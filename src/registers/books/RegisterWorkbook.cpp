#include "registers/books/RegisterWorkbook.h"

#include <QSet>
#include <utility>

#include "platform/prompts/Prompts.h"
#include "platform/spreadsheet/AccountCells.h"
#include "xml/XmlNodes.h"

namespace {

constexpr int kBlankRowsBeforeStop = 50;
// Both layouts start with the account number.
constexpr int kAccountColumn = 1;

QString CellText(const QString& value) {
  return QLatin1Char('\t') + value + QLatin1Char(' ');
}

template <class T>
void WriteSheet(const TOwningList<T>& list, TWorksheet& sheet) {
  const auto columns = WorkbookFields(T::Fields());
  for (qsizetype i = 0; i < list.Count(); ++i) {
    for (const TRecordField<T>* field : columns)
      sheet.WriteCell(int(i) + 1, field->Column, CellText(field->Text(list[i])));
  }
}

// The record of a worksheet row, every cell trimmed of white space and control
// characters; fields outside the workbook stay empty.
template <class T>
std::unique_ptr<T> ReadRow(const TWorksheet& sheet, int row) {
  auto record = std::make_unique<T>();
  for (const TRecordField<T>* field : WorkbookFields(T::Fields()))
    field->SetText(*record, xml::TrimControls(sheet.ReadCell(row, field->Column)));
  return record;
}

// Whether the row's account number lost digits in the file; such a row goes to
// refused.
bool Refused(const TWorksheet& sheet, int row, QList<int>& refused) {
  if (!AccountLostDigits(sheet, row, kAccountColumn)) return false;
  refused.append(row);
  return true;
}

QList<int> ReadPayerRows(const TWorksheet& sheet, TOwningList<TPayerInfo>& out) {
  QList<int> refused;
  ReadWorkbookRows(sheet, [&](int row) {
    if (!Refused(sheet, row, refused)) out.Append(ReadRow<TPayerInfo>(sheet, row));
    return true;
  });
  return refused;
}

// The started component, or null after the error box that says it cannot start.
std::unique_ptr<TSpreadsheetApp> Started(const TSpreadsheetStarter& start, TPrompts& prompts) {
  try {
    return start();
  } catch (const TSpreadsheetStartError&) {
    prompts.Error(TPrompts::kErrorCaption, QStringLiteral("Excel may not be installed"));
    return nullptr;
  }
}

// Opens the workbook and hands its first worksheet to readRows.
template <class T, class ReadRows>
TImportResult ReadWorkbook(const QString& path, TOwningList<T>& out,
                           const TSpreadsheetStarter& start, TPrompts& prompts, ReadRows readRows) {
  out.Clear();
  const std::unique_ptr<TSpreadsheetApp> app = Started(start, prompts);
  if (!app) return TImportResult::NotStarted;
  try {
    std::unique_ptr<TWorkbook> book = app->OpenWorkbook(path);
    const QList<int> refused = readRows(book->Worksheet(1), out);
    if (refused.isEmpty()) return TImportResult::Read;
    prompts.Warning(TPrompts::kSystemCaption, LostDigitsRowsMessage(refused));
    return out.IsEmpty() ? TImportResult::Reported : TImportResult::Read;
  } catch (const TSpreadsheetCellError& e) {
    out.Clear();
    prompts.Error(TPrompts::kErrorCaption, e.Message());
    return TImportResult::Reported;
  } catch (const TSpreadsheetError&) {
    // A register is replaced by a complete file or not at all.
    out.Clear();
    return TImportResult::Failed;
  }
}

template <class WriteRows>
void Export(const QString& path, const TSpreadsheetStarter& start, WriteRows writeRows) {
  std::unique_ptr<TSpreadsheetApp> app = start();
  std::unique_ptr<TWorkbook> book = app->NewWorkbook();
  TWorksheet sheet = book->Worksheet(1);
  writeRows(sheet);
  book->SaveAs(path);
}

}  // namespace

void ReadWorkbookRows(const TWorksheet& sheet, const std::function<bool(int row)>& take) {
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

QList<int> ReadPayeeRows(const TWorksheet& sheet, TOwningList<TPayeeInfo>& list) {
  QSet<std::pair<QString, QString>> read;
  for (const TPayeeInfo& payee : list) read.insert({payee.RcvAccNo, payee.RcvAccName});
  QList<int> refused;
  ReadWorkbookRows(sheet, [&](int row) {
    // A refused row counts as read for the blank rows, as it did when imported.
    if (Refused(sheet, row, refused)) return true;
    const std::pair<QString, QString> key{xml::TrimControls(sheet.ReadCell(row, 1)),
                                          xml::TrimControls(sheet.ReadCell(row, 2))};
    if (read.contains(key)) return false;  // a repeat does not reset the count
    read.insert(key);
    list.Append(ReadRow<TPayeeInfo>(sheet, row));
    return true;
  });
  return refused;
}

bool IsWorkbookName(const QString& path) {
  return path.contains(QLatin1String(".xls"), Qt::CaseInsensitive);
}

void WritePayersSheet(const TOwningList<TPayerInfo>& payers, TWorksheet& sheet) {
  WriteSheet(payers, sheet);
}

void WritePayeesSheet(const TOwningList<TPayeeInfo>& payees, TWorksheet& sheet) {
  WriteSheet(payees, sheet);
}

TImportResult ReadPayersWorkbook(const QString& path, TOwningList<TPayerInfo>& out,
                                 const TSpreadsheetStarter& start, TPrompts& prompts) {
  return ReadWorkbook(path, out, start, prompts, &ReadPayerRows);
}

TImportResult ReadPayeesWorkbook(const QString& path, TOwningList<TPayeeInfo>& out,
                                 const TSpreadsheetStarter& start, TPrompts& prompts) {
  return ReadWorkbook(path, out, start, prompts, &ReadPayeeRows);
}

void ImportPayeesFromExcel(TOwningList<TPayeeInfo>& list, const QString& path,
                           const TSpreadsheetStarter& start, TPrompts& prompts) {
  list.Clear();
  const std::unique_ptr<TSpreadsheetApp> app = Started(start, prompts);
  if (!app) return;
  try {
    std::unique_ptr<TWorkbook> book = app->OpenWorkbook(path);
    const QList<int> refused = ReadPayeeRows(book->Worksheet(1), list);
    if (!refused.isEmpty())
      prompts.Warning(TPrompts::kSystemCaption, LostDigitsRowsMessage(refused));
  } catch (const TSpreadsheetCellError& e) {
    prompts.Error(TPrompts::kErrorCaption, e.Message());
  } catch (const TSpreadsheetError&) {
    // An unreadable workbook ends the import with what was read.
  }
}

void ExportPayersWorkbook(const TOwningList<TPayerInfo>& payers, const QString& path,
                          const TSpreadsheetStarter& start) {
  Export(path, start, [&](TWorksheet& sheet) { WritePayersSheet(payers, sheet); });
}

void ExportPayeesWorkbook(const TOwningList<TPayeeInfo>& payees, const QString& path,
                          const TSpreadsheetStarter& start) {
  Export(path, start, [&](TWorksheet& sheet) { WritePayeesSheet(payees, sheet); });
}
