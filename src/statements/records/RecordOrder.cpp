#include "statements/records/RecordOrder.h"

#include <QHash>
#include <algorithm>
#include <numeric>

#include "platform/codec/ChineseOrder.h"

namespace {

// Sorts the indices by their keys; ties by index, so that the order is total
// and std::sort gives what a stable sort would.
template <class Key>
std::vector<int> OrderByKeys(const std::vector<Key>& keys, bool descending) {
  std::vector<int> order(keys.size());
  std::iota(order.begin(), order.end(), 0);
  std::sort(order.begin(), order.end(), [&keys, descending](int a, int b) {
    const Key& first = keys[size_t(descending ? b : a)];
    const Key& second = keys[size_t(descending ? a : b)];
    if (first < second) return true;
    if (second < first) return false;
    return a < b;
  });
  return order;
}

}  // namespace

std::vector<int> OrderByText(int count, const std::function<QStringView(int)>& textOf,
                             bool descending) {
  // Statement columns repeat their texts (names, dates, purposes), so the sort
  // keys are made and sorted once per distinct text, and the records are then
  // placed by the rank of their text, in record order within a rank.
  QHash<QStringView, int> idOfText;
  idOfText.reserve(count);
  std::vector<QStringView> texts;
  std::vector<int> idOf(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) {
    const QStringView text = textOf(i);
    auto found = idOfText.constFind(text);
    if (found == idOfText.constEnd()) {
      found = idOfText.insert(text, int(texts.size()));
      texts.push_back(text);
    }
    idOf[size_t(i)] = found.value();
  }

  std::vector<codec::TChineseSortKey> keys;
  keys.reserve(texts.size());
  for (QStringView text : texts) keys.emplace_back(text);
  std::vector<int> sorted(keys.size());
  std::iota(sorted.begin(), sorted.end(), 0);
  std::sort(sorted.begin(), sorted.end(),
            [&keys](int a, int b) { return keys[size_t(a)] < keys[size_t(b)]; });
  // Texts that differ only in case share a rank.
  std::vector<int> rankOf(texts.size());
  int rank = 0;
  for (size_t i = 0; i < sorted.size(); ++i) {
    if (i > 0 && keys[size_t(sorted[i - 1])] < keys[size_t(sorted[i])]) ++rank;
    rankOf[size_t(sorted[i])] = rank;
  }
  const int ranks = sorted.empty() ? 0 : rank + 1;

  // Counting sort by rank, stable, so that each rank keeps record order.
  std::vector<int> start(size_t(ranks) + 1, 0);
  for (int id : idOf) {
    const int r = rankOf[size_t(id)];
    ++start[size_t(descending ? ranks - 1 - r : r) + 1];
  }
  std::partial_sum(start.begin(), start.end(), start.begin());
  std::vector<int> order(static_cast<size_t>(count));
  for (int i = 0; i < count; ++i) {
    const int r = rankOf[size_t(idOf[size_t(i)])];
    order[size_t(start[size_t(descending ? ranks - 1 - r : r)]++)] = i;
  }
  return order;
}

std::vector<int> OrderByAmount(int count,
                               const std::function<std::optional<TAmount>(int)>& amountOf,
                               bool descending) {
  // (has a value, the value): no value sorts first.
  std::vector<std::pair<bool, qint64>> keys;
  keys.reserve(size_t(count));
  for (int i = 0; i < count; ++i) {
    const std::optional<TAmount> amount = amountOf(i);
    keys.emplace_back(amount.has_value(), amount ? amount->Units() : 0);
  }
  return OrderByKeys(keys, descending);
}
