#pragma once

#include "widgets/base/ClientDialog.h"

class QPlainTextEdit;

// The client announcement window: the bank's message to its clients, read-only.
class TFormShowUpdateMsg : public TClientDialog {
  Q_OBJECT
 public:
  explicit TFormShowUpdateMsg(TPrompts& prompts, QWidget* parent = nullptr);

  void SetMessage(const QString& text);
  QString Message() const;

 private:
  QPlainTextEdit* memMsg_;
};
