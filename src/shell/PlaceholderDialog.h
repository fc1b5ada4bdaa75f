#pragma once

#include "widgets/base/ClientDialog.h"

// Stands in for a dialog that is not built yet: its caption, a line saying the
// function comes in a later version, and a close button.
class TPlaceholderDialog : public TClientDialog {
  Q_OBJECT
 public:
  TPlaceholderDialog(TPrompts& prompts, const QString& caption, QWidget* parent = nullptr);
};
