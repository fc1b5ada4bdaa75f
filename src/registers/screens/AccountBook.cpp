#include "registers/screens/AccountBook.h"

TAccountBook::TAccountBook(TDataMain& data, const QString& caption, const QString& heading,
                           TTexts texts, QWidget* parent)
    : TRegisterBook(data, caption, heading, parent), texts_(std::move(texts)) {
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
