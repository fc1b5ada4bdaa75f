#pragma once

#include <QRectF>

class TBandPainter;

// The receipts' stamp, a picture of the program's own: a red ring with the
// bank's name along its top, a star, and "电子回单专用章" below it, as large as
// the box allows and centred in it. It is drawn as outlines, not as text, so a
// PDF reader finds only the receipt's own words.
void DrawReceiptSeal(TBandPainter& painter, const QRectF& box);
