#include "shell/DataMain.h"

TDataMain::TDataMain(const QString& appDir) : paths_(appDir), Registers(paths_), CertPay(paths_) {
  paths_.MakeWorkingDirs();
  Registers.Load();
  CertPay.Load();
}

QList<TDamagedFile> TDataMain::DamagedFiles() const {
  return Registers.DamagedFiles() + CertPay.DamagedFiles();
}
