#include <gtest/gtest.h>

#include "platform/codec/Gbk.h"
#include "registers/branches/BranchList.h"
#include "support/TempAppDir.h"

namespace {

TBranchList Loaded(const TempAppDir& dir, const QByteArray& gbkFile) {
  dir.Write("param/branch.xml", gbkFile);
  TBranchList list;
  list.Load(dir.File("param/branch.xml"));
  return list;
}

TEST(BranchList, readsEveryChildOfTheRootAsABranchWithItsCountersInOrder) {
  TempAppDir dir;
  const TBranchList list = Loaded(
      dir, codec::ToGbk(
               u"<?xml version=\"1.0\" encoding=\"GB2312\"?>\r\n"
               "<AreaCodeConf>"
               "<Branch><BranchCode> 110 </BranchCode><BranchName>北京分行</BranchName>"
               "<Counter><CounterNo>110001</CounterNo><CounterName>北京西城支行</CounterName>"
               "<UBankNo>313100000011</UBankNo></Counter>"
               "<Note>ignored</Note>"
               "<Counter><CounterNo>110002</CounterNo><CounterName>北京东城支行</CounterName>"
               "</Counter></Branch>"
               "<Whatever><BranchCode>310</BranchCode><BranchName>上海分行</BranchName></Whatever>"
               "<Branch><BranchCode>110</BranchCode><BranchName>北京第二分行</BranchName></Branch>"
               "</AreaCodeConf>"));
  ASSERT_EQ(list.Count(), 3);
  const TBranch* beijing = list.BranchAt(0);
  EXPECT_EQ(beijing->BranchCode, "110");
  EXPECT_EQ(beijing->BranchName, "北京分行");
  ASSERT_EQ(beijing->Counters.size(), 2);
  EXPECT_EQ(beijing->CounterAt(0)->UBankNo, "313100000011");
  EXPECT_EQ(beijing->CounterAt(1)->CounterName, "北京东城支行");
  EXPECT_EQ(beijing->CounterAt(1)->UBankNo, "");
  EXPECT_EQ(beijing->CounterAt(2), nullptr);
  EXPECT_EQ(beijing->IndexOfCounterNo("110002"), 1);
  EXPECT_EQ(beijing->IndexOfCounterNo("999"), -1);

  EXPECT_EQ(list.BranchAt(1)->BranchName, "上海分行");
  EXPECT_TRUE(list.BranchAt(1)->Counters.isEmpty());
  EXPECT_EQ(list.BranchAt(3), nullptr);
  EXPECT_EQ(list.BranchAt(-1), nullptr);
  EXPECT_EQ(list.IndexOfBranchCode("110"), 0);  // the first of two with the code
  EXPECT_EQ(list.IndexOfBranchCode("310"), 1);
  EXPECT_EQ(list.IndexOfBranchCode("440"), -1);
}

TEST(BranchList, aMissingBrokenOrForeignFileGivesAnEmptyTable) {
  TempAppDir dir;
  TBranchList missing;
  missing.Load(dir.File("param/branch.xml"));
  EXPECT_EQ(missing.Count(), 0);
  EXPECT_EQ(Loaded(dir, "<AreaCodeConf><Branch>").Count(), 0);
  EXPECT_EQ(
      Loaded(dir, "<BranchList><Branch><BranchCode>1</BranchCode></Branch></BranchList>").Count(),
      0);
}

TEST(BranchList, theShippedTableHasBranchesWithCounters) {
  TBranchList list;
  list.Load(QStringLiteral(REPOSITORY_DIR "/data/param/branch.xml"));
  ASSERT_GT(list.Count(), 0);
  for (const TBranch& branch : list.Branches()) {
    EXPECT_FALSE(branch.BranchName.isEmpty());
    EXPECT_FALSE(branch.Counters.isEmpty()) << branch.BranchCode.toStdString();
  }
}

}  // namespace
