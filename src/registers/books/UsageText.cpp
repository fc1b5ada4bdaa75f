#include "registers/books/UsageText.h"

#include <algorithm>

#include "platform/codec/ChineseOrder.h"
#include "platform/codec/Gbk.h"

QString UsageText(const QString& typed) {
  return codec::GbkLeft(typed.trimmed(), kUsageMaxBytes).trimmed();
}

QStringList DistinctSorted(const QStringList& values) {
  QStringList sorted;
  for (const QString& value : values)
    if (!value.isEmpty()) sorted.append(value);
  codec::SortChinese(sorted);
  sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
  return sorted;
}
