#pragma once

#include "platform/printing/PrintLayout.h"
#include "statements/printing/FormHisDetailRep.h"

// The transfer vouchers of statement file rows: one band per voucher, in the
// order of the list, each ending in a dashed line to cut along.
class TFileVoucherLayout : public TPrintLayout {
 public:
  explicit TFileVoucherLayout(const TFormHisDetailRep& vouchers) : vouchers_(vouchers) {}

  int BandCount() const override { return int(vouchers_.Vouchers.size()); }
  qreal DrawBand(TBandPainter& painter, int band) const override;

 private:
  const TFormHisDetailRep& vouchers_;
};
