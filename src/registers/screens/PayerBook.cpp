#include "registers/screens/PayerBook.h"

#include "platform/prompts/Prompts.h"
#include "registers/books/RegisterMerge.h"
#include "registers/screens/FormDefPayer.h"
#include "registers/screens/FormNotUpdated.h"
#include "shell/DataMain.h"

TfmPayerBook::TfmPayerBook(TDataMain& data, QWidget* parent)
    : TAccountBook(data, QStringLiteral("付款人名册"), QStringLiteral(" 付款账户名册"),
                   {QStringLiteral("是否要删除所选择的付款账户?"),
                    QStringLiteral("是否要清空所有付款账户？"), QStringLiteral("导出Excel")},
                   parent) {
  setObjectName(QStringLiteral("fmPayerBook"));
  SetColumns(PayerColumns());
  Refresh();
}

int TfmPayerBook::EntryCount() const {
  return int(Data().Payers.Count());
}

QString TfmPayerBook::EntryText(int col, int row) const {
  return PayerCell(Data().Payers[row], col);
}

void TfmPayerBook::RemoveEntries(int first, int last) {
  RemoveRange(Data().Payers, first, last);
}

void TfmPayerBook::SaveEntries() const {
  Data().SaveList(Data().Payers, InfoConfigs::Payers());
}

void TfmPayerBook::btnEditClick() {
  const int row = CurrentEntry();
  if (row < 0) return;
  if (!defPayer_) defPayer_ = new TFormDefPayer(Data(), this);
  if (defPayer_->Execute(Data().Payers[row])) SaveAndRefresh();
}

void TfmPayerBook::btnImportClick() {
  const QString path = AskImportFile();
  if (path.isEmpty()) return;

  TOwningList<TPayerInfo> imported;
  if (IsWorkbookName(path)) {
    if (!WorkbookRead(ReadPayersWorkbook(path, imported, Data()))) return;
  } else {
    TInfoConfig config = InfoConfigs::Payers();
    config.InParamDir = false;
    config.FileName = path;
    Data().LoadList(imported, config);
  }
  if (imported.IsEmpty()) {
    Prompts().info(QStringLiteral("请检查"), QStringLiteral("该文件中没有找到付款账户信息!"));
    return;
  }

  TPayerMerge merge = MergeImportedPayers(Data().Payers, std::move(imported));
  Data().Payers = std::move(merge.Register);
  if (!SaveAndRefresh()) return;
  Prompts().info(QStringLiteral("系统提示"), QStringLiteral("导入文件已成功！"));
  if (!merge.NotUpdated.IsEmpty())
    TFormNotUpdated::ShowPayers(
        merge.NotUpdated, QStringLiteral("下列付款人信息在付款名册中已经存在，此次未更新"), this);
}

void TfmPayerBook::btnExportClick() {
  const QString path = AskExportFile(WorkbookFileFilter());
  if (path.isEmpty()) return;
  ExportWorkbook(Data().Payers.IsEmpty(),
                 [this, &path] { ExportPayersWorkbook(Data().Payers, path, Data()); });
}
