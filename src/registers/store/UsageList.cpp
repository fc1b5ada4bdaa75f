#include "registers/store/UsageList.h"

#include <algorithm>

#include "platform/codec/Gbk.h"

using codec::TChineseSortKey;

qsizetype TUsageList::LowerBound(const TChineseSortKey& key) const {
  return std::lower_bound(keys_.cbegin(), keys_.cend(), key) - keys_.cbegin();
}

bool TUsageList::Add(const QString& text) {
  TChineseSortKey key(text);
  const qsizetype at = LowerBound(key);
  if (at < Count() && keys_[size_t(at)] == key) return false;
  items_.insert(at, text);
  keys_.insert(keys_.begin() + at, std::move(key));
  return true;
}

void TUsageList::Remove(qsizetype index) {
  items_.removeAt(index);
  keys_.erase(keys_.begin() + index);
}

void TUsageList::Clear() {
  items_.clear();
  keys_.clear();
}

qsizetype TUsageList::IndexOf(const QString& text) const {
  const TChineseSortKey key(text);
  const qsizetype at = LowerBound(key);
  return at < Count() && keys_[size_t(at)] == key ? at : -1;
}

void TUsageList::LoadFromGbk(const QByteArray& bytes) {
  struct TEntry {
    TChineseSortKey Key;
    QString Text;
  };
  std::vector<TEntry> entries;
  const QString text = codec::FromGbk(bytes);
  for (const QStringView line : QStringView(text).split(u'\n')) {
    QString usage = line.trimmed().toString();
    if (!usage.isEmpty()) entries.push_back({TChineseSortKey(usage), std::move(usage)});
  }
  // Sorted once rather than inserted one by one; of repeats the first line stays.
  const auto before = [](const TEntry& a, const TEntry& b) { return a.Key < b.Key; };
  std::stable_sort(entries.begin(), entries.end(), before);
  const auto same = [](const TEntry& a, const TEntry& b) { return a.Key == b.Key; };
  entries.erase(std::unique(entries.begin(), entries.end(), same), entries.end());
  Clear();
  items_.reserve(qsizetype(entries.size()));
  keys_.reserve(entries.size());
  for (TEntry& entry : entries) {
    items_.append(std::move(entry.Text));
    keys_.push_back(std::move(entry.Key));
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
