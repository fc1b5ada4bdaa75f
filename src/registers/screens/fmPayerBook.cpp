#include "registers/screens/fmPayerBook.h"

#include "platform/prompts/Prompts.h"
#include "registers/books/RegisterMerge.h"
#include "registers/screens/AccountColumns.h"
#include "registers/screens/FormDefPayer.h"
#include "registers/screens/FormNotUpdated.h"

TfmPayerBook::TfmPayerBook(const TRegisterContext& context, QWidget* parent)
    : TAccountBook(context, QStringLiteral("付款人名册"), QStringLiteral(" 付款账户名册"),
                   {QStringLiteral("是否要删除所选择的付款账户?"),
                    QStringLiteral("是否要清空所有付款账户？"), QStringLiteral("导出Excel")},
                   parent) {
  setObjectName(QStringLiteral("fmPayerBook"));
  SetColumns(PayerColumns());
  Refresh();
}

int TfmPayerBook::EntryCount() const {
  return int(Registers().Payers.Count());
}

QString TfmPayerBook::EntryText(int col, int row) const {
  return PayerCell(Registers().Payers[row], col);
}

void TfmPayerBook::RemoveEntries(int first, int last) {
  RemoveRange(Registers().Payers, first, last);
}

void TfmPayerBook::SaveEntries() const {
  Registers().SaveList(Registers().Payers, InfoConfigs::Payers());
}

void TfmPayerBook::btnEditClick() {
  const int row = CurrentEntry();
  if (row < 0) return;
  if (!defPayer_) defPayer_ = new TFormDefPayer(Context(), this);
  if (defPayer_->Execute(Registers().Payers[row])) SaveAndRefresh();
}

void TfmPayerBook::btnImportClick() {
  const QString path = AskImportFile();
  if (path.isEmpty()) return;

  TOwningList<TPayerInfo> imported;
  if (IsWorkbookName(path)) {
    if (!WorkbookRead(ReadPayersWorkbook(path, imported, Context().StartSpreadsheet, Prompts())))
      return;
  } else {
    Registers().LoadList(imported, InfoConfigs::Payers().At(path));
  }
  if (imported.IsEmpty()) {
    Prompts().Info(QStringLiteral("请检查"), QStringLiteral("该文件中没有找到付款账户信息!"));
    return;
  }

  TPayerMerge merge = MergeImportedPayers(Registers().Payers, std::move(imported));
  Registers().Payers = std::move(merge.Register);
  if (!SaveAndRefresh()) return;
  Prompts().Info(TPrompts::kSystemCaption, QStringLiteral("导入文件已成功！"));
  if (!merge.NotUpdated.IsEmpty())
    TFormNotUpdated::ShowPayers(Prompts(), merge.NotUpdated,
                                QStringLiteral("下列付款人信息在付款名册中已经存在，此次未更新"),
                                this);
}

void TfmPayerBook::btnExportClick() {
  const QString path = AskExportFile(WorkbookFileFilter());
  if (path.isEmpty()) return;
  ExportWorkbook(Registers().Payers.IsEmpty(), [this, &path] {
    ExportPayersWorkbook(Registers().Payers, path, Context().StartSpreadsheet);
  });
}
