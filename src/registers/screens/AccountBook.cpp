#include "registers/screens/AccountBook.h"

#include <type_traits>

#include "core/TextHelpers.h"
#include "platform/prompts/Prompts.h"
#include "registers/books/RegisterMerge.h"
#include "registers/screens/AccountColumns.h"
#include "registers/screens/FormDefPayee.h"
#include "registers/screens/FormDefPayer.h"
#include "registers/screens/FormNotUpdated.h"
#include "widgets/grid/ListModel.h"

namespace {

template <class T>
constexpr bool kIsPayer = std::is_same_v<T, TPayerInfo>;

template <class T>
std::unique_ptr<TListModel> MakeModel(const TOwningList<T>& list) {
  if constexpr (kIsPayer<T>)
    return std::make_unique<TRecordListModel<TOwningList<T>>>(list, PayerColumns(), &PayerCell,
                                                              true);
  else
    return std::make_unique<TRecordListModel<TOwningList<T>>>(list, PayeeColumns(), &PayeeCell,
                                                              true);
}

TImportResult ReadWorkbook(const QString& path, TOwningList<TPayerInfo>& out,
                           const TRegisterContext& context) {
  return ReadPayersWorkbook(path, out, context.StartSpreadsheet, context.Screen.Prompts);
}

TImportResult ReadWorkbook(const QString& path, TOwningList<TPayeeInfo>& out,
                           const TRegisterContext& context) {
  return ReadPayeesWorkbook(path, out, context.StartSpreadsheet, context.Screen.Prompts);
}

void WriteWorkbook(const TOwningList<TPayerInfo>& list, const QString& path,
                   const TRegisterContext& context) {
  ExportPayersWorkbook(list, path, context.StartSpreadsheet);
}

void WriteWorkbook(const TOwningList<TPayeeInfo>& list, const QString& path,
                   const TRegisterContext& context) {
  ExportPayeesWorkbook(list, path, context.StartSpreadsheet);
}

}  // namespace

TAccountBookKind PayerBookKind() {
  return {TAccountRegister::Payers,
          QStringLiteral("fmPayerBook"),
          QStringLiteral("付款人名册"),
          QStringLiteral(" 付款账户名册"),
          QStringLiteral("是否要删除所选择的付款账户?"),
          QStringLiteral("是否要清空所有付款账户？"),
          QStringLiteral("导出Excel"),
          QStringLiteral("该文件中没有找到付款账户信息!"),
          QStringLiteral("下列付款人信息在付款名册中已经存在，此次未更新")};
}

TAccountBookKind PayeeBookKind() {
  return {TAccountRegister::Payees,
          QStringLiteral("fmPayeeBook"),
          QStringLiteral("收款人名册"),
          QStringLiteral(" 收款账户名册"),
          QStringLiteral("是否要删除所选择的收款账户?"),
          QStringLiteral("是否要清空所有收款账户？"),
          QStringLiteral("导出Excel"),
          QStringLiteral("该文件中没有找到收款账户信息!"),
          QStringLiteral("下列收款人信息在收款名册中已经存在，此次未更新")};
}

TAccountBookKind LocalPayeeBookKind() {
  return {TAccountRegister::LocalPayees,
          QStringLiteral("fmpaylocalBook"),
          QStringLiteral("本地名册"),
          QStringLiteral(" 本地收款账户名册"),
          QStringLiteral("是否要删除所选择的本地收款账户?"),
          QStringLiteral("是否要清空所有本地名册？"),
          QStringLiteral("导出"),
          QStringLiteral("该文件中没有找到本地收款账户信息!"),
          QStringLiteral("下列收款人信息在收款名册中已经存在，此次未更新")};
}

TAccountBook::TAccountBook(TAccountBookKind kind, const TRegisterContext& context, QWidget* parent)
    : TRegisterBook(context.Screen, kind.Caption, kind.Heading, parent),
      kind_(std::move(kind)),
      context_(context) {
  setObjectName(kind_.ObjectName);
  if (IsLocal())
    AddCommand(
        QStringLiteral("btnAdd"), QStringLiteral("新增"), [this] { btnAddClick(); }, true);
  AddCommand(QStringLiteral("btnEdit"), QStringLiteral("修改"), [this] { btnEditClick(); });
  AddCommand(QStringLiteral("btnDelete"), QStringLiteral("删除"), [this] { btnDeleteClick(); });
  AddCommand(
      QStringLiteral("btnImport"), QStringLiteral("导入"), [this] { btnImportClick(); }, true);
  AddCommand(QStringLiteral("btnExport"), kind_.ExportCaption, [this] { btnExportClick(); });
  AddCommand(QStringLiteral("btnFind"), QStringLiteral("查询"), [this] { btnFindClick(); });
  AddCommand(QStringLiteral("btnFindNext"), QStringLiteral("查询下一个"),
             [this] { btnFindNextClick(); });
  AddCommand(QStringLiteral("btnClear"), QStringLiteral("清空"), [this] { btnClearClick(); });
  WithList([this](const auto& list) { model_ = MakeModel(list); });
  SetModel(model_.get());
  Refresh();
}

TAccountBook::~TAccountBook() {
  // The grid lets go of the model before the model goes.
  SetModel(nullptr);
}

template <class Command>
void TAccountBook::WithList(Command command) const {
  TRegisterStore& registers = context_.Registers;
  switch (kind_.Register) {
    case TAccountRegister::Payers:
      command(registers.Payers);
      return;
    case TAccountRegister::Payees:
      command(registers.Payees);
      return;
    case TAccountRegister::LocalPayees:
      command(registers.LocalPayees);
      return;
  }
}

TInfoConfig TAccountBook::File() const {
  switch (kind_.Register) {
    case TAccountRegister::Payers:
      return info_configs::Payers();
    case TAccountRegister::Payees:
      return info_configs::Payees();
    case TAccountRegister::LocalPayees:
      break;
  }
  return info_configs::LocalPayees();
}

void TAccountBook::RemoveEntries(int first, int last) {
  WithList([first, last](auto& list) {
    for (int i = last; i >= first; --i) list.Remove(i);
  });
}

void TAccountBook::SaveEntries() const {
  WithList([this](const auto& list) { context_.Registers.SaveList(list, File()); });
}

void TAccountBook::btnDeleteClick() {
  DeleteEntries(kind_.DeleteQuestion, false);
}

void TAccountBook::btnClearClick() {
  DeleteEntries(kind_.ClearQuestion, true);
}

void TAccountBook::btnAddClick() {
  if (!IsLocal()) return;
  auto payee = std::make_unique<TPayeeInfo>();
  if (!Edit(*payee)) return;
  context_.Registers.LocalPayees.Append(std::move(payee));
  SaveAndRefresh();
  MakeCurrent(EntryCount() - 1);
}

void TAccountBook::btnEditClick() {
  const int row = CurrentEntry();
  if (row < 0) return;
  WithList([this, row](auto& list) {
    if (Edit(list[row])) SaveAndRefresh();
  });
}

template <class T>
bool TAccountBook::Edit(T& entry) {
  if constexpr (kIsPayer<T>) {
    if (!defPayer_) defPayer_ = new TFormDefPayer(context_, this);
    return defPayer_->Execute(entry);
  } else {
    if (!defPayee_) defPayee_ = new TFormDefPayee(context_, this);
    return defPayee_->Execute(
        entry, IsLocal() ? TFormDefPayee::TMode::Local : TFormDefPayee::TMode::Register);
  }
}

void TAccountBook::btnImportClick() {
  WithList([this](auto& list) { Import(list); });
}

template <class T>
bool TAccountBook::ReadImport(const QString& path, TOwningList<T>& imported) {
  if (IsWorkbookName(path)) {
    const TImportResult result = ReadWorkbook(path, imported, context_);
    // NotStarted and Reported were told by the reader.
    if (result == TImportResult::Failed)
      Prompts().Warning(TPrompts::kSystemCaption, QStringLiteral("连接到EXCEL文件失败!"));
    return result == TImportResult::Read;
  }
  // Both readers of the payee register leave out a payee repeating the account
  // and name of an earlier one.
  if constexpr (!kIsPayer<T>) {
    if (kind_.Register == TAccountRegister::Payees) {
      context_.Registers.MergePayees(imported, File().At(path));
      return true;
    }
  }
  context_.Registers.LoadList(imported, File().At(path));
  return true;
}

template <class T>
void TAccountBook::Import(TOwningList<T>& list) {
  const QString path =
      Prompts().OpenFileOfKind(TFileKind::Registers, QStringLiteral("打开"), RegisterFileFilter());
  if (path.isEmpty()) return;
  TOwningList<T> imported;
  if (!ReadImport(path, imported)) return;
  if (imported.IsEmpty()) {
    Prompts().Info(QStringLiteral("请检查"), kind_.NothingImported);
    return;
  }

  TOwningList<T> notUpdated;
  if constexpr (kIsPayer<T>) {
    TPayerMerge merge = MergeImportedPayers(list, std::move(imported));
    list = std::move(merge.Register);
    notUpdated = std::move(merge.NotUpdated);
  } else if (IsLocal()) {
    // The question is asked with the registered entry current.
    const auto askReplace = [this](qsizetype row) {
      MakeCurrent(int(row));
      return Prompts().Message(QMessageBox::Question, TPrompts::kSystemCaption,
                               QStringLiteral("记录已经存在是否更新？"),
                               QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
    };
    TPayeeMerge merge =
        MergeImportedLocal(list, std::move(imported), context_.Registers.Payees, askReplace);
    list = std::move(merge.Register);
    notUpdated = std::move(merge.NotUpdated);
  } else {
    TPayeeMerge merge = MergeImportedPayees(list, std::move(imported));
    list = std::move(merge.Register);
    notUpdated = std::move(merge.NotUpdated);
  }
  if (!SaveAndRefresh()) return;
  Prompts().Info(TPrompts::kSystemCaption, QStringLiteral("导入文件已成功！"));
  if (notUpdated.IsEmpty()) return;
  if constexpr (kIsPayer<T>)
    TFormNotUpdated::ShowPayers(Prompts(), notUpdated, kind_.NotUpdatedCaption, this);
  else
    TFormNotUpdated::ShowPayees(Prompts(), notUpdated, IsLocal(), kind_.NotUpdatedCaption, this);
}

void TAccountBook::btnExportClick() {
  WithList([this](const auto& list) { Export(list); });
}

template <class T>
void TAccountBook::Export(const TOwningList<T>& list) {
  const QString path =
      Prompts().SaveFileOfKind(TFileKind::Registers, QStringLiteral("保存"),
                               IsLocal() ? RegisterFileFilter() : WorkbookFileFilter());
  if (path.isEmpty()) return;
  if (IsLocal() && !IsWorkbookName(path)) {
    if (SaveReported([this, &list, &path] { context_.Registers.SaveList(list, File().At(path)); }))
      Prompts().ShowStatus(ExportedNote(list.Count()));
    return;
  }
  if (list.IsEmpty()) {
    Prompts().Warning(TPrompts::kSystemCaption,
                      QStringLiteral("当前没有数据可以导出,请先更新数据!"));
    return;
  }
  try {
    WriteWorkbook(list, path, context_);
    Prompts().ShowStatus(ExportedNote(list.Count()));
  } catch (const TSpreadsheetError&) {
    Prompts().Warning(TPrompts::kSystemCaption, QStringLiteral("连接到EXCEL文件失败!"));
  }
}

QString RegisterFileFilter() {
  return QStringLiteral("*.txt;;*.xls *.xlsx;;所有文件 (*.*)");
}

QString WorkbookFileFilter() {
  return QStringLiteral("*.xls *.xlsx;;所有文件 (*.*)");
}
