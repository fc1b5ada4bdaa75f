#pragma once

#include "statements/printing/FormHisDetailRep.h"
#include "statements/records/StatementTable.h"
#include "statements/screens/StatementContext.h"
#include "widgets/base/FormOriginal.h"

class QLabel;
class TPartyPanel;
class TStatementGrid;
class TTotalsLine;

// "浏览交易明细": an account-detail file downloaded from the bank's site, read
// into the table, sorted and totalled; the clicked row as a voucher; the rows
// exported into a workbook; the vouchers of the selected rows previewed or
// printed.
class TfmDetailBrowserFile : public TFormOriginal {
  Q_OBJECT
 public:
  explicit TfmDetailBrowserFile(const TStatementContext& context, QWidget* parent = nullptr);
  ~TfmDetailBrowserFile() override;

  StatementTable& Table() { return table_; }
  const TFormHisDetailRep& Vouchers() const { return vouchers_; }

  void FlatButton1Click();  // 打开
  void FlatButton2Click();  // 导出Excel
  void FlatButton3Click();  // 预览
  void FlatButton4Click();  // 打印
  void DBGrid1CellClick(int recNo);
  void UpdateTotals();

 private:
  void CreateControls();
  QWidget* CreateVoucherPanel();
  // The vouchers of the selected rows; false, after telling the clerk, when
  // none is selected.
  bool PrepareVouchers();

  TStatementContext context_;
  StatementTable table_;
  TFormHisDetailRep vouchers_;
  QString accNo_;
  QString accName_;

  QLabel* lblAccName_ = nullptr;
  QLabel* lblAccNo_ = nullptr;
  TStatementGrid* grid_ = nullptr;
  QLabel* lblDate_ = nullptr;
  QLabel* lblVoucherNo_ = nullptr;
  TPartyPanel* payer_ = nullptr;
  TPartyPanel* payee_ = nullptr;
  QLabel* lblAmount_ = nullptr;
  QLabel* lblAmountInWords_ = nullptr;
  QLabel* lblSummary_ = nullptr;
  QLabel* lblRemark_ = nullptr;
  TTotalsLine* totals_ = nullptr;
};
