#pragma once

#include <QString>
#include <QTimer>

#include "widgets/base/ClientDialog.h"

class QLabel;
class QPushButton;
class TPayPoll;
class TSessionControl;

// The texts of one waiting dialog.
struct TPayWaitTexts {
  QString Caption;
  QString Waiting;   // while the bank processes
  QString TimedOut;  // when its polling window is over
  QString Hint;      // in "温馨提示"

  static TPayWaitTexts File();      // "代发代扣制单"
  static TPayWaitTexts Document();  // "代发代扣制单结果查询"
};

// Waits while the bank processes an uploaded file or a confirmed document:
// after each wait it polls, until the outcome is there (accepted) or the
// clerk closes it or the file turns out unreadable (rejected). When the bank's
// polling window is over, "重新查询" lets the clerk ask again.
class TfmPayWait : public TClientDialog {
  Q_OBJECT
 public:
  TfmPayWait(TPrompts& prompts, TSessionControl& session, TPayPoll& poll,
             const TPayWaitTexts& texts, QWidget* parent = nullptr);

  // One poll now, as the timer does after its wait. A reply that reports an
  // error is shown and leaves the dialog waiting without a timer.
  void Poll();
  void btnRequeryClick();

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  TSessionControl& session_;
  TPayPoll& poll_;
  TPayWaitTexts texts_;
  QTimer timer_;
  bool started_ = false;
  QLabel* lblMessage_ = nullptr;
  QPushButton* btnRequery_ = nullptr;
};
