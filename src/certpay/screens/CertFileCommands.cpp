#include "certpay/screens/CertFileCommands.h"

#include <QDir>

#include "platform/files/AtomicFile.h"
#include "platform/prompts/Prompts.h"
#include "widgets/base/CommandGuard.h"

namespace {

void TellSpreadsheetFailed(TPrompts& prompts) {
  prompts.Warning(TPrompts::kSystemCaption, QStringLiteral("连接到EXCEL文件失败!"));
}

}  // namespace

std::unique_ptr<TWorkbook> OpenImportWorkbook(const QString& path, const TSpreadsheetStarter& start,
                                              TPrompts& prompts) {
  std::unique_ptr<TSpreadsheetApp> app;
  try {
    app = start();
  } catch (const TSpreadsheetError&) {
    prompts.Error(TPrompts::kErrorCaption, QStringLiteral("Excel may not be installed"));
    return nullptr;
  }
  try {
    return app->OpenWorkbook(path);
  } catch (const TSpreadsheetError&) {
    TellSpreadsheetFailed(prompts);
    return nullptr;
  }
}

std::optional<QByteArray> ReadImportFile(const QString& path, TPrompts& prompts) {
  std::optional<QByteArray> bytes = ReadWholeFile(path);
  if (!bytes)
    prompts.Error(TPrompts::kErrorCaption,
                  QStringLiteral("无法读取文件 %1。").arg(QDir::toNativeSeparators(path)));
  return bytes;
}

bool ExportWorkbook(const QString& path, const TSpreadsheetStarter& start, TPrompts& prompts,
                    const std::function<void(TWorksheet&)>& fill) {
  try {
    std::unique_ptr<TSpreadsheetApp> app = start();
    std::unique_ptr<TWorkbook> book = app->NewWorkbook();
    TWorksheet sheet = book->Worksheet(1);
    fill(sheet);
    book->SaveAs(path);
    return true;
  } catch (const TSpreadsheetError&) {
    TellSpreadsheetFailed(prompts);
    return false;
  }
}

bool ExportTextFile(const QString& path, const QByteArray& bytes, TPrompts& prompts) {
  return WriteReported(prompts, TPrompts::kErrorCaption, [&] { WriteFileAtomically(path, bytes); });
}

void TellExported(TPrompts& prompts) {
  prompts.Info(TPrompts::kNoticeCaption, QStringLiteral("导出完成！"));
}
