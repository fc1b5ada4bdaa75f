#include "platform/printing/BandPainter.h"

#include <QPainter>
#include <QPen>
#include <QTextLayout>
#include <QTextOption>

namespace {

constexpr qreal kLineWidth = 3;  // 0.3 mm

// The text in lines of the width; the layout's height is the last line's end.
qreal LayOut(QTextLayout& layout, qreal width, Qt::Alignment alignment) {
  QTextOption option(alignment & Qt::AlignHorizontal_Mask);
  option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  layout.setTextOption(option);
  qreal height = 0;
  layout.beginLayout();
  for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
    line.setLineWidth(width);
    line.setPosition(QPointF(0, height));
    height += line.height();
  }
  layout.endLayout();
  return height;
}

// QTextLayout breaks lines only at the Unicode line separator.
QString WithLineSeparators(QString text) {
  return text.replace(QLatin1Char('\n'), QChar::LineSeparator);
}

}  // namespace

qreal TBandPainter::TextHeight(const QString& text, const QFont& font, qreal width) const {
  if (text.isEmpty()) return 0;
  QTextLayout layout(WithLineSeparators(text), font, painter_.device());
  return LayOut(layout, width, Qt::AlignLeft);
}

void TBandPainter::Text(const QRectF& box, const QString& text, const QFont& font,
                        Qt::Alignment alignment) {
  if (!drawing_ || text.isEmpty()) return;
  QTextLayout layout(WithLineSeparators(text), font, painter_.device());
  const qreal height = LayOut(layout, box.width(), alignment);
  qreal top = box.top();
  if (alignment & Qt::AlignVCenter)
    top += (box.height() - height) / 2;
  else if (alignment & Qt::AlignBottom)
    top += box.height() - height;
  painter_.setPen(Qt::black);
  layout.draw(&painter_, QPointF(box.left(), top));
}

void TBandPainter::FramedText(const QRectF& box, const QString& text, const QFont& font,
                              Qt::Alignment alignment) {
  Frame(box);
  Text(box.adjusted(kPadding, kPadding, -kPadding, -kPadding), text, font, alignment);
}

qreal TBandPainter::FramedHeight(const QString& text, const QFont& font, qreal width,
                                 qreal minHeight) const {
  return qMax(minHeight, TextHeight(text, font, width - 2 * kPadding) + 2 * kPadding);
}

qreal TBandPainter::FramedRow(qreal top, const QList<TPrintCell>& cells, const QFont& font,
                              qreal minHeight) {
  qreal height = minHeight;
  for (const TPrintCell& cell : cells)
    height = qMax(height, FramedHeight(cell.Text, font, cell.Width, minHeight));
  qreal left = 0;
  for (const TPrintCell& cell : cells) {
    FramedText(QRectF(left, top, cell.Width, height), cell.Text, font, cell.Alignment);
    left += cell.Width;
  }
  return height;
}

qreal TBandPainter::TextRow(qreal top, const QList<TPrintCell>& cells, const QFont& font,
                            qreal minHeight) {
  qreal height = minHeight;
  for (const TPrintCell& cell : cells)
    height = qMax(height, TextHeight(cell.Text, font, cell.Width));
  qreal left = 0;
  for (const TPrintCell& cell : cells) {
    Text(QRectF(left, top, cell.Width, height), cell.Text, font, cell.Alignment);
    left += cell.Width;
  }
  return height;
}

void TBandPainter::Frame(const QRectF& box) {
  if (!drawing_) return;
  painter_.setPen(QPen(Qt::black, kLineWidth));
  painter_.setBrush(Qt::NoBrush);
  painter_.drawRect(box);
}

void TBandPainter::Line(const QPointF& from, const QPointF& to) {
  if (!drawing_) return;
  painter_.setPen(QPen(Qt::black, kLineWidth));
  painter_.drawLine(from, to);
}

void TBandPainter::DashedLine(const QPointF& from, const QPointF& to) {
  if (!drawing_) return;
  painter_.setPen(QPen(Qt::black, kLineWidth, Qt::DashLine));
  painter_.drawLine(from, to);
}
