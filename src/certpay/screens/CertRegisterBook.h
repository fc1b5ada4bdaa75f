#pragma once

#include <QString>
#include <memory>

#include "certpay/screens/CertPayContext.h"
#include "core/OwningList.h"
#include "widgets/frames/RegisterBook.h"

class TListModel;

// The central-finance registers: payers, payees and budget information.
enum class TCertRegister { Payers, Payees, AddInfos };

// What tells the screens of the central-finance registers apart.
struct TCertBookKind {
  TCertRegister Register = TCertRegister::Payers;
  QString ObjectName;
  QString Caption;
  QString DeleteQuestion;
  QString TextCaptionLine;  // the first line of the register's text file
};

TCertBookKind CertPayerBookKind();
TCertBookKind CertPayeeBookKind();
TCertBookKind CertAddInfoBookKind();

// The screen of a central-finance register, saved to its file after every
// change: "新增" (entry dialog; a duplicate is refused), "修改" (also a double
// click; "新增" on an empty register), "删除", "查询", "查询下一个", "导出"
// and "导入" of a text file or a workbook (.xls, .xlsx).
class TCertRegisterBook : public TRegisterBook {
  Q_OBJECT
 public:
  TCertRegisterBook(TCertBookKind kind, const TCertPayContext& context, QWidget* parent = nullptr);
  ~TCertRegisterBook() override;

  void btnAddClick();
  void btnEditClick() override;
  void btnDeleteClick();
  void btnExportClick();
  void btnImportClick();

 protected:
  void RemoveEntries(int first, int last) override;
  void SaveEntries() const override;

 private:
  // Runs command with the register's list.
  template <class Command>
  void WithList(Command command) const;
  template <class T>
  bool Edit(T& record);
  template <class T>
  void Add(TOwningList<T>& list);
  template <class T>
  void Export(const TOwningList<T>& list);
  template <class T>
  void Import(TOwningList<T>& list);
  template <class T>
  void ImportWorkbook(TOwningList<T>& list, const QString& path);
  template <class T>
  void ImportText(TOwningList<T>& list, const QString& path);
  // "导入第n行失败,继续吗?"; false when the clerk stops the import.
  bool AskContinueAfter(int lineNo);

  TCertBookKind kind_;
  TCertPayContext context_;
  std::unique_ptr<TListModel> model_;
};

// The filter of the register files' dialogs: text files and workbooks.
QString CertRegisterFileFilter();
