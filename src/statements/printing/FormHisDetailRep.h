#pragma once

#include <QList>
#include <QString>

#include "statements/printing/PartyBlock.h"

// One transfer voucher of a statement file row. Every text is printed as it
// stands.
struct TTransferVoucher {
  QString Date;       // 日  期, "yyyy-mm-dd" for transfer-flow rows (VoucherDateOf)
  QString VoucherNo;  // 凭证号
  TPartyBlock Payer;
  TPartyBlock Payee;
  QString AmountInWords;  // "人民币" and the amount in words
  QString Amount;         // "￥1234.50"
  QString Purpose;        // 用途
  QString Remark1;        // the two lines of 备注
  QString Remark2;
  QString Status;    // the status line, "凭证状态[交易成功]"; not printed when empty
  QString Approver;  // 主管
  QString Checker;   // 复核
  QString Maker;     // 制单
};

// The transfer vouchers of the rows a file screen hands over, one band each, in
// their order.
struct TFormHisDetailRep {
  QList<TTransferVoucher> Vouchers;
  // False for account-detail rows: the signature line is left blank, its
  // captions too.
  bool Signatures = true;
};
