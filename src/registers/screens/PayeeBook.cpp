#include "registers/screens/PayeeBook.h"

#include "platform/prompts/Prompts.h"
#include "registers/books/RegisterMerge.h"
#include "registers/screens/FormDefPayee.h"
#include "registers/screens/FormNotUpdated.h"
#include "shell/DataMain.h"

TfmPayeeBook::TfmPayeeBook(TDataMain& data, QWidget* parent)
    : TAccountBook(data, QStringLiteral("收款人名册"), QStringLiteral(" 收款账户名册"),
                   {QStringLiteral("是否要删除所选择的收款账户?"),
                    QStringLiteral("是否要清空所有收款账户？"), QStringLiteral("导出Excel")},
                   parent) {
  setObjectName(QStringLiteral("fmPayeeBook"));
  SetColumns(PayeeColumns());
  Refresh();
}

int TfmPayeeBook::EntryCount() const {
  return int(Data().Payees.Count());
}

QString TfmPayeeBook::EntryText(int col, int row) const {
  return PayeeCell(Data().Payees[row], col);
}

void TfmPayeeBook::RemoveEntries(int first, int last) {
  RemoveRange(Data().Payees, first, last);
}

void TfmPayeeBook::SaveEntries() const {
  Data().SaveList(Data().Payees, InfoConfigs::Payees());
}

void TfmPayeeBook::btnEditClick() {
  const int row = CurrentEntry();
  if (row < 0) return;
  if (!defPayee_) defPayee_ = new TFormDefPayee(Data(), this);
  if (defPayee_->Execute(Data().Payees[row], TFormDefPayee::TMode::Register)) SaveAndRefresh();
}

void TfmPayeeBook::btnImportClick() {
  const QString path = AskImportFile();
  if (path.isEmpty()) return;

  // Both readers leave out a payee repeating the account and name of an earlier one.
  TOwningList<TPayeeInfo> imported;
  if (IsWorkbookName(path)) {
    if (!WorkbookRead(ReadPayeesWorkbook(path, imported, Data()))) return;
  } else {
    TInfoConfig config = InfoConfigs::Payees();
    config.InParamDir = false;
    config.FileName = path;
    Data().MergePayees(imported, config);
  }
  if (imported.IsEmpty()) {
    Prompts().info(QStringLiteral("请检查"), QStringLiteral("该文件中没有找到收款账户信息!"));
    return;
  }

  TPayeeMerge merge = MergeImportedPayees(Data().Payees, std::move(imported));
  Data().Payees = std::move(merge.Register);
  if (!SaveAndRefresh()) return;
  Prompts().info(QStringLiteral("系统提示"), QStringLiteral("导入文件已成功！"));
  if (!merge.NotUpdated.IsEmpty())
    TFormNotUpdated::ShowPayees(merge.NotUpdated, false,
                                QStringLiteral("下列收款人信息在收款名册中已经存在，此次未更新"),
                                this);
}

void TfmPayeeBook::btnExportClick() {
  const QString path = AskExportFile(WorkbookFileFilter());
  if (path.isEmpty()) return;
  ExportWorkbook(Data().Payees.IsEmpty(),
                 [this, &path] { ExportPayeesWorkbook(Data().Payees, path, Data()); });
}
