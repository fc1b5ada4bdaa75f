#pragma once

#include <QList>

#include "session/transport/ListRecords.h"
#include "statements/online/FlowLinkQuery.h"
#include "statements/printing/FormHisDealRepLink.h"
#include "statements/records/StatementTable.h"
#include "statements/screens/StatementOnlineContext.h"
#include "widgets/base/FormOriginal.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class TPartyPanel;
class TStatementGrid;

// "交易流水联机查询": the transfer documents the company submitted online, with
// their processing state, page by page from the bank; a successful document's
// electronic receipt fetched on a click, previewed or printed while the bank
// counts the prints; the result asked for as a spreadsheet.
class TfmDealBrowserFileLink : public TFormOriginal {
  Q_OBJECT
 public:
  explicit TfmDealBrowserFileLink(const TStatementOnlineContext& context,
                                  QWidget* parent = nullptr);
  ~TfmDealBrowserFileLink() override;

  StatementTable& Table() { return table_; }
  const TFlowSelItem& Query() const { return query_; }
  const TFormHisDealRepLink& Receipt() const { return receipt_; }

  void FormShow();
  void SpeedButtonQueryClick();
  void Button1Click();  // 上一页
  void Button2Click();  // 下一页
  void DBGrid1CellClick(int recNo);
  void SpeedButtonDownloadClick();
  void SpeedButtonPreviewClick();
  void SpeedButtonPrintClick();
  // istmpDate: the date check run on every key release in a date field.
  bool IsTmpDate(QLineEdit& field);

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void CreateControls();
  QWidget* CreateCriteria();
  QWidget* CreateReceiptPanel();
  void Reset();
  void LoadAccounts();
  void RunQuery();
  void ShowReceipt();
  void PrintReceipt(bool preview);

  TStatementOnlineContext context_;
  StatementTable table_;
  TFlowSelItem query_;
  QList<TACCItem> accounts_;
  TFormHisDealRepLink receipt_;
  QString receiptWorkflowId_;  // 流程业务标识 of the receipt's row
  bool needsReset_ = true;

  QGroupBox* grbSel_ = nullptr;
  QComboBox* cmbDateType_ = nullptr;
  QLineEdit* edtBeginDate_ = nullptr;
  QLineEdit* edtEndDate_ = nullptr;
  QComboBox* cmbDJTYPE_ = nullptr;
  QLineEdit* edtStartMoney_ = nullptr;
  QLineEdit* edtEndMoney_ = nullptr;
  QLineEdit* edtCreditNo_ = nullptr;
  QLineEdit* edtRevName_ = nullptr;
  QLineEdit* edtRevAcc_ = nullptr;
  QComboBox* cmbAcc_ = nullptr;
  QPushButton* button1_ = nullptr;
  QPushButton* button2_ = nullptr;
  TStatementGrid* grid_ = nullptr;
  QLabel* stxtCur_ = nullptr;
  QLabel* stxtDate_ = nullptr;
  QLabel* stxtCreditno_ = nullptr;
  TPartyPanel* payer_ = nullptr;
  TPartyPanel* payee_ = nullptr;
  QLabel* stxtDMoney_ = nullptr;
  QLabel* stxtMoney_ = nullptr;
  QLabel* stxtUseOf_ = nullptr;
  QLabel* stxtStatus_ = nullptr;
  QLabel* stxtCerCode_ = nullptr;
  QLabel* stxtMakOper_ = nullptr;
  QLabel* stxtChkOper_ = nullptr;
  QLabel* stxtAppOper_ = nullptr;
};
