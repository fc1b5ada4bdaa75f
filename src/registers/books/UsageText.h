#pragma once

#include <QString>
#include <QStringList>

// The longest usage the usage register keeps, in GBK bytes (15 Chinese characters).
inline constexpr qsizetype kUsageMaxBytes = 30;

// The typed text trimmed and cut to its first 30 GBK bytes; a double-byte
// character that the cut would split is left out whole, and blanks the cut
// leaves at the end go too, so that the usage reads back from "Usage.txt" as it
// was stored.
QString UsageText(const QString& typed);

// The distinct non-empty values in Chinese order (values that differ only in
// case both stay), for the group and alias drop-downs.
QStringList DistinctSorted(const QStringList& values);
