#pragma once

#include <QDialog>
#include <QList>
#include <QString>

#include "registers/records/PayerInfo.h"

class QPushButton;
class TDataMain;
class TMapleGrid;

// The payer selection screen ("付款账号查询"): copies of the payer register, all
// of them or only the payers of one RightType.
class TfmSelectPayer : public QDialog {
  Q_OBJECT
 public:
  explicit TfmSelectPayer(TDataMain& data, QWidget* parent = nullptr);

  // Shows the screen through Prompts().runModal starting at the first payer of
  // the account; filter "0" lists the contracted payers only. True, with the
  // payer copied into chosen, when one was chosen.
  static bool Choose(TDataMain& data, const QString& accNo, const QString& filter,
                     TPayerInfo& chosen, QWidget* parent = nullptr);

  // Fills the list and makes the first payer of the account current.
  void ShowList(const QString& accNo, const QString& filter);

  TMapleGrid& Grid() const { return *grid_; }
  const QList<TPayerInfo>& Entries() const { return entries_; }
  // The payer chosen, or -1.
  int ChosenRow() const { return chosen_; }

  void btnSelectClick();
  void btnExitClick();
  void btnFindClick();
  void btnFindNextClick();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateControls();

  TDataMain& data_;
  QList<TPayerInfo> entries_;
  int chosen_ = -1;
  TMapleGrid* grid_ = nullptr;
  QPushButton* btnSelect_ = nullptr;
};
