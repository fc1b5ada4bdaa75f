#pragma once

#include <functional>

#include "core/OwningList.h"
#include "registers/books/RegisterWorkbook.h"
#include "registers/screens/RegisterContext.h"
#include "widgets/frames/RegisterBook.h"

// The frame of the three account registers (payers, payees, local payees): the
// commands "修改", "删除", "导入", the export, "查询", "查询下一个" and "清空",
// after "新增" on a screen that has it, with the delete and clear questions.
class TAccountBook : public TRegisterBook {
  Q_OBJECT
 public:
  struct TTexts {
    QString DeleteQuestion;
    QString ClearQuestion;
    QString ExportCaption;
    bool WithAdd = false;  // the screen overrides btnAddClick
  };

  virtual void btnAddClick() {}
  void btnDeleteClick();
  void btnClearClick();
  virtual void btnImportClick() = 0;
  virtual void btnExportClick() = 0;

 protected:
  TAccountBook(const TRegisterContext& context, const QString& caption, const QString& heading,
               TTexts texts, QWidget* parent);

  const TRegisterContext& Context() const { return context_; }
  TRegisterStore& Registers() const { return context_.Registers; }

  // The file chosen to import from; empty when cancelled.
  QString AskImportFile() const;
  // The file chosen to export to; empty when cancelled.
  QString AskExportFile(const QString& filter) const;
  // Runs write unless the register is empty, reporting that and a failure of
  // the spreadsheet component.
  void ExportWorkbook(bool empty, const std::function<void()>& write) const;
  // After a workbook import: false, with the failure reported, unless it read.
  bool WorkbookRead(TImportResult result) const;

 private:
  TRegisterContext context_;
  TTexts texts_;
};

template <class T>
void RemoveRange(TOwningList<T>& list, int first, int last) {
  for (int i = last; i >= first; --i) list.Remove(i);
}

// Filters of the file dialogs of the imports and exports.
QString RegisterFileFilter();
QString WorkbookFileFilter();
