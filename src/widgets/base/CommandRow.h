#pragma once

#include <QString>
#include <functional>

class QHBoxLayout;
class QPushButton;
class QWidget;
class TPrompts;

// A screen's row of command buttons, left to right, each with its hint and
// run through the command boundary.
class TCommandRow {
 public:
  TCommandRow(QWidget& owner, TPrompts& prompts);

  QPushButton* Add(const char* name, const QString& caption, const QString& hint,
                   std::function<void()> command);
  // The buttons, then a stretch; the layout goes into the screen's layout.
  QHBoxLayout* Layout();

 private:
  QWidget& owner_;
  TPrompts& prompts_;
  QHBoxLayout* layout_;
  bool finished_ = false;
};
