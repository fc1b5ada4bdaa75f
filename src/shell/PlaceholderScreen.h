#pragma once

#include <QDialog>
#include <QWidget>

// Stands in for a screen that is not built yet: its caption as a title.
class TPlaceholderScreen : public QWidget {
  Q_OBJECT
 public:
  explicit TPlaceholderScreen(const QString& caption, QWidget* parent = nullptr);
};

// Stands in for a dialog that is not built yet: its caption and a close button.
class TPlaceholderDialog : public QDialog {
  Q_OBJECT
 public:
  explicit TPlaceholderDialog(const QString& caption, QWidget* parent = nullptr);
};
