#include <gtest/gtest.h>

#include "agentpay/online/PayLists.h"
#include "agentpay/online/PayUpload.h"
#include "core/SessionUser.h"
#include "platform/codec/Gbk.h"
#include "session/transport/GetData.h"

namespace {

TUSER User(qint32 agentType) {
  TUSER user;
  user.CustId = "3100012345";
  user.UserId = "001";
  user.SKey = "K&1";
  user.AgentType = agentType;
  return user;
}

TEST(PayLists, bodiesOfBothGenerationsAndTheListsTheyBringBack) {
  EXPECT_EQ(ListsBody(User(1), TPayMode::Collect),
            "CUSTOMERID=3100012345&USERID=001&TXCODE=N17101&SKEY=K%261&PT_LANGUAGE=CN&STY_MAP=8"
            "&resType=HTM&VCHR_TP_CODE=1&TRAN_TYPE=1");
  EXPECT_EQ(ListsBody(User(0), TPayMode::Pay),
            "CUSTOMERID=3100012345&USERID=001&TXCODE=661201&SKEY=K%261&PT_LANGUAGE=CN&TXFLAG=0"
            "&STY_MAP=8&resType=HTM");
  EXPECT_EQ(ListsBody(User(-1), TPayMode::Collect),
            "CUSTOMERID=3100012345&USERID=001&TXCODE=661201&SKEY=K%261&TXFLAG=1&STY_MAP=8"
            "&resType=HTM");
  EXPECT_EQ(PayMainPlatPath(User(1)), "/NNVX/NECV6B2BMainPlat");
  EXPECT_EQ(PayMainPlatPath(User(0)), "/NNVX/NECV5B2BMainPlat");

  pugi::xml_document doc;
  LoadReply(doc,
            "<ROOT><ITEMLIST><I><ITEMNO>a1</ITEMNO><ITEMID>B01</ITEMID><ITEMECTIP>1</ITEMECTIP>"
            "<ITEMNAME>工资</ITEMNAME></I></ITEMLIST><USELIST>"
            "<U><USENO>A1</USENO><USENAME>月薪</USENAME><USEID>01</USEID><MODEID>M2</MODEID>"
            "<LOCKED>1</LOCKED></U><U><USENO>a2</USENO><USENAME>奖金</USENAME></U>"
            "</USELIST><CUST_ID>3100012345</CUST_ID><USERID>001</USERID><SKEY>K2</SKEY>"
            "<TX_CODE>T</TX_CODE></ROOT>");
  const TPayModeLists lists = Read661Lists(ReplyRoot(doc));
  ASSERT_EQ(lists.Items.size(), 1);
  EXPECT_EQ(lists.Items[0].ItemCaption, "工资");
  EXPECT_EQ(lists.Items[0].FileSize, "");
  const QList<TPayUse> uses = lists.UsesOf(lists.Items[0]);
  ASSERT_EQ(uses.size(), 1);
  EXPECT_EQ(uses[0].ModeId, "M2");
  TUSER user = User(0);
  TakeSessionFields(ReplyRoot(doc), user);
  EXPECT_EQ(user.SKey, "K2");
}

TEST(PayUpload, pathsCodesAndTheEndSignOfTheFile) {
  const auto request = [](qint32 agentType, const char* ectip) {
    const TPayUploadRequest r = PayUploadRequestFor(User(agentType), ectip);
    return (r.Path + " " + r.TxCode).toStdString();
  };
  EXPECT_EQ(request(1, "0"), "/NNVX/NECV6NEWB2BFile4BIGFILE N17141");
  EXPECT_EQ(request(0, " 0 "), "/NNVX/NECV5B2BFile 661202");
  EXPECT_EQ(request(-1, "1"), "/NNVX/NECV5B2BFile4VIP 661802");
  EXPECT_EQ(request(0, "2"), "/NNVX/NECV5B2BFile4VIP 661202");

  EXPECT_EQ(UploadFileLines({"a|b|", "c|d", "|", ""}, "|", false), QStringList({"a|b", "c|d"}));
  EXPECT_EQ(UploadFileLines({"a|b", ""}, "|", true), QStringList({"a|b|", "|"}));
}

TEST(PayUpload, bodiesPartByPart) {
  TPaySubmission chosen;
  chosen.Mode = TPayMode::Collect;
  chosen.Item = {"a1", "B01", "1", "水费", "200"};
  chosen.Use = {"a1", "月费", "01", "M2", "1"};
  chosen.ItemText = "水费";
  chosen.UseText = "月费";
  chosen.TotalCount = "2";
  chosen.TotalAmount = "30.5";
  const QString d = "-----------------------------7d819b381f0a8e\r\n";
  const auto part = [&](const char* name, const QString& value) {
    return d + "Content-Disposition: form-data; name=\"" + name + "\"\r\n\r\n" + value + "\r\n";
  };
  const QString file = d +
                       "Content-Disposition: form-data; name=\"SEND_FILE\"; "
                       "filename=\"C:\\Paytmp.txt\"\r\nContent-Type: text/plain\r\n\r\n"
                       "张三|10\r\n李四|20.5\r\n\r\n";
  const QString expected =
      file + part("use", "01|M2|1|") + part("TOTALNUM", "2") + part("TOTALAMOUNT1", "30.5") +
      part("TOTALAMOUNT", "30.5") + part("ISLOCKED", "1") + part("FILESIZE", "200") +
      part("USE", "月费") + part("BILLDESC", "水费") + part("TXFLAG", "1") +
      part("BILL_CODE", "B01") + part("USEOF_CODE", "01") + part("TEMPLATE_CODE", "M2") +
      part("IS_ENCRYPT", "1") + part("TXCODE", "661802") + part("CUSTOMERID", "3100012345") +
      part("USERID", "001") + part("SKEY", "K&1") + part("STY_MAP", "8") + part("resType", "HTM") +
      part("PT_LANGUAGE", "CN") + "-----------------------------7d819b381f0a8e--\r\n";
  EXPECT_EQ(Upload661Body({"张三|10", "李四|20.5"}, chosen, User(0), "661802").View(),
            codec::ToGbk(expected));
  EXPECT_EQ(
      PayUploadHeader(),
      "Content-Type: multipart/form-data; boundary=---------------------------7d819b381f0a8e");

  TPayModeLists lists;
  lists.PyPerQot = "9";
  lists.CcyId = "156";
  const QByteArray n17 = N17UploadBody({"x|1"}, chosen, lists, User(1)).View().toByteArray();
  EXPECT_TRUE(n17.contains("filename=\"C:\\Paytmpnew.txt\""));
  // The use's caption alone goes as UTF-8.
  EXPECT_TRUE(n17.contains("name=\"Prj_Use_Nm\"\r\n\r\n" + QString("月费").toUtf8() + "\r\n"));
  EXPECT_TRUE(n17.contains("name=\"SBSTRCVPY_PRJ_TPCD\"\r\n\r\n1\r\n"));
  EXPECT_TRUE(n17.contains("name=\"Py_Per_Qot\"\r\n\r\n9\r\n"));
}

}  // namespace
