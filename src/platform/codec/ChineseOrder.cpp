#include "platform/codec/ChineseOrder.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "platform/codec/Gbk.h"

namespace codec {

TChineseSortKey::TChineseSortKey(QStringView text)
    : folded_(text.toString().toCaseFolded()), gbk_(ToGbk(folded_)) {}

bool ChineseLess(QStringView a, QStringView b) {
  return TChineseSortKey(a) < TChineseSortKey(b);
}

void SortChinese(QStringList& texts) {
  std::vector<std::pair<TChineseSortKey, QString>> keyed;
  keyed.reserve(texts.size());
  for (QString& text : texts) keyed.emplace_back(TChineseSortKey(text), std::move(text));
  std::sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) {
    if (a.first < b.first) return true;
    if (b.first < a.first) return false;
    return a.second < b.second;
  });
  for (qsizetype i = 0; i < texts.size(); ++i) texts[i] = std::move(keyed[size_t(i)].second);
}

}  // namespace codec
