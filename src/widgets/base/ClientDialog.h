#pragma once

#include <QDialog>

class TPrompts;

// The base of the program's dialogs: it keeps the prompts that its messages and
// the dialogs it opens go through.
class TClientDialog : public QDialog {
  Q_OBJECT
 public:
  explicit TClientDialog(TPrompts& prompts, QWidget* parent = nullptr)
      : QDialog(parent), prompts_(prompts) {}

  TPrompts& Prompts() const { return prompts_; }

 private:
  TPrompts& prompts_;
};
