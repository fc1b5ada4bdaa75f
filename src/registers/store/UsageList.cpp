#include "registers/store/UsageList.h"

#include <algorithm>

#include "platform/codec/Gbk.h"

namespace {

bool LessIgnoringCase(const QString& a, const QString& b) {
  return QString::compare(a, b, Qt::CaseInsensitive) < 0;
}

}  // namespace

QStringList::const_iterator TUsageList::LowerBound(const QString& text) const {
  return std::lower_bound(items_.cbegin(), items_.cend(), text, LessIgnoringCase);
}

bool TUsageList::Add(const QString& text) {
  const auto it = LowerBound(text);
  if (it != items_.cend() && QString::compare(*it, text, Qt::CaseInsensitive) == 0) return false;
  items_.insert(it - items_.cbegin(), text);
  return true;
}

qsizetype TUsageList::IndexOf(const QString& text) const {
  const auto it = LowerBound(text);
  if (it != items_.cend() && QString::compare(*it, text, Qt::CaseInsensitive) == 0)
    return it - items_.cbegin();
  return -1;
}

void TUsageList::LoadFromGbk(const QByteArray& bytes) {
  items_.clear();
  const QString text = codec::FromGbk(bytes);
  for (const QStringView line : QStringView(text).split(u'\n')) {
    const QString usage = line.trimmed().toString();
    if (!usage.isEmpty()) Add(usage);
  }
}

QByteArray TUsageList::ToGbk() const {
  QByteArray bytes;
  for (const QString& usage : items_) {
    bytes += codec::ToGbk(usage);
    bytes += "\r\n";
  }
  return bytes;
}
