#pragma once

#include <QString>

class TBandPainter;

// The payer's or the payee's lines on a receipt or a voucher.
struct TPartyBlock {
  QString Name;     // 全  称
  QString Account;  // 账  号
  QString Bank;     // 开户行
};

// The payer block (captioned 付款人 downwards) beside the payee block (收款人),
// framed, across the band at the top given; a long name or bank wraps inside
// its box, which grows with it. Returns the height.
qreal DrawPartyBlocks(TBandPainter& painter, qreal top, const TPartyBlock& payer,
                      const TPartyBlock& payee);
