#pragma once

#include <QObject>
#include <QString>

#include "registers/codetables/UBankCascade.h"

class QComboBox;
class TPrompts;

// Keeps four combo boxes (province, city, bank, branch) in step with a cascade:
// a choice made in a box goes to the cascade, and the lists the choice changed
// are shown again. The cascade and the boxes must outlive the binder.
class TUBankChoiceLists : public QObject {
  Q_OBJECT
 public:
  // A choice runs through the command boundary with the prompts.
  TUBankChoiceLists(TPrompts& prompts, TUBankCascade& cascade, QComboBox* province, QComboBox* city,
                    QComboBox* bank, QComboBox* branch, QObject* parent = nullptr);

  TUBankCascade& Cascade() { return *cascade_; }

  // The cascade's Clear, Reset and Select, shown in the boxes.
  void Clear();
  void Reset();
  void Select(const QString& bankCode, const QString& provinceName, const QString& areaCode,
              const QString& ubankNo);

  // Shows every list of the cascade with its selection.
  void ShowAll();

 Q_SIGNALS:
  // A choice in one of the boxes has been passed on and shown.
  void Chosen();

 private:
  void ShowCities();
  void ShowBranches();
  void Show(QComboBox* box, const QStringList& items, int index);
  // Passes the box's user choices to the cascade's choose, then shows again
  // the lists that follow it.
  void Follow(QComboBox* box, void (TUBankCascade::*choose)(int), bool citiesFollow,
              bool branchesFollow);

  TPrompts& prompts_;
  TUBankCascade* cascade_;
  QComboBox* province_;
  QComboBox* city_;
  QComboBox* bank_;
  QComboBox* branch_;
  // Set while the boxes are filled here, so their own signals are not choices.
  bool showing_ = false;
};
