#include "statements/printing/FileVoucherLayout.h"

#include "statements/printing/ReceiptRows.h"
#include "statements/printing/ReceiptStyle.h"

namespace {

constexpr qreal kNarrowCaption = 100;  // "用途", "大写" over "金额"
constexpr qreal kRemarkCaption = 120;  // "备注："
constexpr qreal kLineHeight = 56;
constexpr qreal kCutSpace = 35;  // above and below the dashed line

}  // namespace

qreal TFileVoucherLayout::DrawBand(TBandPainter& painter, int band) const {
  const TTransferVoucher& v = vouchers_.Vouchers[band];
  const QFont font = ReceiptFont();
  const qreal width = painter.Width();
  const qreal half = width / 2;
  qreal y = DrawReceiptTitle(painter, 0, QStringLiteral("维岭银行电子转账凭证"));
  y += painter.TextRow(y,
                       {{half, QStringLiteral("日  期：") + v.Date},
                        {half, QStringLiteral("凭证号：") + v.VoucherNo, Qt::AlignRight}},
                       font, kLineHeight);
  y += DrawPartyBlocks(painter, y, v.Payer, v.Payee);
  y += painter.FramedRow(y,
                         {CaptionCell(kNarrowCaption, QStringLiteral("大写\n金额")),
                          {width * 0.65 - kNarrowCaption, v.AmountInWords},
                          {width * 0.35, v.Amount}},
                         font, kReceiptRowHeight);
  y += painter.FramedRow(
      y, {CaptionCell(kNarrowCaption, QStringLiteral("用途")), {width - kNarrowCaption, v.Purpose}},
      font, kReceiptRowHeight);
  y += kReceiptGap;
  y += painter.TextRow(
      y,
      {{kRemarkCaption, QStringLiteral("备注："), Qt::AlignLeft | Qt::AlignTop},
       {width * 0.55 - kRemarkCaption, v.Remark1 + u'\n' + v.Remark2, Qt::AlignLeft | Qt::AlignTop},
       {width * 0.45, QStringLiteral("此凭证仅供参考，不做正式入账依据。"),
        Qt::AlignRight | Qt::AlignTop}},
      font, 2 * kLineHeight);
  y += painter.TextRow(y, {{width, v.Status}}, font, kLineHeight);
  const bool signatures = vouchers_.Signatures;
  const auto signature = [signatures](const char16_t* caption, const QString& name) {
    return signatures ? QString::fromUtf16(caption) + name : QString();
  };
  const qreal third = width / 3;
  y += painter.TextRow(y,
                       {{third, signature(u"主管：", v.Approver)},
                        {third, signature(u"复核：", v.Checker)},
                        {third, signature(u"制单：", v.Maker)}},
                       font, kLineHeight);
  y += kCutSpace;
  painter.DashedLine(QPointF(0, y), QPointF(width, y));
  return y + kCutSpace;
}
