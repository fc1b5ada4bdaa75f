#pragma once

#include <QString>

#include "statements/printing/PartyBlock.h"

// The electronic receipt of one transfer document, as the screen fills it from
// its receipt panel. Every text is printed as it stands.
struct TFormHisDealRepLink {
  QString Currency;   // 币  种
  QString Date;       // 日  期
  QString VoucherNo;  // 凭证号
  TPartyBlock Payer;
  TPartyBlock Payee;
  QString AmountInWords;   // 大写金额
  QString Amount;          // 小写金额 as printed: "￥1,234.50元"
  QString Purpose;         // 用  途
  QString CheckCode;       // 验证码
  QString Maker;           // 制  单
  QString Status;          // 状  态
  QString Checker;         // 复  核
  QString Approver;        // 主  管
  QString PrintCountLine;  // "第2次补打。", or empty
};
