#include "registers/screens/fmPayeeBook.h"

#include "platform/prompts/Prompts.h"
#include "registers/books/RegisterMerge.h"
#include "registers/screens/AccountColumns.h"
#include "registers/screens/FormDefPayee.h"
#include "registers/screens/FormNotUpdated.h"

TfmPayeeBook::TfmPayeeBook(const TRegisterContext& context, QWidget* parent)
    : TAccountBook(context, QStringLiteral("收款人名册"), QStringLiteral(" 收款账户名册"),
                   {QStringLiteral("是否要删除所选择的收款账户?"),
                    QStringLiteral("是否要清空所有收款账户？"), QStringLiteral("导出Excel")},
                   parent) {
  setObjectName(QStringLiteral("fmPayeeBook"));
  SetColumns(PayeeColumns());
  Refresh();
}

int TfmPayeeBook::EntryCount() const {
  return int(Registers().Payees.Count());
}

QString TfmPayeeBook::EntryText(int col, int row) const {
  return PayeeCell(Registers().Payees[row], col);
}

void TfmPayeeBook::RemoveEntries(int first, int last) {
  RemoveRange(Registers().Payees, first, last);
}

void TfmPayeeBook::SaveEntries() const {
  Registers().SaveList(Registers().Payees, InfoConfigs::Payees());
}

void TfmPayeeBook::btnEditClick() {
  const int row = CurrentEntry();
  if (row < 0) return;
  if (!defPayee_) defPayee_ = new TFormDefPayee(Context(), this);
  if (defPayee_->Execute(Registers().Payees[row], TFormDefPayee::TMode::Register)) SaveAndRefresh();
}

void TfmPayeeBook::btnImportClick() {
  const QString path = AskImportFile();
  if (path.isEmpty()) return;

  // Both readers leave out a payee repeating the account and name of an earlier one.
  TOwningList<TPayeeInfo> imported;
  if (IsWorkbookName(path)) {
    if (!WorkbookRead(ReadPayeesWorkbook(path, imported, Context().StartSpreadsheet, Prompts())))
      return;
  } else {
    Registers().MergePayees(imported, InfoConfigs::Payees().At(path));
  }
  if (imported.IsEmpty()) {
    Prompts().Info(QStringLiteral("请检查"), QStringLiteral("该文件中没有找到收款账户信息!"));
    return;
  }

  TPayeeMerge merge = MergeImportedPayees(Registers().Payees, std::move(imported));
  Registers().Payees = std::move(merge.Register);
  if (!SaveAndRefresh()) return;
  Prompts().Info(TPrompts::kSystemCaption, QStringLiteral("导入文件已成功！"));
  if (!merge.NotUpdated.IsEmpty())
    TFormNotUpdated::ShowPayees(Prompts(), merge.NotUpdated, false,
                                QStringLiteral("下列收款人信息在收款名册中已经存在，此次未更新"),
                                this);
}

void TfmPayeeBook::btnExportClick() {
  const QString path = AskExportFile(WorkbookFileFilter());
  if (path.isEmpty()) return;
  ExportWorkbook(Registers().Payees.IsEmpty(), [this, &path] {
    ExportPayeesWorkbook(Registers().Payees, path, Context().StartSpreadsheet);
  });
}
