#include "statements/offline/FileVouchers.h"

#include "core/TextHelpers.h"
#include "statements/printing/VoucherDate.h"
#include "statements/records/StatementTable.h"

namespace {

// The fields of one record read by name.
class TRecordFields {
 public:
  TRecordFields(const StatementTable& table, int recNo) : table_(table), recNo_(recNo) {}
  QString operator()(const char* field) const {
    return table_.Text(recNo_, QString::fromUtf8(field));
  }

 private:
  const StatementTable& table_;
  int recNo_;
};

TPartyBlock OwnParty(const TRecordFields& field) {
  return {field("本方帐户名称"), field("本方帐号"), field("本方帐户开户行名称")};
}

TPartyBlock Counterpart(const TRecordFields& field) {
  return {field("对方账户名称"), field("对方帐号"), field("对方开户行名称")};
}

QString Words(const QString& amount) {
  return AmountInWords(amount.trimmed());
}

}  // namespace

TDetailFilePanel DetailFilePanelOf(const StatementTable& table, int recNo) {
  const TRecordFields field(table, recNo);
  TDetailFilePanel panel;
  panel.Date = field("日期");
  panel.VoucherNo = field("凭证号");
  panel.Amount = field("借(贷)方发生额");
  panel.AmountInWords = Words(panel.Amount);
  panel.Summary = field("用途");
  panel.Remark = field("备注1");
  const QString side = field("借贷标志").trimmed();
  if (side == u"贷方") {
    panel.Payer = Counterpart(field);
    panel.Payee = OwnParty(field);
  } else if (side == u"借方") {
    panel.Payer = OwnParty(field);
    panel.Payee = Counterpart(field);
  }
  return panel;
}

TFlowFilePanel FlowFilePanelOf(const StatementTable& table, int recNo) {
  const TRecordFields field(table, recNo);
  TFlowFilePanel panel;
  panel.Currency = field("币种");
  panel.Date = field("制单时间");
  panel.VoucherNo = field("凭证号");
  panel.Maker = field("制单员");
  panel.Checker = field("复核员");
  panel.Approver = field("主管");
  panel.Payer = {field("付款人名称"), field("付款人账号"), field("付款账户开户行全称")};
  panel.Payee = {field("收款人帐户名称"), field("收款人账号"), field("收款账户开户行全称")};
  panel.Amount = field("金额");
  panel.AmountInWords = Words(panel.Amount);
  panel.Purpose = field("用途");
  panel.Remark1 = field("备注1");
  panel.Remark2 = field("备注2");
  panel.Status = field("交易状态");
  return panel;
}

TFormHisDetailRep DetailFileVouchers(const StatementTable& table, const QList<int>& records) {
  TFormHisDetailRep report;
  report.Signatures = false;
  for (const int recNo : records) {
    const TRecordFields field(table, recNo);
    const bool credit = field("借贷标志").trimmed() == u"贷方";
    TTransferVoucher voucher;
    voucher.Date = field("日期");
    voucher.VoucherNo = field("凭证号");
    voucher.Payer = credit ? Counterpart(field) : OwnParty(field);
    voucher.Payee = credit ? OwnParty(field) : Counterpart(field);
    const QString amount = field("借(贷)方发生额");
    voucher.AmountInWords = QStringLiteral("人民币") + Words(amount);
    voucher.Amount = QStringLiteral("￥") + amount;
    voucher.Purpose = field("用途");
    voucher.Remark1 = field("备注1");
    voucher.Remark2 = field("备注2");
    report.Vouchers.append(voucher);
  }
  return report;
}

TFormHisDetailRep FlowFileVouchers(const StatementTable& table, const QList<int>& records,
                                   bool panelShowsVoucher, QList<int>* unreadDates) {
  TFormHisDetailRep report;
  for (const int recNo : records) {
    const TFlowFilePanel row = FlowFilePanelOf(table, recNo);
    const TVoucherDate date = VoucherDateOf(row.Date);
    if (!date.Read && unreadDates) unreadDates->append(recNo);
    TTransferVoucher voucher;
    voucher.Date = date.Text;
    voucher.VoucherNo = row.VoucherNo;
    voucher.Payer = row.Payer;
    voucher.Payee = row.Payee;
    voucher.AmountInWords = QStringLiteral("人民币") + row.AmountInWords;
    voucher.Amount = QStringLiteral("￥") + row.Amount;
    voucher.Purpose = row.Purpose;
    voucher.Remark1 = row.Remark1;
    voucher.Remark2 = row.Remark2;
    if (panelShowsVoucher) voucher.Status = QStringLiteral("凭证状态[") + row.Status + u']';
    voucher.Approver = row.Approver;
    voucher.Checker = row.Checker;
    voucher.Maker = row.Maker;
    report.Vouchers.append(voucher);
  }
  return report;
}
