#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>

#include "shell/DataMain.h"
#include "support/TempAppDir.h"

namespace {

TEST(DataMain, createsTheWorkingDirectoriesAndNamesFilesBelowThem) {
  TempAppDir dir;
  dir.Write("param/keep.txt", "x");  // an existing directory is left alone
  const TDataMain data(dir.Path() + "/");
  for (const char* name : {"param", "dfdk", "BatchLog"})
    EXPECT_TRUE(QFileInfo(dir.File(name)).isDir()) << name;
  EXPECT_EQ(dir.Read("param/keep.txt"), "x");

  const QString app = QDir(dir.Path()).absolutePath() + "/";
  const TAppPaths& paths = data.Paths();
  EXPECT_EQ(paths.AppDir(), app);
  EXPECT_EQ(TDataMain(dir.Path()).Paths().AppDir(), app);
  EXPECT_EQ(paths.ParamFile("Payer.xml"), app + "param/Payer.xml");
  EXPECT_EQ(paths.DfdkFile("templet.xml"), app + "dfdk/templet.xml");
  EXPECT_EQ(paths.DfdkDir(), app + "dfdk");
  EXPECT_EQ(paths.BatchLogFile("a.txt"), app + "BatchLog/a.txt");
  EXPECT_EQ(paths.HelpFile(), app + "param/help.html");
  EXPECT_TRUE(data.Registers.Payers.IsEmpty());
  EXPECT_TRUE(data.CertPay.CertPayInfos.IsEmpty());
  EXPECT_TRUE(data.Registers.LastPayerAccount.isEmpty());
}

}  // namespace
