#pragma once

#include "widgets/base/FormOriginal.h"

// Stands in for a screen that is not built yet: its caption as a title and a
// line saying the function comes in a later version.
class TPlaceholderScreen : public TFormOriginal {
  Q_OBJECT
 public:
  TPlaceholderScreen(TScreenServices services, const QString& caption, QWidget* parent = nullptr);
};
