#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "platform/prompts/ScriptedPrompts.h"

namespace {

QString Offered(const TScriptedPrompts& prompts) {
  return prompts.FileDialogs().back().Path;
}

TEST(RecentFolders, eachKindStartsWhereItsLastFileWasChosenAlsoInTheNextRun) {
  QTemporaryDir dir;
  const QString store = dir.filePath("param/RecentFolders.txt");
  ASSERT_TRUE(QDir(dir.path()).mkpath("param") && QDir(dir.path()).mkpath("批次"));
  const QString batches = dir.filePath("批次");
  {
    TScriptedPrompts prompts;
    prompts.KeepRecentFoldersIn(store);  // no store yet: no folder
    prompts.AnswerFile(batches + "/一月.txt");
    prompts.OpenFileOfKind(TFileKind::Batches, "打开", "*.txt");
    EXPECT_EQ(Offered(prompts), "");
    prompts.SaveFileOfKind(TFileKind::Batches, "保存", "*.txt", "导出.txt");
    EXPECT_EQ(Offered(prompts), batches + "/导出.txt");
    prompts.OpenFileOfKind(TFileKind::Registers, "打开", "*.xls");  // cancelled: nothing kept
    EXPECT_EQ(Offered(prompts), "");
  }
  TScriptedPrompts next;
  next.KeepRecentFoldersIn(store);
  next.OpenFileOfKind(TFileKind::Batches, "打开", "*.txt");
  EXPECT_EQ(Offered(next), batches);
  next.OpenFileOfKind(TFileKind::Registers, "打开", "*.xls");
  EXPECT_EQ(Offered(next), "");

  // A folder that is gone, or a damaged store, just means no folder.
  QDir(batches).removeRecursively();
  next.KeepRecentFoldersIn(store);
  next.OpenFileOfKind(TFileKind::Batches, "打开", "*.txt");
  EXPECT_EQ(Offered(next), "");
  QFile damaged(store);
  ASSERT_TRUE(damaged.open(QIODevice::WriteOnly));
  damaged.write("\xff\xfe\x00garbage\nBatches\n=x\n");
  damaged.close();
  next.KeepRecentFoldersIn(store);
  next.OpenFileOfKind(TFileKind::Batches, "打开", "*.txt");
  EXPECT_EQ(Offered(next), "");
}
}  // namespace
