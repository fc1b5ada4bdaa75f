#pragma once

#include <QList>
#include <QString>

#include "certpay/store/CertPayStore.h"
#include "core/AppPaths.h"
#include "core/RegisterList.h"
#include "registers/store/RegisterStore.h"

// The shared data of the run: the program directory with its working
// directories, and the stores of the subsystems, which the screen registry
// hands to the screens.
class TDataMain {
 public:
  // Creates "param", "dfdk" and "BatchLog" under the program directory when
  // missing and loads the registers of every subsystem.
  explicit TDataMain(const QString& appDir);

  TDataMain(const TDataMain&) = delete;
  TDataMain& operator=(const TDataMain&) = delete;

  const TAppPaths& Paths() const { return paths_; }

  // Register files found at start that could not be read, of every store.
  QList<TDamagedFile> DamagedFiles() const;

 private:
  TAppPaths paths_;

 public:
  TRegisterStore Registers;
  TCertPayStore CertPay;
};
