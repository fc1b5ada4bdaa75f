#pragma once

#include "platform/printing/PrintLayout.h"
#include "statements/printing/FormHisDetailRepLink.h"

// The electronic receipt of an account-detail row: one band, drawn from the
// receipt's values as they are when it is drawn.
class TDetailReceiptLayout : public TPrintLayout {
 public:
  explicit TDetailReceiptLayout(const TFormHisDetailRepLink& receipt) : receipt_(receipt) {}

  int BandCount() const override { return 1; }
  qreal DrawBand(TBandPainter& painter, int band) const override;

 private:
  const TFormHisDetailRepLink& receipt_;
};
