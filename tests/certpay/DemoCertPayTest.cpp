#include <gtest/gtest.h>

#include <QFile>

#include "certpay/store/CertPayStore.h"
#include "support/TempAppDir.h"

// The central-finance files shipped for the demo company (data/demo) are files
// as the program itself writes them.
namespace {

QByteArray DemoFile(const QString& name) {
  QFile file(QStringLiteral(REPOSITORY_DIR "/data/demo/") + name);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(DemoCertPay, filesLoadAndWriteBackUnchanged) {
  TempAppDir dir;
  TAppPaths paths(dir.Path());
  paths.MakeWorkingDirs();
  const QString names[] = {"CertPayer.xml", "CertPayee.xml", "CertAddInfo.xml", "CertPayInfo.xml"};
  for (const QString& name : names) dir.Write("param/" + name, DemoFile(name));
  TCertPayStore store(paths);
  store.Load();
  EXPECT_TRUE(store.DamagedFiles().isEmpty());
  EXPECT_EQ(store.CertPayers.Count(), 2);
  EXPECT_EQ(store.CertPayees.Count(), 4);
  EXPECT_EQ(store.CertAddInfos.Count(), 3);
  EXPECT_EQ(store.Documents().Count(), 4);
  store.SaveList(store.CertPayers, info_configs::CertPayers());
  store.SaveList(store.CertPayees, info_configs::CertPayees());
  store.SaveList(store.CertAddInfos, info_configs::CertAddInfos());
  store.SaveDocuments(store.Documents());
  for (const QString& name : names)
    EXPECT_EQ(dir.Read("param/" + name), DemoFile(name)) << name.toStdString();
}

}  // namespace
