#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

#include "platform/spreadsheet/Spreadsheet.h"

class TPrompts;

// The file steps shared by the central-finance imports and exports; each tells
// the clerk what failed and answers whether it worked.

// The workbook to import, or null: "Excel may not be installed" (error box)
// when the component cannot start, "连接到EXCEL文件失败!" (warning, "系统提示")
// when the file cannot be opened.
std::unique_ptr<TWorkbook> OpenImportWorkbook(const QString& path, const TSpreadsheetStarter& start,
                                              TPrompts& prompts);

// The bytes of a text file to import, or nothing after an error box.
std::optional<QByteArray> ReadImportFile(const QString& path, TPrompts& prompts);

// A new workbook whose first worksheet fill writes, saved at path (an old file
// there stays until the new one is whole); "连接到EXCEL文件失败!" (warning,
// "系统提示") when it cannot be made or saved.
bool ExportWorkbook(const QString& path, const TSpreadsheetStarter& start, TPrompts& prompts,
                    const std::function<void(TWorksheet&)>& fill);

// The bytes written over the file at path; an error box names what failed.
bool ExportTextFile(const QString& path, const QByteArray& bytes, TPrompts& prompts);

// "导出完成！", captioned "提示".
void TellExported(TPrompts& prompts);
