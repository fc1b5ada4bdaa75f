#pragma once

#include <QWidget>

// What the work area shows before the first screen is chosen.
class TWelcomePage : public QWidget {
  Q_OBJECT
 public:
  explicit TWelcomePage(QWidget* parent = nullptr);
};
