#pragma once

#include <QList>

#include "session/transport/ListRecords.h"
#include "statements/online/DetailLinkQuery.h"
#include "statements/printing/FormHisDetailRepLink.h"
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

// "账户明细联机查询": the transactions of one of the company's accounts over a
// date range, page by page from the bank, narrowed by amount, direction,
// counterpart and summary; the clicked row as an electronic receipt that is
// previewed or printed while the bank counts the prints; the whole result asked
// for as a spreadsheet.
class TfmDetailBrowserFileLink : public TFormOriginal {
  Q_OBJECT
 public:
  explicit TfmDetailBrowserFileLink(const TStatementOnlineContext& context,
                                    QWidget* parent = nullptr);
  ~TfmDetailBrowserFileLink() override;

  StatementTable& Table() { return table_; }
  const SelItem& Query() const { return query_; }
  const TFormHisDetailRepLink& Receipt() const { return receipt_; }

  // Criteria back to their start, the account list fetched again.
  void FormShow();
  void cmbAccChange();
  void SpeedButtonQueryClick();
  void Button1Click();  // 上一页
  void Button2Click();  // 下一页
  void DBGrid1CellClick(int recNo);
  void FlatButtonDownloadClick();
  void FlatButtonPreviewClick();
  void FlatButtonPrintClick();
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
  SelItem query_;
  QList<TACCItem> accounts_;
  TFormHisDetailRepLink receipt_;
  bool needsReset_ = true;  // closed (or never shown) since the last showing

  QComboBox* cmbAcc_ = nullptr;
  QGroupBox* grbSel_ = nullptr;
  QLineEdit* edtBeginDate_ = nullptr;
  QLineEdit* edtEndDate_ = nullptr;
  QLineEdit* edtStartMoney_ = nullptr;
  QLineEdit* edtEndMoney_ = nullptr;
  QComboBox* cmbDirection_ = nullptr;
  QLineEdit* edtRevName_ = nullptr;
  QLineEdit* edtRevAcc_ = nullptr;
  QLineEdit* edtReMark_ = nullptr;
  QPushButton* button1_ = nullptr;
  QPushButton* button2_ = nullptr;
  TStatementGrid* grid_ = nullptr;
  QLabel* stxtCur_ = nullptr;
  QLabel* stxtDate_ = nullptr;
  QLabel* stxtCreditno_ = nullptr;
  QLabel* stxtCerCode_ = nullptr;
  TPartyPanel* payer_ = nullptr;
  TPartyPanel* payee_ = nullptr;
  QLabel* stxtDMoney_ = nullptr;
  QLabel* stxtMoney_ = nullptr;
  QLabel* stxtUseOf_ = nullptr;
  QLabel* stxtStatus_ = nullptr;
  QLabel* stxtRemark_ = nullptr;
};
