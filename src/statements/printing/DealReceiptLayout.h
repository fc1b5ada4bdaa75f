#pragma once

#include "platform/printing/PrintLayout.h"
#include "statements/printing/FormHisDealRepLink.h"

// The electronic receipt of a transfer document: one band, drawn from the
// receipt's values as they are when it is drawn.
class TDealReceiptLayout : public TPrintLayout {
 public:
  explicit TDealReceiptLayout(const TFormHisDealRepLink& receipt) : receipt_(receipt) {}

  int BandCount() const override { return 1; }
  qreal DrawBand(TBandPainter& painter, int band) const override;

 private:
  const TFormHisDealRepLink& receipt_;
};
