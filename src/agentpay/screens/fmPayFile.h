#pragma once

#include <QString>
#include <memory>

#include "agentpay/records/PayRecords.h"
#include "agentpay/screens/PayFileContext.h"
#include "agentpay/screens/TemplateUsers.h"
#include "widgets/base/FormOriginal.h"

class QLabel;
class QPushButton;
class TPayGrid;
class TPaySubmitPanel;
class TPayRowsModel;

// "浏览转化外部文件": a company's salary or collection list turned into the
// record lines the bank takes, through the active column template. The records
// are imported from a workbook or a text file, typed and changed in the grid,
// checked by "保存" and exported. The submission panel sits below the totals.
class TfmPayFile : public TFormOriginal, public TTemplateUsers {
  Q_OBJECT
 public:
  explicit TfmPayFile(const TPayFileContext& context, QWidget* parent = nullptr);
  ~TfmPayFile() override;

  TPayRecords& Records() { return records_; }
  bool IsEditing() const { return editing_; }
  // Nothing would be lost by closing: set after a text export, an import of
  // an agent-pay text file and a submission; "保存" clears it.
  bool IsExported() const { return exported_; }
  void SetExported(bool exported) { exported_ = exported; }
  TPaySubmitPanel& SubmitPanel() const { return *pnlSubmit_; }

  // The grid shows the records again; totals and commands follow.
  void ShowRecords();
  // Loads the active template as the pointer file names it, without a message.
  void LoadActiveTemplate();

  void btnNewClick();
  void btnModifyClick();
  void btnDeleteClick();
  void btnSaveClick();
  void btnTemplateClick();
  void btnOpenTemplateClick();
  void btnImportTextClick();
  void btnImportExcelClick();
  // False when nothing was written (nothing to export, cancelled, failed).
  bool btnExportClick();
  void btnFindClick();
  void btnFindNextClick();
  // "提交代发代扣": the committed record lines uploaded with the panel's
  // choice, and the bank's answer led on to the confirmation.
  void btnSubmitClick();

  // The program ends: records that would be lost are offered for export as
  // when the screen closes; throws when the clerk wanted them exported and
  // they were not.
  void BeforeProgramExit() override;

  // TTemplateUsers
  bool HoldsRecords() const override;
  void SaveRecords() override;
  void ClearRecords(bool endSign) override;
  void Activate(const TPayTemplate& payTemplate) override;

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void CreateControls();
  // Asks about records that leaving would lose and exports them on Yes; false
  // when they are to stay (the export was cancelled or failed).
  bool MayLeave();
  QPushButton* AddCommand(const char* name, const QString& caption, const QString& hint,
                          void (TfmPayFile::*command)());
  void SetEditing(bool editing);
  void UpdateCommands();
  void ShowTotals();
  void PickInterbankNumber(int row, int column);
  void ImportText(const QString& path);
  void ImportWorkbook(const QString& path);
  void AppendImported(const QStringList& lines);
  bool ExportText(const QString& path);
  bool ExportWorkbook(const QString& path);

  TPayFileContext context_;
  TPayRecords records_;
  std::unique_ptr<TPayRowsModel> model_;
  bool editing_ = false;
  bool exported_ = true;
  bool needsLoad_ = true;  // closed (or never shown) since the template was loaded

  TPayGrid* sgtemp_ = nullptr;
  QLabel* lblSum_ = nullptr;
  QLabel* lblCount_ = nullptr;
  TPaySubmitPanel* pnlSubmit_ = nullptr;
  QPushButton* btnNew_ = nullptr;
  QPushButton* btnModify_ = nullptr;
  QPushButton* btnDelete_ = nullptr;
  QPushButton* btnSave_ = nullptr;
  QList<QPushButton*> outsideEditCommands_;
};
