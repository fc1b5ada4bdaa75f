#include "statements/printing/DealReceiptLayout.h"

#include "statements/printing/ReceiptRows.h"
#include "statements/printing/ReceiptStyle.h"

qreal TDealReceiptLayout::DrawBand(TBandPainter& painter, int /*band*/) const {
  const TFormHisDealRepLink& r = receipt_;
  const qreal width = painter.Width();
  const qreal half = width / 2;
  qreal y = DrawReceiptTitle(painter, 0, QStringLiteral("维岭银行网上银行电子回单"));
  y += painter.TextRow(y,
                       {{width * 0.25, QStringLiteral("币  种：") + r.Currency},
                        {width * 0.3, QStringLiteral("日  期：") + r.Date},
                        {width * 0.45, QStringLiteral("凭证号：") + r.VoucherNo}},
                       ReceiptFont(), kReceiptRowHeight);
  y += DrawPartyBlocks(painter, y, r.Payer, r.Payee);
  y += DrawAmountRow(painter, y, r.AmountInWords, r.Amount);
  y += painter.FramedRow(y,
                         {CaptionCell(kReceiptCaptionWidth, QStringLiteral("用  途")),
                          {half - kReceiptCaptionWidth, r.Purpose},
                          CaptionCell(kReceiptCaptionWidth, QStringLiteral("验证码")),
                          {half - kReceiptCaptionWidth, r.CheckCode}},
                         ReceiptFont(), kReceiptRowHeight);
  const qreal beside = width - SealWidth();
  const qreal makerWidth = beside * 0.45;
  y += DrawRowsBesideSeal(painter, y,
                          {{{makerWidth, QStringLiteral("制  单：") + r.Maker},
                            CaptionCell(kReceiptCaptionWidth, QStringLiteral("状  态")),
                            {beside - makerWidth - kReceiptCaptionWidth, r.Status}},
                           {{beside, QStringLiteral("复  核：") + r.Checker}},
                           {{beside, QStringLiteral("主  管：") + r.Approver}}});
  y += painter.FramedRow(
      y,
      {{width, QStringLiteral("重要提示：银行受理成功，本回单不作为收付方交易确认的最终依据。")}},
      ReceiptFont(), kReceiptRowHeight);
  return y + DrawPrintCountLine(painter, y, r.PrintCountLine);
}
