#include "certpay/screens/CertRegisterBook.h"

#include <QAbstractItemView>

#include "certpay/books/CertRegisterBooks.h"
#include "certpay/books/ImportLines.h"
#include "certpay/records/CertRegisterLine.h"
#include "certpay/screens/CertColumns.h"
#include "certpay/screens/CertFileCommands.h"
#include "certpay/screens/FormCreateCertPayAddInfo.h"
#include "certpay/screens/FormCreateCertPayee.h"
#include "certpay/screens/FormCreateCertPayer.h"
#include "platform/prompts/Prompts.h"
#include "registers/books/RegisterWorkbook.h"
#include "widgets/base/CommandGuard.h"
#include "widgets/grid/ListModel.h"

namespace {

using TPayerModel = TRecordListModel<TOwningList<TCertPayer>>;
using TPayeeModel = TRecordListModel<TOwningList<TCertPayee>>;
using TAddInfoModel = TRecordListModel<TOwningList<TCertAddInfo>>;

// What differs between the three registers, by the list's record type.
QList<TColumnDef> Columns(const TOwningList<TCertPayer>&) {
  return CertPayerColumns();
}
QList<TColumnDef> Columns(const TOwningList<TCertPayee>&) {
  return CertPayeeColumns();
}
QList<TColumnDef> Columns(const TOwningList<TCertAddInfo>&) {
  return CertAddInfoColumns();
}

std::unique_ptr<TListModel> MakeModel(const TOwningList<TCertPayer>& list) {
  return std::make_unique<TPayerModel>(list, CertPayerColumns(), &CertPayerCell, true);
}
std::unique_ptr<TListModel> MakeModel(const TOwningList<TCertPayee>& list) {
  return std::make_unique<TPayeeModel>(
      list, CertPayeeColumns(),
      [](const TCertPayee& payee, int col) { return CertPayeeCell(payee, col, true); }, true);
}
std::unique_ptr<TListModel> MakeModel(const TOwningList<TCertAddInfo>& list) {
  return std::make_unique<TAddInfoModel>(list, CertAddInfoColumns(), &CertAddInfoCell, true);
}

TInfoConfig File(const TOwningList<TCertPayer>&) {
  return info_configs::CertPayers();
}
TInfoConfig File(const TOwningList<TCertPayee>&) {
  return info_configs::CertPayees();
}
TInfoConfig File(const TOwningList<TCertAddInfo>&) {
  return info_configs::CertAddInfos();
}

bool AddIfNew(TOwningList<TCertPayer>& list, std::unique_ptr<TCertPayer>& record) {
  return TCertPayStore::AddCertPayer(list, record);
}
bool AddIfNew(TOwningList<TCertPayee>& list, std::unique_ptr<TCertPayee>& record) {
  return TCertPayStore::AddCertPayee(list, record);
}
bool AddIfNew(TOwningList<TCertAddInfo>& list, std::unique_ptr<TCertAddInfo>& record) {
  return TCertPayStore::AddCertAddInfo(list, record);
}

}  // namespace

TCertBookKind CertPayerBookKind() {
  return {TCertRegister::Payers, QStringLiteral("FormCertPayerBook"),
          QStringLiteral("中央财政支付付款人名册"), QStringLiteral("是否要删除所选择的付款账户？"),
          QStringLiteral("付款人账号|付款账户名称|付款账户开户行名称")};
}

TCertBookKind CertPayeeBookKind() {
  return {TCertRegister::Payees, QStringLiteral("FormCertPayeeBook"),
          QStringLiteral("中央财政支付收款人名册"), QStringLiteral("是否要删除所选择的收款账户？"),
          QStringLiteral("收款账号|收款账户名称|收款账号开户行名称|他行人行联行号|"
                         "收款账号是否他行标识|对公对私标志")};
}

TCertBookKind CertAddInfoBookKind() {
  return {TCertRegister::AddInfos, QStringLiteral("FormCertPayAddInfo"),
          QStringLiteral("中央财政支付附加信息"), QStringLiteral("是否要删除所选择的附加信息？"),
          QStringLiteral("预算管理|功能分类|经济分类|支出类型|预算来源|关联号")};
}

TCertRegisterBook::TCertRegisterBook(TCertBookKind kind, const TCertPayContext& context,
                                     QWidget* parent)
    : TRegisterBook(context.Screen, kind.Caption, u' ' + kind.Caption, parent),
      kind_(std::move(kind)),
      context_(context) {
  setObjectName(kind_.ObjectName);
  AddCommand(
      QStringLiteral("btnAdd"), QStringLiteral("新增"), [this] { btnAddClick(); }, true);
  AddCommand(QStringLiteral("btnEdit"), QStringLiteral("修改"), [this] { btnEditClick(); });
  AddCommand(QStringLiteral("btnDelete"), QStringLiteral("删除"), [this] { btnDeleteClick(); });
  AddCommand(
      QStringLiteral("btnFind"), QStringLiteral("查询"), [this] { btnFindClick(); }, true);
  AddCommand(
      QStringLiteral("btnFindNext"), QStringLiteral("查询下一个"), [this] { btnFindNextClick(); },
      true);
  // Only the payees are exported from a register that holds entries.
  AddCommand(
      QStringLiteral("btnExport"), QStringLiteral("导出"), [this] { btnExportClick(); },
      kind_.Register != TCertRegister::Payees);
  AddCommand(
      QStringLiteral("btnImport"), QStringLiteral("导入"), [this] { btnImportClick(); }, true);
  WithList([this](const auto& list) { model_ = MakeModel(list); });
  SetModel(model_.get());
  // The grid's double click reaches btnEditClick for its entries only.
  connect(&Grid(), &QAbstractItemView::doubleClicked, this, Guarded(Prompts(), [this] {
    if (EntryCount() == 0) btnAddClick();
  }));
  Refresh();
}

TCertRegisterBook::~TCertRegisterBook() {
  // The grid lets go of the model before the model goes.
  SetModel(nullptr);
}

template <class Command>
void TCertRegisterBook::WithList(Command command) const {
  TCertPayStore& store = context_.CertPay;
  switch (kind_.Register) {
    case TCertRegister::Payers:
      command(store.CertPayers);
      return;
    case TCertRegister::Payees:
      command(store.CertPayees);
      return;
    case TCertRegister::AddInfos:
      command(store.CertAddInfos);
      return;
  }
}

void TCertRegisterBook::RemoveEntries(int first, int last) {
  WithList([first, last](auto& list) {
    for (int i = last; i >= first; --i) list.Remove(i);
  });
}

void TCertRegisterBook::SaveEntries() const {
  WithList([this](const auto& list) { context_.CertPay.SaveList(list, File(list)); });
}

template <class T>
bool TCertRegisterBook::Edit(T& record) {
  if constexpr (std::is_same_v<T, TCertPayer>) {
    TFormCreateCertPayer form(Prompts(), this);
    return form.Execute(record);
  } else if constexpr (std::is_same_v<T, TCertPayee>) {
    TFormCreateCertPayee form(Prompts(), context_.ParamDir, this);
    return form.Execute(record);
  } else {
    TFormCreateCertPayAddInfo form(Prompts(), this);
    return form.Execute(record);
  }
}

void TCertRegisterBook::btnAddClick() {
  WithList([this](auto& list) { Add(list); });
}

template <class T>
void TCertRegisterBook::Add(TOwningList<T>& list) {
  auto record = std::make_unique<T>();
  if (!Edit(*record)) return;
  if (!AddIfNew(list, record)) {
    Prompts().Warning(TPrompts::kSystemCaption, QStringLiteral("重复记录不能增加"));
    return;
  }
  SaveAndRefresh();
  MakeCurrent(EntryCount() - 1);
}

void TCertRegisterBook::btnEditClick() {
  const int row = CurrentEntry();
  if (row < 0) {
    btnAddClick();
    return;
  }
  // The file is written again even when the dialog is cancelled.
  WithList([this, row](auto& list) { Edit(list[row]); });
  SaveAndRefresh();
  MakeCurrent(row);
}

void TCertRegisterBook::btnDeleteClick() {
  DeleteEntries(kind_.DeleteQuestion, false);
}

void TCertRegisterBook::btnExportClick() {
  WithList([this](const auto& list) { Export(list); });
}

template <class T>
void TCertRegisterBook::Export(const TOwningList<T>& list) {
  if (list.IsEmpty()) {
    Prompts().Warning(TPrompts::kSystemCaption,
                      QStringLiteral("当前没有数据可以导出,请先更新数据!"));
    return;
  }
  const QString path = Prompts().SaveFileOfKind(TFileKind::Registers, QStringLiteral("保存"),
                                                CertRegisterFileFilter());
  if (path.isEmpty()) return;
  if (IsWorkbookName(path)) {
    const QStringList captions = DataColumnTitles(Columns(list));
    if (!ExportWorkbook(path, context_.StartSpreadsheet, Prompts(),
                        [&](TWorksheet& sheet) { WriteCertRegisterSheet(list, captions, sheet); }))
      return;
  } else if (!ExportTextFile(path, CertRegisterText(list, kind_.TextCaptionLine), Prompts())) {
    return;
  }
  TellExported(Prompts());
}

void TCertRegisterBook::btnImportClick() {
  WithList([this](auto& list) { Import(list); });
}

template <class T>
void TCertRegisterBook::Import(TOwningList<T>& list) {
  const QString path = Prompts().OpenFileOfKind(TFileKind::Registers, QStringLiteral("打开"),
                                                CertRegisterFileFilter());
  if (path.isEmpty()) return;
  if (IsWorkbookName(path))
    ImportWorkbook(list, path);
  else
    ImportText(list, path);
}

bool TCertRegisterBook::AskContinueAfter(int lineNo) {
  return Prompts().Message(QMessageBox::Question, windowTitle(),
                           QStringLiteral("导入第%1行失败,继续吗?").arg(lineNo),
                           QMessageBox::Ok | QMessageBox::Cancel) == QMessageBox::Ok;
}

template <class T>
void TCertRegisterBook::ImportWorkbook(TOwningList<T>& list, const QString& path) {
  const std::unique_ptr<TWorkbook> book =
      OpenImportWorkbook(path, context_.StartSpreadsheet, Prompts());
  if (!book) return;
  QList<TCertSheetRow<T>> rows;
  try {
    rows = ReadCertRegisterSheet<T>(book->Worksheet(1));
  } catch (const TSpreadsheetCellError& e) {
    Prompts().Error(TPrompts::kErrorCaption, e.Message());
    return;
  } catch (const TSpreadsheetError&) {
    Prompts().Warning(TPrompts::kSystemCaption, QStringLiteral("连接到EXCEL文件失败!"));
    return;
  }
  for (TCertSheetRow<T>& row : rows) {
    if (!row.Record) {
      if (!AskContinueAfter(row.Row)) break;
      continue;
    }
    auto record = std::make_unique<T>(std::move(*row.Record));
    AddIfNew(list, record);
  }
  if (SaveAndRefresh()) Prompts().Info(TPrompts::kSystemCaption, QStringLiteral("导入完成！"));
}

template <class T>
void TCertRegisterBook::ImportText(TOwningList<T>& list, const QString& path) {
  const std::optional<QByteArray> bytes = ReadImportFile(path, Prompts());
  if (!bytes) return;
  // The caption line is line 1.
  const QStringList lines = ImportLines(*bytes, 1);
  for (qsizetype i = 0; i < lines.size(); ++i) {
    std::optional<T> read = ReadCertRegisterLine<T>(lines[i]);
    if (!read) {
      if (!AskContinueAfter(int(i) + 2)) break;
      continue;
    }
    auto record = std::make_unique<T>(std::move(*read));
    AddIfNew(list, record);
  }
  if (SaveAndRefresh()) Prompts().Info(TPrompts::kSystemCaption, QStringLiteral("导入完成！"));
}

QString CertRegisterFileFilter() {
  return QStringLiteral("*.txt;;*.xls;;*.xlsx");
}
