#pragma once

#include <QHash>
#include <QList>
#include <QString>

// A bank of the bank table "OtherBank.xml".
struct TOtherBank {
  QString BankCode;
  QString BankName;
};

// A city of the area table with its area code.
struct TAreaCity {
  QString AreaCode;
  QString CityName;
};

// A province of the area table "AreaPeov.xml" with its cities in file order.
struct TAreaProvince {
  QString ProvinceName;
  QList<TAreaCity> Cities;
};

// A branch of another bank with its interbank number.
struct TUBank {
  QString UBankNo;
  QString BranchName;
};

// The three other-bank code tables of the param directory, read once. Elements
// are read by position and attribute, whatever their names. A table that is
// missing, not GBK or not well-formed XML stays empty; nothing is shown.
class TOtherBankTables {
 public:
  static TOtherBankTables Load(const QString& paramDir);

  // Banks and provinces in file order; a province listed twice is there twice.
  const QList<TOtherBank>& Banks() const { return banks_; }
  const QList<TAreaProvince>& Provinces() const { return provinces_; }

  // The branches, in file order, under the first bank element with that bank
  // code and, within it, the first area element with that area code; empty when
  // either is missing.
  QList<TUBank> Branches(const QString& bankCode, const QString& areaCode) const;

  // Number of branches that Branches can return, over all banks and areas.
  qsizetype BranchCount() const { return branches_.size(); }

 private:
  struct TRange {
    qsizetype First = 0;
    qsizetype Count = 0;
  };
  // Where one branch's interbank number and name lie in branchText_.
  struct TBranchText {
    qsizetype At = 0;
    int NumberSize = 0;
    int NameSize = 0;
  };

  void ReadBanks(const QString& path);
  void ReadProvinces(const QString& path);
  void ReadBranches(const QString& path);

  QList<TOtherBank> banks_;
  QList<TAreaProvince> provinces_;
  // The branches of the first area element of the first bank element of each
  // code, one group after another; the index finds a group by bank and area
  // code. Their texts are kept as UTF-8 in one buffer and become strings only
  // when asked for, so that a large table costs few allocations.
  QByteArray branchText_;
  QList<TBranchText> branches_;
  QHash<QString, QHash<QString, TRange>> branchIndex_;
};
