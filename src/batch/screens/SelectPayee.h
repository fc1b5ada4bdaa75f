#pragma once

#include <QList>
#include <QString>

#include "batch/screens/SelectDialog.h"
#include "registers/records/PayeeInfo.h"

class QPushButton;
class TDataMain;

// The payee selection screen ("收款账户查询"): copies of the payee register's
// entries, shaded, followed by those of the local register, numbered again
// from 1. New local payees are defined and entries of either register changed
// here.
class TfmSelectPayee : public TSelectDialog {
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

  const QList<TPayeeInfo>& Entries() const { return entries_; }
  // How many of the entries, from the first, are register entries.
  int RegisterCount() const { return registerCount_; }

  void btnAddClick();
  void btnEditClick();

 protected:
  int EntryCount() const override { return int(entries_.size()); }

 private:
  void Reload();
  void UpdateCommands();

  TDataMain& data_;
  QList<TPayeeInfo> entries_;
  int registerCount_ = 0;
  QPushButton* btnEdit_ = nullptr;
};
