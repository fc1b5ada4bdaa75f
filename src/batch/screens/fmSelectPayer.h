#pragma once

#include <QList>
#include <QString>

#include "registers/records/PayerInfo.h"
#include "registers/screens/RegisterContext.h"
#include "widgets/frames/SelectDialog.h"

// The payer selection screen ("付款账号查询"): copies of the payer register, all
// of them or only the payers of one RightType.
class TfmSelectPayer : public TSelectDialog {
  Q_OBJECT
 public:
  explicit TfmSelectPayer(const TRegisterContext& context, QWidget* parent = nullptr);

  // Shows the screen through the prompts' RunModal starting at the first payer of
  // the account; filter "0" lists the contracted payers only. True, with the
  // payer copied into chosen, when one was chosen.
  static bool Choose(const TRegisterContext& context, const QString& accNo, const QString& filter,
                     TPayerInfo& chosen, QWidget* parent = nullptr);

  // Fills the list and makes the first payer of the account current.
  void ShowList(const QString& accNo, const QString& filter);

 private:
  TRegisterStore& registers_;
  QList<TPayerInfo> entries_;
};
