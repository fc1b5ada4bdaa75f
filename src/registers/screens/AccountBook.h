#pragma once

#include <QString>
#include <functional>
#include <memory>

#include "core/OwningList.h"
#include "registers/books/RegisterWorkbook.h"
#include "registers/screens/RegisterContext.h"
#include "widgets/frames/RegisterBook.h"

class TFormDefPayee;
class TFormDefPayer;

// The account registers: the company's own accounts (payers), the receiving
// accounts the bank delivers (payees) and those the clerk keeps by hand (local
// payees).
enum class TAccountRegister { Payers, Payees, LocalPayees };

// What tells the screens of the account registers apart.
struct TAccountBookKind {
  TAccountRegister Register = TAccountRegister::Payers;
  QString ObjectName;
  QString Caption;
  QString Heading;
  QString DeleteQuestion;
  QString ClearQuestion;
  QString ExportCaption;
  QString NothingImported;    // a file to import holds none of the register's accounts
  QString NotUpdatedCaption;  // the list of accounts an import left as they were
};

TAccountBookKind PayerBookKind();
TAccountBookKind PayeeBookKind();
TAccountBookKind LocalPayeeBookKind();

// The screen of an account register, saved to its file after every change:
// "新增" (the local register only), "修改", "删除", "导入", the export,
// "查询", "查询下一个" and "清空".
class TAccountBook : public TRegisterBook {
  Q_OBJECT
 public:
  TAccountBook(TAccountBookKind kind, const TRegisterContext& context, QWidget* parent = nullptr);
  ~TAccountBook() override;

  void btnAddClick();
  void btnEditClick() override;
  void btnDeleteClick();
  void btnImportClick();
  void btnExportClick();
  void btnClearClick();

 protected:
  void RemoveEntries(int first, int last) override;
  void SaveEntries() const override;

 private:
  bool IsLocal() const { return kind_.Register == TAccountRegister::LocalPayees; }
  TInfoConfig File() const;
  // Runs command with the register's list.
  template <class Command>
  void WithList(Command command) const;

  template <class T>
  bool Edit(T& entry);
  template <class T>
  void Import(TOwningList<T>& list);
  template <class T>
  bool ReadImport(const QString& path, TOwningList<T>& imported);
  template <class T>
  void Export(const TOwningList<T>& list);

  TAccountBookKind kind_;
  TRegisterContext context_;
  std::unique_ptr<TListModel> model_;
  TFormDefPayer* defPayer_ = nullptr;
  TFormDefPayee* defPayee_ = nullptr;
};

// Filters of the file dialogs of the imports and exports.
QString RegisterFileFilter();
QString WorkbookFileFilter();
