#include <gtest/gtest.h>

#include "agentpay/online/PayResultFiles.h"
#include "agentpay/online/PayResults.h"
#include "core/SessionUser.h"
#include "session/transport/GetData.h"

namespace {

TUSER User(int agentType) {
  TUSER user;
  user.CustId = "3100067890";
  user.UserId = "001";
  user.SKey = "K1";
  user.AgentType = agentType;
  return user;
}

TEST(PayResults, theConditionsAreCheckedInTheirOrder) {
  const auto message = [](const char* from, const char* to, const char* low, const char* high) {
    return CheckConditions(from, to, low, high, "20260301").Message;
  };
  EXPECT_EQ(message("", "", "", ""), "");
  EXPECT_EQ(message("2026120", "", "", ""), "起止日期输入格式不合法！正确输入应为YYYYMMDD格式！");
  EXPECT_EQ(message("20261301", "", "", ""), "起止日期输入格式不合法！正确输入应为YYYYMMDD格式！");
  EXPECT_EQ(message("2026a101", "", "", ""), "起止日期输入格式不合法！正确输入应为YYYYMMDD格式！");
  EXPECT_EQ(message("20260228", "", "", ""),
            "系统升级之前的流水请到网银页面查询，升级日期[20260301]");
  EXPECT_EQ(message("20260301", "20261232", "", ""),
            "截止日期输入格式不合法！正确输入应为YYYYMMDD格式！");
  EXPECT_EQ(message("", "", "1e5", ""), "交易金额格式不合法！标准格式为100表示100.00。");
  EXPECT_EQ(CheckConditions("", "", "", "0.001", "").Field, TConditionProblem::HighAmount);
  EXPECT_EQ(message("", "", "100", "99.99"), "交易金额下限大于金额上限，请重新输入！");
  EXPECT_EQ(message("", "", "100", "100"), "");
}

TEST(PayResults, pagesOfBothInterfacesWithTheirStateTexts) {
  pugi::xml_document doc;
  LoadReply(
      doc,
      "<ROOT><PAGE>2</PAGE><TOTAL_PAGE>3</TOTAL_PAGE><ITEMLIST><ITEM><VchID> DF1 </VchID>"
      "<Vchr_St>904</Vchr_St><ISDOWNLOAD>1</ISDOWNLOAD><Btch_ID>B1</Btch_ID></ITEM></ITEMLIST>"
      "</ROOT>");
  const TPayResultPage n17 = ReadResultPage(User(1), ReplyRoot(doc));
  EXPECT_EQ(n17.Page, 2);
  EXPECT_EQ(n17.Pages, 3);
  ASSERT_EQ(n17.Docs.size(), 1);
  EXPECT_EQ(n17.Docs[0].CreditNo, "DF1");
  EXPECT_EQ(n17.Docs[0].StateText, "账务系统处理完成");
  EXPECT_EQ(ResultFileNameBody(User(1), n17.Docs[0], "2"),
            "TXCODE=N19107&SKEY=K1&CUSTOMERID=3100067890&USERID=001&PT_LANGUAGE=CN"
            "&NVX_IBSVersion=V6&PT_STYLE=8&resType=HTM&VchID=DF1&Btch_ID=B1&Txn_Jrnl_ID="
            "&Fmt_File_TpCd=2");

  LoadReply(doc,
            "<ROOT><PAGE>1</PAGE><PAGES>1</PAGES><FILETYPE>false</FILETYPE><BILLLIST>"
            "<BILL><STATUS>3</STATUS><ISDOWNLOAD>1</ISDOWNLOAD><ISECTIP>1</ISECTIP>"
            "<FILENAME>r.txt</FILENAME></BILL>"
            "<BILL><STATUS>3</STATUS><ISDOWNLOAD>1</ISDOWNLOAD><ISECTIP>0</ISECTIP>"
            "<FILENAME>r.txt</FILENAME></BILL>"
            "<BILL><STATUS>Z</STATUS><ISDOWNLOAD>1</ISDOWNLOAD></BILL></BILLLIST></ROOT>");
  const TPayResultPage old = ReadResultPage(User(0), ReplyRoot(doc));
  ASSERT_EQ(old.Docs.size(), 3);
  EXPECT_EQ(old.Docs[0].Contents, "全部，成功，失败");
  EXPECT_EQ(File661Name(old.Docs[0]), "r.txt.zip");
  EXPECT_EQ(old.Docs[1].Contents, "全部");
  EXPECT_EQ(File661Name(old.Docs[1]), "r.txt");
  EXPECT_EQ(old.Docs[2].StateText, "");
  EXPECT_EQ(old.Docs[2].Contents, "");
}

TEST(PayResultFiles, theBanksPathIsSplitAtItsLastSlash) {
  const TRemoteFile nested = SplitRemoteFile("/a/b/r.txt");
  EXPECT_EQ(nested.Path, "/a/b");
  EXPECT_EQ(nested.Name, "r.txt");
  EXPECT_EQ(N17FileBody(User(1), nested),
            "TXCODE=&SKEY=K1&CUSTOMERID=3100067890&USERID=001&PT_LANGUAGE=CN&NVX_IBSVersion=V6"
            "&FILEPATH=/a/b&SOURCE=r.txt&FILENAME=r.txt&NAMEFLAG=1&LOCAL_REMOTE=1&IS_VERIFY=0");
  EXPECT_TRUE(N17FileBody(User(1), SplitRemoteFile("r.txt")).contains("&FILEPATH=&SOURCE=r.txt&"));
  EXPECT_EQ(File661Body(User(0), "Fr.txt.zip"),
            "SKEY=K1&CUSTOMERID=3100067890&USERID=001&FILEPATH=B2B.customer.bill&FILENAME="
            "&SOURCE=Fr.txt.zip&NAMEFLAG=1&LOCAL_REMOTE=0&IS_VERIFY=0&TXCODE=660702");
}

}  // namespace
