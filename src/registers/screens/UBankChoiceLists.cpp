#include "registers/screens/UBankChoiceLists.h"

#include <QComboBox>

#include "widgets/base/CommandGuard.h"

TUBankChoiceLists::TUBankChoiceLists(TPrompts& prompts, TUBankCascade& cascade, QComboBox* province,
                                     QComboBox* city, QComboBox* bank, QComboBox* branch,
                                     QObject* parent)
    : QObject(parent),
      prompts_(prompts),
      cascade_(&cascade),
      province_(province),
      city_(city),
      bank_(bank),
      branch_(branch) {
  Follow(province_, &TUBankCascade::ChooseProvince, true, true);
  Follow(city_, &TUBankCascade::ChooseCity, false, true);
  Follow(bank_, &TUBankCascade::ChooseBank, false, true);
  Follow(branch_, &TUBankCascade::ChooseBranch, false, false);
  ShowAll();
}

void TUBankChoiceLists::Follow(QComboBox* box, void (TUBankCascade::*choose)(int),
                               bool citiesFollow, bool branchesFollow) {
  connect(box, &QComboBox::currentIndexChanged, this,
          Guarded(prompts_, [this, choose, citiesFollow, branchesFollow](int index) {
            if (showing_) return;
            (cascade_->*choose)(index);
            if (citiesFollow) ShowCities();
            if (branchesFollow) ShowBranches();
            Q_EMIT Chosen();
          }));
}

void TUBankChoiceLists::Clear() {
  cascade_->Clear();
  ShowAll();
}

void TUBankChoiceLists::Reset() {
  cascade_->Reset();
  ShowAll();
}

void TUBankChoiceLists::Select(const QString& bankCode, const QString& provinceName,
                               const QString& areaCode, const QString& ubankNo) {
  cascade_->Select(bankCode, provinceName, areaCode, ubankNo);
  ShowAll();
}

void TUBankChoiceLists::ShowAll() {
  Show(province_, cascade_->ProvinceItems(), cascade_->ProvinceIndex());
  Show(bank_, cascade_->BankItems(), cascade_->BankIndex());
  ShowCities();
  ShowBranches();
}

void TUBankChoiceLists::ShowCities() {
  Show(city_, cascade_->CityItems(), cascade_->CityIndex());
}

void TUBankChoiceLists::ShowBranches() {
  Show(branch_, cascade_->BranchItems(), cascade_->BranchIndex());
}

void TUBankChoiceLists::Show(QComboBox* box, const QStringList& items, int index) {
  const bool wasShowing = showing_;
  showing_ = true;
  box->clear();
  box->addItems(items);
  box->setCurrentIndex(index);
  showing_ = wasShowing;
}
