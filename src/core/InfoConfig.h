#pragma once

#include <QString>

// Describes one register file: where it lies and how its elements are named. A
// screen that reads a register from elsewhere takes the descriptor At the path.
struct TInfoConfig {
  bool InParamDir = true;
  QString FileName;
  QString RootNode;
  QString ItemNode;

  // The same register's file at another place.
  TInfoConfig At(const QString& path) const {
    TInfoConfig config = *this;
    config.InParamDir = false;
    config.FileName = path;
    return config;
  }
};
