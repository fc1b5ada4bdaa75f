#include "platform/printing/PaintPages.h"

#include <QPagedPaintDevice>
#include <QPainter>

#include "platform/printing/BandPainter.h"
#include "platform/printing/PrintLayout.h"

int PaintPages(const TPrintLayout& layout, QPagedPaintDevice& device) {
  QPainter painter;
  if (!painter.begin(&device)) return 0;
  painter.setRenderHint(QPainter::Antialiasing);
  const qreal scale = device.width() / TPrintLayout::kPageWidth;
  painter.scale(scale, scale);
  const qreal top = TPrintLayout::kTopMargin;
  const qreal bottom = device.height() / scale - TPrintLayout::kTopMargin;

  int pages = 1;
  qreal y = top;
  for (int band = 0; band < layout.BandCount(); ++band) {
    TBandPainter measure(painter, TPrintLayout::kBodyWidth, false);
    const qreal height = layout.DrawBand(measure, band);
    // A band taller than a page starts on a page of its own and is cut there.
    if (y > top && y + height > bottom) {
      device.newPage();
      ++pages;
      y = top;
    }
    painter.save();
    painter.translate(TPrintLayout::kSideMargin, y);
    TBandPainter draw(painter, TPrintLayout::kBodyWidth, true);
    layout.DrawBand(draw, band);
    painter.restore();
    y += height;
  }
  return painter.end() ? pages : 0;
}
