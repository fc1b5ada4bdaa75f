#pragma once

#include <QString>

#include "certpay/records/UserInput.h"
#include "certpay/screens/CertPayContext.h"
#include "core/OwningList.h"
#include "widgets/base/FormOriginal.h"

class QLabel;
class QPushButton;
class TFormDefCertPay;
class TListModel;
class TMapleGrid;

// "中央财政批量支付文件制作": the documents of a central-finance payment file,
// entered through the document dialog or imported from a payment file or a
// workbook (up to 200 documents), written out as a payment file or a
// workbook. The list is the stored "CertPayInfo.xml", written again after
// every change, so no document entered is lost.
class TFormCertPay : public TFormOriginal {
  Q_OBJECT
 public:
  explicit TFormCertPay(const TCertPayContext& context, QWidget* parent = nullptr);
  ~TFormCertPay() override;

  const TOwningList<TUserInput>& Documents() const { return docs_; }

  // Saves again when the last save failed; what that throws reaches the caller.
  void BeforeProgramExit() override;

  void btnNewClick();
  void btnEditClick();
  void btnDeleteClick();
  void btnClearClick();
  void btnFindClick();
  void btnFindNextClick();
  void btnExportClick();
  void btnExportExcelClick();
  void btnImportClick();
  void btnSavePayeeClick();

 private:
  void CreateControls();
  // Repaints the list and updates the commands and the status bar.
  void Refresh();
  // Writes the documents to "CertPayInfo.xml", reporting a failure.
  void Save();
  TFormDefCertPay& DefCertPay();
  void Append(const TUserInput& doc);
  void ImportText(const QString& path);
  void ImportWorkbook(const QString& path);
  // Shows "已经到了200条,导入中止!" when the list is full.
  bool Full();
  // False when the clerk stops the import after a refused line or row.
  bool AskContinue(const QString& question);

  TCertPayContext context_;
  TOwningList<TUserInput> docs_;
  bool saveFailed_ = false;

  TListModel* model_ = nullptr;
  TMapleGrid* grid_ = nullptr;
  QLabel* lblCount_ = nullptr;
  QLabel* lblSum_ = nullptr;
  QPushButton* btnImport_ = nullptr;
  QList<QPushButton*> documentCommands_;  // enabled while there are documents
  TFormDefCertPay* defCertPay_ = nullptr;
};
