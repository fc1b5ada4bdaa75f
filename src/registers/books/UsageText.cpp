#include "registers/books/UsageText.h"

#include <algorithm>

#include "platform/codec/Gbk.h"

QString UsageText(const QString& typed) {
  return codec::GbkLeft(typed.trimmed(), kUsageMaxBytes).trimmed();
}

QStringList DistinctSorted(const QStringList& values) {
  QStringList sorted;
  for (const QString& value : values)
    if (!value.isEmpty()) sorted.append(value);
  std::sort(sorted.begin(), sorted.end(), [](const QString& a, const QString& b) {
    const int order = QString::compare(a, b, Qt::CaseInsensitive);
    return order != 0 ? order < 0 : a < b;
  });
  sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
  return sorted;
}
