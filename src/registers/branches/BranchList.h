#pragma once

#include <QList>
#include <QString>

// One opening institution (a sub-branch or counter) of a first-level branch.
struct TCounter {
  QString CounterNo;
  QString CounterName;
  QString UBankNo;  // interbank number; goes into a payee's UbankNo
};

// A first-level branch of this bank with its opening institutions in file order.
struct TBranch {
  QString BranchCode;
  QString BranchName;
  QList<TCounter> Counters;

  // The counter at a 0-based position of the counter list; null when out of range.
  const TCounter* CounterAt(qsizetype index) const;
  // Position of the first counter with the number, or -1.
  qsizetype IndexOfCounterNo(const QString& counterNo) const;
};

// The read-only branch table "branch.xml": every child element of the root
// "AreaCodeConf" is one branch, whatever its element name.
class TBranchList {
 public:
  // Appends the branches of the file. A missing, unreadable or malformed file,
  // or a root of another name, adds nothing.
  void Load(const QString& path);

  const QList<TBranch>& Branches() const { return branches_; }
  qsizetype Count() const { return branches_.size(); }
  // The branch at a 0-based position of the branch list; null when out of range.
  const TBranch* BranchAt(qsizetype index) const;
  // Position of the first branch with the code, or -1.
  qsizetype IndexOfBranchCode(const QString& branchCode) const;

 private:
  QList<TBranch> branches_;
};
