// The agent-pay screen's imports and exports.

#include <QFileInfo>

#include "agentpay/records/PayExport.h"
#include "agentpay/records/PayImport.h"
#include "agentpay/screens/FormFileChange.h"
#include "agentpay/screens/TextFileLines.h"
#include "agentpay/screens/fmPayFile.h"
#include "core/TextHelpers.h"
#include "platform/files/AtomicFile.h"
#include "platform/prompts/Prompts.h"
#include "widgets/base/CommandGuard.h"

namespace {

const QString kConvertFailed = QStringLiteral("转换文件失败，请检查文件格式");
const QString kNoSpreadsheet = QStringLiteral("连接到EXCEL文件失败!");

}  // namespace

void TfmPayFile::btnImportExcelClick() {
  if (!records_.HasTemplate()) {
    Prompts().Warning(TPrompts::kSystemCaption, QStringLiteral("请先打开模板，再使用此功能"));
    return;
  }
  const QString path = Prompts().OpenFileOfKind(TFileKind::PayFiles, QStringLiteral("打开"), {});
  if (path.isEmpty()) return;
  const QString suffix = QFileInfo(path).suffix().toLower();
  if (suffix == u"txt")
    ImportText(path);
  else if (suffix == u"xls" || suffix == u"xlsx")
    ImportWorkbook(path);
  else
    Prompts().Warning(TPrompts::kSystemCaption,
                      QStringLiteral("只能转换文本文件(*.txt)或Excel文件(*.xls、*.xlsx)。"));
}

void TfmPayFile::ImportText(const QString& path) {
  const std::optional<QStringList> lines = ReadTextFileLines(Prompts(), path);
  if (!lines) return;
  TFormFileChange dialog(Prompts(), this);
  const std::optional<TFormFileChange::TRange> range =
      dialog.Execute(int(lines->size()), true, records_.Template().Separator());
  if (!range) return;
  const TPayImport imported =
      ImportTextLines(*lines, range->Begin, std::min(range->End, int(lines->size())),
                      range->Separator.trimmed(), records_.Template());
  if (!imported.Problem.isEmpty()) {
    Prompts().Warning(TPrompts::kSystemCaption, imported.Problem);
    return;
  }
  AppendImported(imported.Lines);
}

void TfmPayFile::ImportWorkbook(const QString& path) {
  std::unique_ptr<TWorkbook> book;
  std::optional<TWorksheet> sheet;
  try {
    book = context_.StartSpreadsheet()->OpenWorkbook(path);
    sheet.emplace(book->Worksheet(records_.Template().WorkAround));
  } catch (const TSpreadsheetError&) {
    Prompts().Warning(TPrompts::kSystemCaption, kNoSpreadsheet);
    return;
  }
  TFormFileChange dialog(Prompts(), this);
  const std::optional<TFormFileChange::TRange> range = dialog.Execute(1, false, {});
  if (!range) return;
  TPayImport imported;
  try {
    imported = ImportWorksheetRows(*sheet, range->Begin, range->End, records_.Template());
  } catch (const TSpreadsheetCellError& e) {
    Prompts().Error(TPrompts::kErrorCaption, e.Message());
    return;
  } catch (const TSpreadsheetError&) {
    Prompts().Warning(TPrompts::kSystemCaption, kConvertFailed);
    return;
  }
  if (!imported.Problem.isEmpty()) {
    Prompts().Warning(TPrompts::kSystemCaption, imported.Problem);
    return;
  }
  if (!imported.Lines.isEmpty()) AppendImported(imported.Lines);
}

void TfmPayFile::AppendImported(const QStringList& lines) {
  records_.AppendLines(lines);
  ShowRecords();
  Prompts().ShowStatus(ImportedNote(lines.size()));
}

void TfmPayFile::btnImportTextClick() {
  if (!records_.HasTemplate()) {
    Prompts().Warning(TPrompts::kSystemCaption, QStringLiteral("请先打开要使用的模板文件"));
    return;
  }
  const QString path = Prompts().OpenFileOfKind(TFileKind::PayFiles, QStringLiteral("打开"),
                                                QStringLiteral("所有文件(*.*)"));
  if (path.isEmpty()) return;
  const std::optional<QStringList> lines = ReadTextFileLines(Prompts(), path);
  if (!lines) return;
  if (lines->isEmpty()) {
    Prompts().Warning(TPrompts::kSystemCaption, QStringLiteral("打开的文件内容为空！"));
    return;
  }
  records_.ReplaceLines(*lines);
  exported_ = true;
  SetEditing(false);
  ShowRecords();
}

bool TfmPayFile::btnExportClick() {
  if (!records_.HasTemplate() || records_.Rows().value(0).value(0).trimmed().isEmpty()) {
    Prompts().Warning(TPrompts::kSystemCaption, QStringLiteral("当前没有数据可以导出！"));
    return false;
  }
  QString path = Prompts().SaveFileOfKind(
      TFileKind::PayFiles, QStringLiteral("保存"),
      QStringLiteral("文本文件 (*.txt);;Excel文件(*.xls);;Excel文件(*.xlsx)"));
  if (path.isEmpty()) return false;
  path = WithDefaultSuffix(path, QStringLiteral("txt"));
  const bool workbook = path.contains(QStringLiteral(".xls"), Qt::CaseInsensitive);
  if (!(workbook ? ExportWorkbook(path) : ExportText(path))) return false;
  try {
    WriteFileAtomically(PayRecordsXmlPath(context_.DfdkDir, path),
                        PayRecordsXmlBytes(records_.Template().Captions(), records_.Rows()));
  } catch (const TFileError&) {
    // The copy in the agent-pay folder is a convenience; the export stands.
  }
  Prompts().ShowStatus(ExportedNote(records_.Rows().size()));
  return true;
}

bool TfmPayFile::ExportText(const QString& path) {
  const bool written = WriteReported(Prompts(), TPrompts::kErrorCaption, [&] {
    WriteFileAtomically(path, PayTextFileBytes(records_.Lines(), records_.Template()));
  });
  if (written) exported_ = true;
  return written;
}

bool TfmPayFile::ExportWorkbook(const QString& path) {
  try {
    WriteWorkbookFile(PayWorkbook(records_.Rows()), path);
    return true;
  } catch (const TSpreadsheetError& e) {
    Prompts().Warning(TPrompts::kSystemCaption, kNoSpreadsheet + u'\n' + e.Message());
    return false;
  }
}
