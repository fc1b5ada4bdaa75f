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
  // A row to the right edge (the paging buttons) starts with the stretch.
  TCommandRow(QWidget& owner, TPrompts& prompts, bool toTheRight = false);

  QPushButton* Add(const char* name, const QString& caption, const QString& hint,
                   std::function<void()> command);
  // A button held down while the widget shows; a click hides or shows it.
  QPushButton* AddToggle(const char* name, const QString& caption, QWidget& shown);
  // The buttons and a stretch; the layout goes into the screen's layout.
  QHBoxLayout* Layout();

 private:
  QWidget& owner_;
  TPrompts& prompts_;
  QHBoxLayout* layout_;
  bool finished_ = false;
};
