#pragma once

#include <QList>

#include "session/transport/ClientParams.h"
#include "widgets/base/ClientDialog.h"

class QComboBox;
class QPushButton;
class QRadioButton;
class TSessionControl;

// "更新客户端软件参数": the files the client works with fetched from the bank,
// one at a time, each offered for saving where the clerk chooses. The company's
// agent-pay templates are listed once, when the dialog is made.
class TfrmDlClParam : public TClientDialog {
  Q_OBJECT
 public:
  TfrmDlClParam(TPrompts& prompts, TSessionControl& session, QWidget* parent = nullptr);

  const QList<TModeItem>& Modes() const { return modes_; }

  void rbChoiceChange();
  // The download of the chosen file; the dialog stays open for the next.
  void btnOkClick();

 private:
  void CreateControls();
  void LoadModes();
  TParamFile Chosen() const;

  TSessionControl& session_;
  QList<TModeItem> modes_;
  QRadioButton* rbPayer_ = nullptr;
  QRadioButton* rbPayee_ = nullptr;
  QRadioButton* rbBank_ = nullptr;
  QRadioButton* rbMode_ = nullptr;
  QComboBox* cmbMode_ = nullptr;
  QPushButton* btnCancel_ = nullptr;
};
