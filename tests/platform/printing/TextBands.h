#pragma once

#include <QStringList>

#include "platform/printing/BandPainter.h"
#include "platform/printing/PrintFont.h"
#include "platform/printing/PrintLayout.h"

// A layout of one framed text per band, each band as tall as given.
class TTextBands : public TPrintLayout {
 public:
  TTextBands(QStringList texts, qreal height) : texts_(std::move(texts)), height_(height) {}

  int BandCount() const override { return int(texts_.size()); }
  qreal DrawBand(TBandPainter& painter, int band) const override {
    painter.FramedText(QRectF(0, 0, painter.Width(), height_), texts_[band], PrintFont(35));
    return height_;
  }

 private:
  QStringList texts_;
  qreal height_;
};
