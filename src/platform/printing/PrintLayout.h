#pragma once

#include <QtGlobal>

class TBandPainter;

// A page layout of bands: band after band down A4 portrait pages, a band that
// does not fit on the rest of a page starting the next one (a band never
// splits). Lengths are in tenths of a millimetre.
class TPrintLayout {
 public:
  // The A4 page and the space the bands fill.
  static constexpr qreal kPageWidth = 2100;
  static constexpr qreal kPageHeight = 2970;
  static constexpr qreal kSideMargin = 150;
  static constexpr qreal kTopMargin = 120;
  static constexpr qreal kBodyWidth = kPageWidth - 2 * kSideMargin;

  virtual ~TPrintLayout() = default;

  virtual int BandCount() const = 0;
  // Draws the band with its top left corner at (0, 0) and returns its height.
  // Each band is asked twice: first to measure it (the painter then draws
  // nothing), then to draw it where it fits.
  virtual qreal DrawBand(TBandPainter& painter, int band) const = 0;
};
