#include "statements/printing/ReceiptSeal.h"

#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include "platform/printing/BandPainter.h"
#include "platform/printing/PrintFont.h"

namespace {

const QColor kSealRed(200, 30, 30, 215);

// The outline of the text with its middle at the origin.
QPainterPath CentredText(const QString& text, const QFont& font) {
  QPainterPath path;
  path.addText(0, 0, font, text);
  return path.translated(-path.boundingRect().center());
}

QPainterPath Star(const QPointF& centre, qreal outer) {
  QPainterPath star;
  const qreal inner = outer * 0.4;
  for (int point = 0; point < 10; ++point) {
    const qreal radius = point % 2 == 0 ? outer : inner;
    const qreal angle = qDegreesToRadians(-90.0 + point * 36.0);
    const QPointF at = centre + QPointF(radius * qCos(angle), radius * qSin(angle));
    if (point == 0)
      star.moveTo(at);
    else
      star.lineTo(at);
  }
  star.closeSubpath();
  return star;
}

}  // namespace

void DrawReceiptSeal(TBandPainter& band, const QRectF& box) {
  if (!band.Drawing()) return;
  const qreal radius = qMin(box.width(), box.height()) * 0.45;
  const QPointF centre = box.center();
  QPainter& painter = band.Painter();
  painter.save();
  painter.setPen(QPen(kSealRed, radius * 0.07));
  painter.setBrush(Qt::NoBrush);
  painter.drawEllipse(centre, radius, radius);
  painter.fillPath(Star(centre, radius * 0.24), kSealRed);

  const QString name = QStringLiteral("维岭银行");
  const QFont nameFont = PrintFont(qRound(radius * 0.34), true);
  const qreal span = 110;  // degrees of the ring the name takes
  for (qsizetype i = 0; i < name.size(); ++i) {
    painter.save();
    painter.translate(centre);
    painter.rotate(-span / 2 + span * qreal(i) / qreal(name.size() - 1));
    painter.translate(0, -radius * 0.68);
    painter.fillPath(CentredText(name.mid(i, 1), nameFont), kSealRed);
    painter.restore();
  }
  const QFont useFont = PrintFont(qRound(radius * 0.19), true);
  painter.fillPath(CentredText(QStringLiteral("电子回单专用章"), useFont)
                       .translated(centre.x(), centre.y() + radius * 0.5),
                   kSealRed);
  painter.restore();
}
