#include "registers/screens/fmpaylocalBook.h"

#include "platform/prompts/Prompts.h"
#include "registers/books/RegisterMerge.h"
#include "registers/screens/AccountColumns.h"
#include "registers/screens/FormDefPayee.h"
#include "registers/screens/FormNotUpdated.h"

TfmpaylocalBook::TfmpaylocalBook(const TRegisterContext& context, QWidget* parent)
    : TAccountBook(context, QStringLiteral("本地名册"), QStringLiteral(" 本地收款账户名册"),
                   {QStringLiteral("是否要删除所选择的本地收款账户?"),
                    QStringLiteral("是否要清空所有本地名册？"), QStringLiteral("导出"), true},
                   parent) {
  setObjectName(QStringLiteral("fmpaylocalBook"));
  SetColumns(PayeeColumns());
  Refresh();
}

int TfmpaylocalBook::EntryCount() const {
  return int(Registers().LocalPayees.Count());
}

QString TfmpaylocalBook::EntryText(int col, int row) const {
  return PayeeCell(Registers().LocalPayees[row], col);
}

void TfmpaylocalBook::RemoveEntries(int first, int last) {
  RemoveRange(Registers().LocalPayees, first, last);
}

void TfmpaylocalBook::SaveEntries() const {
  Registers().SaveList(Registers().LocalPayees, InfoConfigs::LocalPayees());
}

TFormDefPayee& TfmpaylocalBook::DefPayee() {
  if (!defPayee_) defPayee_ = new TFormDefPayee(Context(), this);
  return *defPayee_;
}

void TfmpaylocalBook::btnAddClick() {
  auto payee = std::make_unique<TPayeeInfo>();
  if (!DefPayee().Execute(*payee, TFormDefPayee::TMode::Local)) return;
  Registers().LocalPayees.Append(std::move(payee));
  SaveAndRefresh();
  MakeCurrent(EntryCount() - 1);
}

void TfmpaylocalBook::btnEditClick() {
  const int row = CurrentEntry();
  if (row < 0) return;
  if (DefPayee().Execute(Registers().LocalPayees[row], TFormDefPayee::TMode::Local))
    SaveAndRefresh();
}

void TfmpaylocalBook::btnImportClick() {
  const QString path = AskImportFile();
  if (path.isEmpty()) return;

  TOwningList<TPayeeInfo> imported;
  if (IsWorkbookName(path)) {
    if (!WorkbookRead(ReadPayeesWorkbook(path, imported, Context().StartSpreadsheet, Prompts())))
      return;
  } else {
    Registers().LoadList(imported, InfoConfigs::LocalPayees().At(path));
  }
  if (imported.IsEmpty()) {
    Prompts().Info(QStringLiteral("请检查"), QStringLiteral("该文件中没有找到本地收款账户信息!"));
    return;
  }

  // The question is asked with the registered entry current.
  const auto askReplace = [this](qsizetype row) {
    MakeCurrent(int(row));
    return Prompts().Message(QMessageBox::Question, TPrompts::kSystemCaption,
                             QStringLiteral("记录已经存在是否更新？"),
                             QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
  };
  TPayeeMerge merge = MergeImportedLocal(Registers().LocalPayees, std::move(imported),
                                         Registers().Payees, askReplace);
  Registers().LocalPayees = std::move(merge.Register);
  if (!SaveAndRefresh()) return;
  Prompts().Info(TPrompts::kSystemCaption, QStringLiteral("导入文件已成功！"));
  if (!merge.NotUpdated.IsEmpty())
    TFormNotUpdated::ShowPayees(Prompts(), merge.NotUpdated, true,
                                QStringLiteral("下列收款人信息在收款名册中已经存在，此次未更新"),
                                this);
}

void TfmpaylocalBook::btnExportClick() {
  const QString path = AskExportFile(RegisterFileFilter());
  if (path.isEmpty()) return;
  if (IsWorkbookName(path)) {
    ExportWorkbook(Registers().LocalPayees.IsEmpty(), [this, &path] {
      ExportPayeesWorkbook(Registers().LocalPayees, path, Context().StartSpreadsheet);
    });
    return;
  }
  SaveReported([this, &path] {
    Registers().SaveList(Registers().LocalPayees, InfoConfigs::LocalPayees().At(path));
  });
}
