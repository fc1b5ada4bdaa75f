#pragma once

#include "core/AppPaths.h"
#include "registers/store/RegisterStore.h"

// The register store of a program directory as the program starts it: the
// working directories made and the registers loaded.
class TStartedRegisters : public TRegisterStore {
 public:
  explicit TStartedRegisters(const QString& appDir) : TRegisterStore(Prepared(appDir)) { Load(); }

 private:
  static TAppPaths Prepared(const QString& appDir) {
    TAppPaths paths(appDir);
    paths.MakeWorkingDirs();
    return paths;
  }
};
