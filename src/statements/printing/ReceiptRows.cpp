#include "statements/printing/ReceiptRows.h"

#include "statements/printing/ReceiptSeal.h"
#include "statements/printing/ReceiptStyle.h"

namespace {

constexpr qreal kSealWidth = 360;
constexpr qreal kTitleHeight = 95;

}  // namespace

TPrintCell CaptionCell(qreal width, const QString& caption) {
  return {width, caption, Qt::AlignCenter};
}

qreal DrawReceiptTitle(TBandPainter& painter, qreal top, const QString& title) {
  return painter.TextRow(top, {{painter.Width(), title, Qt::AlignHCenter | Qt::AlignTop}},
                         ReceiptTitleFont(), kTitleHeight);
}

qreal DrawAmountRow(TBandPainter& painter, qreal top, const QString& words, const QString& amount) {
  const qreal half = painter.Width() / 2;
  return painter.FramedRow(top,
                           {CaptionCell(kReceiptCaptionWidth, QStringLiteral("大写金额")),
                            {half - kReceiptCaptionWidth, words},
                            CaptionCell(kReceiptCaptionWidth, QStringLiteral("小写金额")),
                            {half - kReceiptCaptionWidth, amount}},
                           ReceiptFont(), kReceiptRowHeight);
}

qreal SealWidth() {
  return kSealWidth;
}

qreal DrawRowsBesideSeal(TBandPainter& painter, qreal top, const QList<QList<TPrintCell>>& rows) {
  qreal y = top;
  for (const QList<TPrintCell>& row : rows)
    y += painter.FramedRow(y, row, ReceiptFont(), kReceiptRowHeight);
  const QRectF sealBox(painter.Width() - kSealWidth, top, kSealWidth, y - top);
  painter.Frame(sealBox);
  DrawReceiptSeal(painter, sealBox);
  return y - top;
}

qreal DrawPrintCountLine(TBandPainter& painter, qreal top, const QString& line) {
  return painter.TextRow(top + kReceiptGap,
                         {{painter.Width(), line, Qt::AlignRight | Qt::AlignVCenter}},
                         ReceiptFont(), kReceiptRowHeight) +
         kReceiptGap;
}
