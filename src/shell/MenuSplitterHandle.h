#pragma once

#include <QSplitterHandle>

class QToolButton;
class TMenuSplitter;

// The strip between the menu panel and the work area, with the button that
// collapses and restores the menu panel.
class TMenuSplitterHandle : public QSplitterHandle {
  Q_OBJECT
 public:
  TMenuSplitterHandle(Qt::Orientation orientation, TMenuSplitter* parent);
  QToolButton* Button() const { return button_; }

 private:
  QToolButton* button_;
};
