#pragma once

#include <QString>

#include "core/InfoConfig.h"

// The program directory and the working directories beneath it: "param" for the
// registers and settings, "dfdk" for the agent-pay files, "BatchLog" for the
// archive copies of exported batches.
class TAppPaths {
 public:
  explicit TAppPaths(const QString& appDir);

  // Creates the working directories that are missing. One that cannot be made
  // shows up later as a TFileError naming the file.
  void MakeWorkingDirs() const;

  // Absolute, ending with "/".
  const QString& AppDir() const { return appDir_; }
  QString ParamFile(const QString& name) const;
  QString DfdkFile(const QString& name) const;
  QString DfdkDir() const;  // no trailing "/"
  QString BatchLogFile(const QString& name) const;
  QString HelpFile() const;
  // The descriptor's file: in "param" when InParamDir, else FileName as it is.
  QString ListFile(const TInfoConfig& config) const;

 private:
  QString appDir_;
};
