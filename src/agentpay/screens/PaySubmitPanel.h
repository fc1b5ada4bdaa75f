#pragma once

#include <QWidget>
#include <optional>

#include "agentpay/online/PayLists.h"
#include "agentpay/online/PayUpload.h"

class QButtonGroup;
class QComboBox;
class QLineEdit;
class QPushButton;
class TPrompts;
class TSessionControl;

// The submission panel of the agent-pay screen: the pay mode, the item and the
// use the bank offers for it, the control totals a locked use asks for, and
// "提交代发代扣". The bank's lists are fetched on the first choice of a pay
// mode in a session and forgotten at the logoff.
class TPaySubmitPanel : public QWidget {
  Q_OBJECT
 public:
  TPaySubmitPanel(TPrompts& prompts, TSessionControl& session, QWidget* parent = nullptr);

  QPushButton* SubmitButton() const { return btnSubmit_; }
  bool ListsLoaded() const { return lists_.has_value(); }
  // -1 while none is chosen.
  int PayMode() const;

  // A pay mode chosen (0 批量代发, 1 批量代扣): the lists are fetched when
  // they are not yet, logging on first when nobody is; the choice is cleared
  // when that fails.
  void rgIsPayModeClick(int index);
  void cmbItemChange();
  void cmbUseChange();
  // The choice cleared and the lists forgotten.
  void Reset();

  // The choices checked in their order; nothing, after the message, when one
  // is missing or a control total is not a number.
  std::optional<TPaySubmission> CheckedChoice();
  const TPayModeLists& ModeLists() const;

 private:
  void CreateControls();
  void ClearPayMode();
  bool ShowsTotals() const;

  TPrompts& prompts_;
  TSessionControl& session_;
  std::optional<TPayListsOfBothModes> lists_;
  QList<TPayUse> shownUses_;

  QButtonGroup* rgIsPayMode_ = nullptr;
  QComboBox* cmbItem_ = nullptr;
  QComboBox* cmbUse_ = nullptr;
  QWidget* pnlJiami_ = nullptr;
  QLineEdit* edtTotalNum_ = nullptr;
  QLineEdit* edtTotalAmount_ = nullptr;
  QPushButton* btnSubmit_ = nullptr;
};
