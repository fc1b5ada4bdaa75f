#pragma once

#include <QList>
#include <QString>

#include "registers/records/PayeeInfo.h"
#include "registers/screens/RegisterContext.h"
#include "widgets/frames/SelectDialog.h"

class QPushButton;

// The payee selection screen ("收款账户查询"): copies of the payee register's
// entries, shaded, followed by those of the local register, numbered again
// from 1. New local payees are defined and entries of either register changed
// here.
class TfmSelectPayee : public TSelectDialog {
  Q_OBJECT
 public:
  explicit TfmSelectPayee(const TRegisterContext& context, QWidget* parent = nullptr);

  // Shows the screen through the prompts' RunModal starting at the first entry of
  // the account (register first). True, with the payee copied into chosen,
  // when one was chosen.
  static bool Choose(const TRegisterContext& context, const QString& accNo, TPayeeInfo& chosen,
                     QWidget* parent = nullptr);

  // Fills the list from both registers and makes the first entry of the
  // account current.
  void ShowList(const QString& accNo);

  void btnAddClick();
  void btnEditClick();

 private:
  void Reload();
  void UpdateCommands();

  TRegisterContext context_;
  QList<TPayeeInfo> entries_;
  int registerCount_ = 0;
  QPushButton* btnEdit_ = nullptr;
};
