#pragma once

#include <QString>

#include "statements/printing/PartyBlock.h"

// The electronic receipt of one account-detail row, as the screen fills it
// from its receipt panel. Every text is printed as it stands.
struct TFormHisDetailRepLink {
  QString Currency;   // 币  种
  QString Date;       // 日  期
  QString VoucherNo;  // 凭证号
  QString SerialNo;   // 交易流水号
  TPartyBlock Payer;
  TPartyBlock Payee;
  QString AmountInWords;   // 大写金额
  QString Amount;          // 小写金额 as printed: "￥1,234.50元"
  QString Purpose;         // 用  途
  QString CashFlag;        // 钞汇标志
  QString PrintCountLine;  // "第2次补打。", or empty

  // Kept for the print-count reports; not printed.
  QString DetailNo;  // 账户明细编号
  QString Money;     // the 小写金额 text
  int PrintCount = 0;
};
