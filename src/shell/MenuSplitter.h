#pragma once

#include <QSplitter>

class QToolButton;

// The splitter between the menu panel and the work area. Its strip carries the
// button that collapses and restores the menu panel, centred vertically.
class TMenuSplitter : public QSplitter {
  Q_OBJECT
 public:
  explicit TMenuSplitter(QWidget* parent = nullptr);
  // The toggle button, once the second widget (and with it the strip) is added.
  QToolButton* ToggleButton() const;
  void SetCollapsedLook(bool collapsed);

 Q_SIGNALS:
  void ToggleRequested();

 protected:
  QSplitterHandle* createHandle() override;
};
