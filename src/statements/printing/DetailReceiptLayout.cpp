#include "statements/printing/DetailReceiptLayout.h"

#include "statements/printing/ReceiptRows.h"
#include "statements/printing/ReceiptStyle.h"

qreal TDetailReceiptLayout::DrawBand(TBandPainter& painter, int /*band*/) const {
  const TFormHisDetailRepLink& r = receipt_;
  const qreal width = painter.Width();
  qreal y = DrawReceiptTitle(painter, 0, QStringLiteral("维岭银行网上银行电子回单"));
  y += painter.TextRow(y,
                       {{width * 0.17, QStringLiteral("币  种：") + r.Currency},
                        {width * 0.23, QStringLiteral("日  期：") + r.Date},
                        {width * 0.25, QStringLiteral("凭证号：") + r.VoucherNo},
                        {width * 0.35, QStringLiteral("交易流水号：") + r.SerialNo}},
                       ReceiptFont(), kReceiptRowHeight);
  y += DrawPartyBlocks(painter, y, r.Payer, r.Payee);
  y += DrawAmountRow(painter, y, r.AmountInWords, r.Amount);
  const qreal beside = width - SealWidth();
  y += DrawRowsBesideSeal(
      painter, y,
      {{CaptionCell(kReceiptCaptionWidth, QStringLiteral("用  途")),
        {beside - kReceiptCaptionWidth, r.Purpose}},
       {CaptionCell(kReceiptCaptionWidth, QStringLiteral("钞汇标志")),
        {beside - kReceiptCaptionWidth, r.CashFlag}},
       {{beside, QStringLiteral("重要提示：电子回单可重复打印，如您已通过银行柜台取得相应纸质回单，"
                                "请注意核对，勿重复记账。")}}});
  return y + DrawPrintCountLine(painter, y, r.PrintCountLine);
}
