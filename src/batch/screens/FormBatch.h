#pragma once

#include <QString>

#include "batch/documents/PayMoneyInfo.h"
#include "batch/screens/BatchContext.h"
#include "widgets/base/FormOriginal.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QSplitter;
class QStatusBar;
class TFailPanel;
class TFormDefMoney;
class TListModel;
class TMapleGrid;
struct TUploadVerdict;

// "批量制单": the open batch of transfer documents, its commands, and the
// submission to the bank with the list of rejected documents below it.
//
// The batch is the working copy "PayInfo.tmp": read when the screen is shown
// after it was closed (or for the first time), written when it closes, after
// "清空" and, through BeforeProgramExit, when the program ends.
class TFormBatch : public TFormOriginal {
  Q_OBJECT
 public:
  explicit TFormBatch(const TBatchContext& context, QWidget* parent = nullptr);
  ~TFormBatch() override;

  TBatch& Batch() { return batch_; }

  // Writes "PayInfo.tmp"; throws TFileError.
  void SaveWorkingCopy() const;
  // Saves unless the screen was never shown in this run, so that a stored
  // batch is never replaced by the empty start list.
  void BeforeProgramExit() override;

  // Repaints the list and updates the commands and the status bar.
  void Refresh();

  void btnNewClick();
  void btnEditClick();
  void btnDeleteClick();
  void btnClearClick();
  void btnFindClick();
  void btnFindNextClick();
  void btnExportClick();
  void btnExportExcelClick();
  void btnImportClick();
  void btnSubmitClick();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateControls();
  QPushButton* AddCommand(const QString& name, const QString& caption,
                          void (TFormBatch::*command)());
  TFormDefMoney& DefMoney();
  QString GridLayoutFile() const;
  void LoadWorkingCopy();
  void ImportText(const QString& path);
  void ImportWorkbook(const QString& path);
  // False when the clerk stops the import after a rejected line.
  bool AskContinueAfter(int lineNo);
  bool AskContinue(const QString& question);
  bool BatchFull();
  void ShowVerdict(const TUploadVerdict& verdict);
  void OpenFailedDocument(int seqNo);

  TBatchContext context_;
  TRegisterStore& registers_;
  TBatch batch_;
  bool shown_ = false;         // shown at least once in this run
  bool needsLoad_ = true;      // closed since the working copy was last read
  bool enterPressed_ = false;  // Enter went down in the list and is not up yet

  TListModel* model_ = nullptr;
  TMapleGrid* grid_ = nullptr;
  QSplitter* splitter_ = nullptr;
  TFailPanel* pnlFail_ = nullptr;
  QLineEdit* edtPassword_ = nullptr;
  QStatusBar* stbStatus_ = nullptr;
  QLabel* lblCount_ = nullptr;
  QLabel* lblSum_ = nullptr;
  QPushButton* btnNew_ = nullptr;
  QPushButton* btnEdit_ = nullptr;
  QPushButton* btnDelete_ = nullptr;
  QPushButton* btnClear_ = nullptr;
  QPushButton* btnExport_ = nullptr;
  QPushButton* btnExportExcel_ = nullptr;
  QPushButton* btnImport_ = nullptr;
  TFormDefMoney* defMoney_ = nullptr;
};
