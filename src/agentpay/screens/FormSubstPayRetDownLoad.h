#pragma once

#include <QString>
#include <memory>

#include "agentpay/online/PayResults.h"
#include "agentpay/screens/PayFileContext.h"
#include "agentpay/screens/ResultDocsTable.h"
#include "widgets/base/FormOriginal.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TListModel;
class TMapleGrid;

// "代发代扣批量结果文件下载": the processed salary and collection documents
// looked up at the bank page by page under the clerk's conditions, a
// document's result file downloaded (all, successful or failed records), and a
// downloaded text result converted into a workbook.
class TFormSubstPayRetDownLoad : public TFormOriginal {
  Q_OBJECT
 public:
  explicit TFormSubstPayRetDownLoad(const TPayFileContext& context, QWidget* parent = nullptr);
  ~TFormSubstPayRetDownLoad() override;

  const TResultDocsTable& Table() const { return table_; }
  const TDFDKReqDate& Request() const { return request_; }

  // The conditions back to their defaults, the lists fetched again (after the
  // logon when nobody is logged on).
  void ShowAgain();

  void btnQueryClick();
  void btnPriorClick();
  void btnNextClick();
  void btnDownloadClick();
  void cmbQueryTypeChange();
  // "转换excel": a downloaded text result file cut at the separator into a
  // workbook beside it.
  void btnConvertClick();
  void btnSeparatorClick();
  const QString& Separator() const { return separator_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void CreateControls();
  QWidget* CreateConditions();
  void ResetConditions();
  void LoadLists();
  // Logs on when nobody is; after a logon the lists are fetched again and the
  // command stops there. True when the command may go on.
  bool SessionReady();
  void RunPageQuery();
  void ShowPage(const TPayResultPage& page);
  void UpdatePaging();
  void ShowDocs();
  bool IsN17() const;
  void DownloadN17(const TPayResultDoc& doc);
  void Download661(const TPayResultDoc& doc);

  TPayFileContext context_;
  TPayResultLists lists_;
  TDFDKReqDate request_;
  TResultDocsTable table_;
  std::unique_ptr<TListModel> model_;
  QString separator_ = QStringLiteral("|");  // of the conversion
  bool needsReset_ = true;                   // closed (or never shown) since the last showing

  QGroupBox* grpConditions_ = nullptr;
  QComboBox* cmbQueryType_ = nullptr;
  QComboBox* cmbState_ = nullptr;
  QLineEdit* edtStartDate_ = nullptr;
  QLineEdit* edtEndDate_ = nullptr;
  QLineEdit* edtLowAmount_ = nullptr;
  QLineEdit* edtHighAmount_ = nullptr;
  QComboBox* cmbAccount_ = nullptr;
  QLineEdit* edtCreditNo_ = nullptr;
  QLabel* lblEItem_ = nullptr;
  QComboBox* cmbEItem_ = nullptr;
  TMapleGrid* grdDocs_ = nullptr;
  QLabel* lblPage_ = nullptr;
  QPushButton* btnPrior_ = nullptr;
  QPushButton* btnNext_ = nullptr;
};
