#pragma once

#include <QList>
#include <QString>
#include <optional>

#include "statements/printing/FormHisDetailRep.h"

class StatementTable;

// What the voucher panel of the account-detail file screen shows of a row.
struct TDetailFilePanel {
  QString Date;
  QString VoucherNo;
  // Nothing when 借贷标志 is neither 借方 nor 贷方: the panel keeps its blocks.
  std::optional<TPartyBlock> Payer;
  std::optional<TPartyBlock> Payee;
  QString Amount;
  QString AmountInWords;
  QString Summary;  // 用途, shown as "摘  要："
  QString Remark;   // 备注1
};
TDetailFilePanel DetailFilePanelOf(const StatementTable& table, int recNo);

// What the voucher panel of the transfer-flow file screen shows of a row.
struct TFlowFilePanel {
  QString Currency;
  QString Date;  // 制单时间 as it stands
  QString VoucherNo;
  QString Maker, Checker, Approver;
  TPartyBlock Payer;
  TPartyBlock Payee;
  QString AmountInWords;
  QString Amount;
  QString Purpose;
  QString Remark1, Remark2;
  QString Status;
};
TFlowFilePanel FlowFilePanelOf(const StatementTable& table, int recNo);

// The transfer vouchers of account-detail file rows, in the order given: the
// counterpart pays for a credit, the own account otherwise; no signatures.
TFormHisDetailRep DetailFileVouchers(const StatementTable& table, const QList<int>& records);

// The transfer vouchers of transfer-flow file rows. Each carries the status
// line "凭证状态[…]" when the screen's panel shows a voucher; a 制单时间 that is
// no date prints as it stands and its record is listed in unreadDates.
TFormHisDetailRep FlowFileVouchers(const StatementTable& table, const QList<int>& records,
                                   bool panelShowsVoucher, QList<int>* unreadDates = nullptr);
