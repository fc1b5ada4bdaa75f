#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The usage texts (transfer purposes), kept sorted; sorting and duplicate
// detection ignore case.
class TUsageList {
 public:
  qsizetype Count() const { return items_.size(); }
  const QString& At(qsizetype index) const { return items_.at(index); }
  const QStringList& Texts() const { return items_; }

  // False, and nothing added, when the text is already there in any case.
  bool Add(const QString& text);
  void Remove(qsizetype index) { items_.removeAt(index); }
  // Position of the text compared without regard to case, or -1.
  qsizetype IndexOf(const QString& text) const;
  void Clear() { items_.clear(); }

  // Replaces the list by the lines of a GBK text. Lines are trimmed; blank lines
  // are skipped. Line ends may be CR LF or LF.
  void LoadFromGbk(const QByteArray& bytes);
  // One GBK line per entry in sorted order, each ended by CR LF.
  QByteArray ToGbk() const;

 private:
  QStringList::const_iterator LowerBound(const QString& text) const;

  QStringList items_;
};
