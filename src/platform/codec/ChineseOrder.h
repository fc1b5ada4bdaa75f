#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QStringView>

// Chinese order: texts ordered as the system code page orders them, by their
// GBK bytes, in which the common hanzi follow their pinyin, and without regard
// to case. Latin text comes before Chinese.
namespace codec {

// The place of one text in Chinese order. Build it once per text and compare
// the keys: encoding the text is the costly part of a comparison.
class TChineseSortKey {
 public:
  explicit TChineseSortKey(QStringView text);

  // Equal keys: texts that differ at most in case.
  friend bool operator==(const TChineseSortKey& a, const TChineseSortKey& b) {
    return a.folded_ == b.folded_;
  }
  friend bool operator<(const TChineseSortKey& a, const TChineseSortKey& b) {
    if (a.gbk_ != b.gbk_) return a.gbk_ < b.gbk_;
    return a.folded_ < b.folded_;  // apart only where GBK holds neither character
  }

 private:
  QString folded_;
  QByteArray gbk_;
};

// True when a comes before b in Chinese order, for a single comparison.
bool ChineseLess(QStringView a, QStringView b);

// Sorts the texts in Chinese order, encoding each text once. Texts that differ
// only in case come in code point order ("A" before "a"), so repeats end up
// next to each other.
void SortChinese(QStringList& texts);

}  // namespace codec
