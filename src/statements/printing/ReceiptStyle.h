#pragma once

#include <QFont>

// Sizes shared by the receipts and the voucher, in tenths of a millimetre.
inline constexpr int kReceiptTextSize = 35;
inline constexpr int kReceiptTitleSize = 60;
inline constexpr qreal kReceiptRowHeight = 72;
inline constexpr qreal kReceiptGap = 16;

QFont ReceiptFont();
QFont ReceiptTitleFont();
