#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "registers/codetables/OtherBankTables.h"

// The four cascading lists from which a clerk picks another bank's branch:
// province, city, bank and branch, each as item texts with a selected index
// (-1: nothing selected). The province, city and bank lists begin with an empty
// entry; the branch list has none. Widgets show these lists (TUBankChoiceLists);
// the tables must outlive the cascade.
class TUBankCascade {
 public:
  explicit TUBankCascade(const TOtherBankTables& tables) : tables_(&tables) {}

  // All four lists empty.
  void Clear();
  // The lists as first shown: the banks and the provinces, each after an empty
  // entry, with the empty bank entry selected and no province; no cities, no
  // branches.
  void Reset();

  // A choice of an entry by its index in the list; an index out of range
  // selects nothing.
  // A province replaces the city list by its own and empties the branch list; a
  // province with exactly one city has it chosen at once.
  void ChooseProvince(int index);
  // A city or a bank empties the branch list, then fills it when a real bank and
  // a real city are chosen; a single branch is chosen at once.
  void ChooseCity(int index);
  void ChooseBank(int index);
  void ChooseBranch(int index);

  // Shows an existing choice: Reset, then the first province of that name, its
  // first city of that area code, the first bank of that bank code, and the
  // branch with that interbank number in the branch list of bank and city. A
  // part that is not found stays unselected; a single city or branch is then
  // not chosen in its place.
  void Select(const QString& bankCode, const QString& provinceName, const QString& areaCode,
              const QString& ubankNo);

  QStringList ProvinceItems() const;
  QStringList CityItems() const;
  QStringList BankItems() const;
  QStringList BranchItems() const;
  int ProvinceIndex() const { return province_; }
  int CityIndex() const { return city_; }
  int BankIndex() const { return bank_; }
  int BranchIndex() const { return branch_; }

  // The chosen entries; empty text while the list's empty entry or nothing is
  // selected.
  QString SelectedProvinceName() const;
  QString SelectedCityCode() const;
  QString SelectedCityName() const;
  QString SelectedBankCode() const;
  QString SelectedBankName() const;
  QString SelectedUBankNo() const;
  QString SelectedBranchName() const;

 private:
  const TAreaProvince* Province() const;
  const TAreaCity* City() const;
  const TOtherBank* Bank() const;
  const TUBank* Branch() const;
  const QList<TAreaCity>& Cities() const;
  void FillBranches();

  const TOtherBankTables* tables_;
  bool filled_ = false;  // bank and province lists hold their entries
  // Indices into the lists as shown, so 0 is the empty entry where there is one.
  int province_ = -1;
  int city_ = -1;
  int bank_ = -1;
  int branch_ = -1;
  QList<TUBank> branches_;
};
