#pragma once

#include <QDialog>
#include <QList>
#include <QString>

#include "registers/records/PayeeInfo.h"

class QPushButton;
class TDataMain;
class TMapleGrid;

// The payee selection screen ("收款账户查询"): copies of the payee register's
// entries, shaded, followed by those of the local register, numbered again
// from 1. New local payees are defined and entries of either register changed
// here.
class TfmSelectPayee : public QDialog {
  Q_OBJECT
 public:
  explicit TfmSelectPayee(TDataMain& data, QWidget* parent = nullptr);

  // Shows the screen through Prompts().runModal starting at the first entry of
  // the account (register first). True, with the payee copied into chosen,
  // when one was chosen.
  static bool Choose(TDataMain& data, const QString& accNo, TPayeeInfo& chosen,
                     QWidget* parent = nullptr);

  // Fills the list from both registers and makes the first entry of the
  // account current.
  void ShowList(const QString& accNo);

  TMapleGrid& Grid() const { return *grid_; }
  const QList<TPayeeInfo>& Entries() const { return entries_; }
  // How many of the entries, from the first, are register entries.
  int RegisterCount() const { return registerCount_; }
  int ChosenRow() const { return chosen_; }

  void btnSelectClick();
  void btnExitClick();
  void btnFindClick();
  void btnFindNextClick();
  void btnAddClick();
  void btnEditClick();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateControls();
  void Reload();
  void UpdateCommands();

  TDataMain& data_;
  QList<TPayeeInfo> entries_;
  int registerCount_ = 0;
  int chosen_ = -1;
  TMapleGrid* grid_ = nullptr;
  QPushButton* btnEdit_ = nullptr;
};
