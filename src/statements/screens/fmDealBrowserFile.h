#pragma once

#include "statements/printing/FormHisDetailRep.h"
#include "statements/records/StatementTable.h"
#include "statements/screens/StatementContext.h"
#include "widgets/base/FormOriginal.h"

class QLabel;
class TPartyPanel;
class TStatementGrid;
class TTotalsLine;

// "浏览转账流水": a transfer-flow file downloaded from the bank's site, read
// into the table, sorted and totalled; the clicked row as a voucher; the
// vouchers of the selected rows previewed or printed.
class TfmDealBrowserFile : public TFormOriginal {
  Q_OBJECT
 public:
  explicit TfmDealBrowserFile(const TStatementContext& context, QWidget* parent = nullptr);
  ~TfmDealBrowserFile() override;

  StatementTable& Table() { return table_; }
  const TFormHisDetailRep& Vouchers() const { return vouchers_; }

  void SpeedButton1Click();  // 打开
  void SpeedButton3Click();  // 预览
  void SpeedButton4Click();  // 打印
  void DBGrid2CellClick(int recNo);
  void UpdateTotals();

 private:
  void CreateControls();
  QWidget* CreateVoucherPanel();
  bool PrepareVouchers();

  TStatementContext context_;
  StatementTable table_;
  TFormHisDetailRep vouchers_;

  TStatementGrid* grid_ = nullptr;
  QLabel* lblCurrency_ = nullptr;
  QLabel* lblDate_ = nullptr;
  QLabel* lblVoucherNo_ = nullptr;
  QLabel* lblMaker_ = nullptr;
  QLabel* lblChecker_ = nullptr;
  QLabel* lblApprover_ = nullptr;
  TPartyPanel* payer_ = nullptr;
  TPartyPanel* payee_ = nullptr;
  QLabel* lblAmountInWords_ = nullptr;
  QLabel* lblAmount_ = nullptr;
  QLabel* lblPurpose_ = nullptr;
  QLabel* lblRemark1_ = nullptr;
  QLabel* lblRemark2_ = nullptr;
  QLabel* lblStatus_ = nullptr;
  TTotalsLine* totals_ = nullptr;
};
