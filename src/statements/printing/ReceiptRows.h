#pragma once

#include <QList>
#include <QString>

#include "platform/printing/BandPainter.h"

// Rows that the receipts and the voucher share; each is drawn across the band
// at the top given and returns its height.

// Width of a caption box such as "大写金额".
inline constexpr qreal kReceiptCaptionWidth = 170;

// A cell of a caption, centred in its box.
TPrintCell CaptionCell(qreal width, const QString& caption);

// The title, centred, with room below it.
qreal DrawReceiptTitle(TBandPainter& painter, qreal top, const QString& title);

// "大写金额" the words, "小写金额" the amount, framed.
qreal DrawAmountRow(TBandPainter& painter, qreal top, const QString& words, const QString& amount);

// Framed rows whose cells fill the band's width less SealWidth(), with the
// receipt's stamp in a framed box to their right, as tall as they are.
qreal SealWidth();
qreal DrawRowsBesideSeal(TBandPainter& painter, qreal top, const QList<QList<TPrintCell>>& rows);

// The print-count line at the right below the receipt.
qreal DrawPrintCountLine(TBandPainter& painter, qreal top, const QString& line);
