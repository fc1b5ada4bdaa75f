#include "statements/printing/PartyBlock.h"

#include <array>

#include "platform/printing/BandPainter.h"
#include "statements/printing/ReceiptStyle.h"

namespace {

constexpr qreal kCaptionWidth = 70;
constexpr qreal kLabelWidth = 160;

std::array<QString, 3> Lines(const TPartyBlock& party) {
  return {party.Name, party.Account, party.Bank};
}

}  // namespace

qreal DrawPartyBlocks(TBandPainter& painter, qreal top, const TPartyBlock& payer,
                      const TPartyBlock& payee) {
  static const std::array<QString, 3> kLabels = {QStringLiteral("全  称"), QStringLiteral("账  号"),
                                                 QStringLiteral("开户行")};
  const QFont font = ReceiptFont();
  const qreal blockWidth = painter.Width() / 2;
  const qreal valueWidth = blockWidth - kCaptionWidth - kLabelWidth;
  const std::array<std::array<QString, 3>, 2> values = {Lines(payer), Lines(payee)};

  std::array<qreal, 3> heights{};
  qreal total = 0;
  for (size_t line = 0; line < heights.size(); ++line) {
    for (const auto& side : values)
      heights[line] = qMax(heights[line],
                           painter.FramedHeight(side[line], font, valueWidth, kReceiptRowHeight));
    total += heights[line];
  }

  const std::array<QString, 2> captions = {QStringLiteral("付\n款\n人"),
                                           QStringLiteral("收\n款\n人")};
  for (size_t side = 0; side < values.size(); ++side) {
    const qreal left = qreal(side) * blockWidth;
    painter.FramedText(QRectF(left, top, kCaptionWidth, total), captions[side], font,
                       Qt::AlignCenter);
    qreal y = top;
    for (size_t line = 0; line < heights.size(); ++line) {
      painter.FramedText(QRectF(left + kCaptionWidth, y, kLabelWidth, heights[line]), kLabels[line],
                         font, Qt::AlignCenter);
      painter.FramedText(QRectF(left + kCaptionWidth + kLabelWidth, y, valueWidth, heights[line]),
                         values[side][line], font);
      y += heights[line];
    }
  }
  return total;
}
