#include "platform/spreadsheet/Spreadsheet.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <QUrl>

#include "platform/files/AtomicFile.h"
#include "platform/files/FileProblem.h"
#include "platform/prompts/Prompts.h"
#include "platform/spreadsheet/XlsFormat.h"
#include "platform/spreadsheet/XlsxFormat.h"

namespace {

bool IsXlsxName(const QString& path) {
  return path.endsWith(QStringLiteral(".xlsx"), Qt::CaseInsensitive);
}

}  // namespace

TWorksheet TWorkbook::Worksheet(int n) {
  if (n < 1 || n > WorksheetCount())
    throw TSpreadsheetError(QStringLiteral("工作簿中没有第 %1 个工作表。").arg(n));
  return TWorksheet(data_.Sheets[size_t(n - 1)]);
}

void TWorkbook::SaveAs(const QString& path) const {
  WriteWorkbookFile(data_, path);
}

void TWorkbook::Show(TPrompts& prompts) const {
  QTemporaryFile file(QDir::temp().filePath(QStringLiteral("workbook-XXXXXX.xlsx")));
  file.setAutoRemove(false);  // the desktop program opens it after we return
  if (!file.open())
    throw TSpreadsheetError(
        QStringLiteral("无法建立临时文件：%1").arg(WriteProblemText(file.fileTemplate())));
  const QString path = file.fileName();
  file.close();
  WriteWorkbookFile(data_, path);
  if (!prompts.OpenUrl(QUrl::fromLocalFile(path)))
    throw TSpreadsheetError(
        QStringLiteral("无法打开文件 %1。").arg(QDir::toNativeSeparators(path)));
}

std::unique_ptr<TSpreadsheetApp> TSpreadsheetApp::Start() {
  // Writing .xlsx needs a usable temporary directory; without one the
  // component cannot do its work.
  if (!QFileInfo(QDir::tempPath()).isWritable())
    throw TSpreadsheetStartError(QStringLiteral("临时目录 %1 不可写。").arg(QDir::tempPath()));
  return std::make_unique<TSpreadsheetApp>();
}

std::unique_ptr<TWorkbook> TSpreadsheetApp::OpenWorkbook(const QString& path) const {
  return std::make_unique<TWorkbook>(ReadWorkbookFile(path));
}

std::unique_ptr<TWorkbook> TSpreadsheetApp::NewWorkbook() const {
  TWorkbookData data;
  data.Sheets.push_back(TSheetData{QStringLiteral("Sheet1"), {}});
  return std::make_unique<TWorkbook>(std::move(data));
}

TWorkbookData ReadWorkbookFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    throw TSpreadsheetError(QStringLiteral("无法打开文件 %1：%2")
                                .arg(QDir::toNativeSeparators(path), ReadProblemText(path)));
  const QByteArray head = file.peek(8);
  if (head.startsWith("PK\x03\x04")) {
    file.close();
    return spreadsheet::ReadXlsx(path);
  }
  if (head.startsWith("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1"))
    return spreadsheet::ReadXls(file.readAll());
  throw TSpreadsheetError(
      QStringLiteral("文件 %1 不是 Excel 工作簿。").arg(QDir::toNativeSeparators(path)));
}

void WriteWorkbookFile(const TWorkbookData& workbook, const QString& path) {
  if (IsXlsxName(path)) {
    spreadsheet::WriteXlsx(workbook, path);
    return;
  }
  const QByteArray bytes = spreadsheet::WriteXls(workbook);
  try {
    WriteFileAtomically(path, bytes);
  } catch (const TFileError& e) {
    throw TSpreadsheetError(e.Message());
  }
}
