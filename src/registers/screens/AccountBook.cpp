#include "registers/screens/AccountBook.h"

#include "platform/prompts/Prompts.h"

TAccountBook::TAccountBook(const TRegisterContext& context, const QString& caption,
                           const QString& heading, TTexts texts, QWidget* parent)
    : TRegisterBook(context.Screen, caption, heading, parent),
      context_(context),
      texts_(std::move(texts)) {
  if (texts_.WithAdd)
    AddCommand(
        QStringLiteral("btnAdd"), QStringLiteral("新增"), [this] { btnAddClick(); }, true);
  AddCommand(QStringLiteral("btnEdit"), QStringLiteral("修改"), [this] { btnEditClick(); });
  AddCommand(QStringLiteral("btnDelete"), QStringLiteral("删除"), [this] { btnDeleteClick(); });
  AddCommand(
      QStringLiteral("btnImport"), QStringLiteral("导入"), [this] { btnImportClick(); }, true);
  AddCommand(QStringLiteral("btnExport"), texts_.ExportCaption, [this] { btnExportClick(); });
  AddCommand(QStringLiteral("btnFind"), QStringLiteral("查询"), [this] { btnFindClick(); });
  AddCommand(QStringLiteral("btnFindNext"), QStringLiteral("查询下一个"),
             [this] { btnFindNextClick(); });
  AddCommand(QStringLiteral("btnClear"), QStringLiteral("清空"), [this] { btnClearClick(); });
}

void TAccountBook::btnDeleteClick() {
  DeleteEntries(texts_.DeleteQuestion, false);
}

void TAccountBook::btnClearClick() {
  DeleteEntries(texts_.ClearQuestion, true);
}

QString TAccountBook::AskImportFile() const {
  return Prompts().OpenFileName(QStringLiteral("打开"), QString(), RegisterFileFilter());
}

QString TAccountBook::AskExportFile(const QString& filter) const {
  return Prompts().SaveFileName(QStringLiteral("保存"), QString(), filter);
}

void TAccountBook::ExportWorkbook(bool empty, const std::function<void()>& write) const {
  if (empty) {
    Prompts().Warning(TPrompts::kSystemCaption,
                      QStringLiteral("当前没有数据可以导出,请先更新数据!"));
    return;
  }
  try {
    write();
  } catch (const TSpreadsheetError&) {
    Prompts().Warning(TPrompts::kSystemCaption, QStringLiteral("连接到EXCEL文件失败!"));
  }
}

bool TAccountBook::WorkbookRead(TImportResult result) const {
  // NotStarted was already reported by the reader.
  if (result == TImportResult::Failed)
    Prompts().Warning(TPrompts::kSystemCaption, QStringLiteral("连接到EXCEL文件失败!"));
  return result == TImportResult::Read;
}

QString RegisterFileFilter() {
  return QStringLiteral("*.txt;;*.xls;;所有文件 (*.*)");
}

QString WorkbookFileFilter() {
  return QStringLiteral("*.xls;;所有文件 (*.*)");
}
