#include "registers/codetables/UBankCascade.h"

namespace {

// The index when it lies within a list of that many items, else -1.
int Valid(int index, qsizetype count) {
  return index >= 0 && index < count ? index : -1;
}

// The list texts after the empty first entry.
template <class T, class F>
QStringList WithEmptyEntry(const QList<T>& list, F text) {
  QStringList items;
  items.reserve(list.size() + 1);
  items.append(QString());
  for (const T& item : list) items.append(text(item));
  return items;
}

// Position in a list shown after an empty entry of the first item that matches,
// or -1.
template <class T, class F>
int IndexAfterEmptyEntry(const QList<T>& list, F matches) {
  for (qsizetype i = 0; i < list.size(); ++i)
    if (matches(list[i])) return int(i + 1);
  return -1;
}

}  // namespace

void TUBankCascade::Clear() {
  filled_ = false;
  province_ = city_ = bank_ = branch_ = -1;
  branches_.clear();
}

void TUBankCascade::Reset() {
  Clear();
  filled_ = true;
  bank_ = 0;
}

void TUBankCascade::ChooseProvince(int index) {
  province_ = filled_ ? Valid(index, tables_->Provinces().size() + 1) : -1;
  city_ = -1;
  if (Cities().size() == 1) city_ = 1;
  FillBranches();
}

void TUBankCascade::ChooseCity(int index) {
  city_ = Province() ? Valid(index, Cities().size() + 1) : -1;
  FillBranches();
}

void TUBankCascade::ChooseBank(int index) {
  bank_ = filled_ ? Valid(index, tables_->Banks().size() + 1) : -1;
  FillBranches();
}

void TUBankCascade::ChooseBranch(int index) {
  branch_ = Valid(index, branches_.size());
}

void TUBankCascade::Select(const QString& bankCode, const QString& provinceName,
                           const QString& areaCode, const QString& ubankNo) {
  Reset();
  province_ = IndexAfterEmptyEntry(tables_->Provinces(), [&](const TAreaProvince& province) {
    return province.ProvinceName == provinceName;
  });
  city_ = IndexAfterEmptyEntry(Cities(),
                               [&](const TAreaCity& city) { return city.AreaCode == areaCode; });
  const int foundBank = IndexAfterEmptyEntry(
      tables_->Banks(), [&](const TOtherBank& bank) { return bank.BankCode == bankCode; });
  if (foundBank > 0) bank_ = foundBank;
  FillBranches();
  const int foundBranch = IndexAfterEmptyEntry(
      branches_, [&](const TUBank& branch) { return branch.UBankNo == ubankNo; });
  branch_ = foundBranch > 0 ? foundBranch - 1 : -1;  // the branch list has no empty entry
}

void TUBankCascade::FillBranches() {
  branches_.clear();
  branch_ = -1;
  if (!Bank() || !City()) return;
  branches_ = tables_->Branches(Bank()->BankCode, City()->AreaCode);
  if (branches_.size() == 1) branch_ = 0;
}

QStringList TUBankCascade::ProvinceItems() const {
  if (!filled_) return {};
  return WithEmptyEntry(tables_->Provinces(),
                        [](const TAreaProvince& province) { return province.ProvinceName; });
}

QStringList TUBankCascade::CityItems() const {
  if (!Province()) return {};
  return WithEmptyEntry(Cities(), [](const TAreaCity& city) { return city.CityName; });
}

QStringList TUBankCascade::BankItems() const {
  if (!filled_) return {};
  return WithEmptyEntry(tables_->Banks(), [](const TOtherBank& bank) { return bank.BankName; });
}

QStringList TUBankCascade::BranchItems() const {
  QStringList items;
  items.reserve(branches_.size());
  for (const TUBank& branch : branches_) items.append(branch.BranchName);
  return items;
}

const TAreaProvince* TUBankCascade::Province() const {
  return province_ > 0 ? &tables_->Provinces()[province_ - 1] : nullptr;
}

const QList<TAreaCity>& TUBankCascade::Cities() const {
  static const QList<TAreaCity> kNone;
  return Province() ? Province()->Cities : kNone;
}

const TAreaCity* TUBankCascade::City() const {
  return city_ > 0 ? &Cities()[city_ - 1] : nullptr;
}

const TOtherBank* TUBankCascade::Bank() const {
  return bank_ > 0 ? &tables_->Banks()[bank_ - 1] : nullptr;
}

const TUBank* TUBankCascade::Branch() const {
  return branch_ >= 0 ? &branches_[branch_] : nullptr;
}

QString TUBankCascade::SelectedProvinceName() const {
  return Province() ? Province()->ProvinceName : QString();
}

QString TUBankCascade::SelectedCityCode() const {
  return City() ? City()->AreaCode : QString();
}

QString TUBankCascade::SelectedCityName() const {
  return City() ? City()->CityName : QString();
}

QString TUBankCascade::SelectedBankCode() const {
  return Bank() ? Bank()->BankCode : QString();
}

QString TUBankCascade::SelectedBankName() const {
  return Bank() ? Bank()->BankName : QString();
}

QString TUBankCascade::SelectedUBankNo() const {
  return Branch() ? Branch()->UBankNo : QString();
}

QString TUBankCascade::SelectedBranchName() const {
  return Branch() ? Branch()->BranchName : QString();
}
