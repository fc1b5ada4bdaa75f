#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

#include "platform/codec/ChineseOrder.h"

// The usage texts (transfer purposes), kept in Chinese order; sorting and
// duplicate detection ignore case.
class TUsageList {
 public:
  qsizetype Count() const { return items_.size(); }
  const QString& At(qsizetype index) const { return items_.at(index); }
  const QStringList& Texts() const { return items_; }

  // False, and nothing added, when the text is already there in any case.
  bool Add(const QString& text);
  void Remove(qsizetype index);
  // Position of the text compared without regard to case, or -1.
  qsizetype IndexOf(const QString& text) const;
  void Clear();

  // Replaces the list by the lines of a GBK text. Lines are trimmed; blank lines
  // are skipped, and so is a line repeating an earlier one in any case. Line
  // ends may be CR LF or LF.
  void LoadFromGbk(const QByteArray& bytes);
  // One GBK line per entry in sorted order, each ended by CR LF.
  QByteArray ToGbk() const;

 private:
  // The position of the first entry not before the key.
  qsizetype LowerBound(const codec::TChineseSortKey& key) const;

  QStringList items_;
  std::vector<codec::TChineseSortKey> keys_;  // one per entry, in the same order
};
