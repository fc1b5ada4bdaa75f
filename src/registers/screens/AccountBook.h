#pragma once

#include "registers/screens/RegisterBook.h"

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

 public Q_SLOTS:
  virtual void btnAddClick() {}
  void btnDeleteClick();
  void btnClearClick();
  virtual void btnImportClick() = 0;
  virtual void btnExportClick() = 0;

 protected:
  TAccountBook(TDataMain& data, const QString& caption, const QString& heading, TTexts texts,
               QWidget* parent);

 private:
  TTexts texts_;
};
