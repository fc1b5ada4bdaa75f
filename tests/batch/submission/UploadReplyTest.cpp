#include <gtest/gtest.h>

#include "batch/submission/BatchUpload.h"
#include "session/transport/ResponseError.h"

namespace {

QString Reply(const QString& rootContent) {
  return "<?xml version=\"1.0\" encoding=\"GBK\"?>\r\n<ROOT>" + rootContent + "</ROOT>";
}

const QString kFigures =
    "<ITEMNUM>3</ITEMNUM><AMTNUM>1600.51</AMTNUM><CHECKERNAME>制单员</CHECKERNAME>"
    "<CHECKERID>001</CHECKERID>";
// Two rejections with empty children between them.
const QString kRejections =
    "<ERRITEMLIST><ERRITEM>002|6222|张三|6217|李四|账户不存在|</ERRITEM>"
    "<ERRITEM>  </ERRITEM><ERRITEM/><ERRITEM>003|a|b</ERRITEM></ERRITEMLIST>";

QString ErrorOf(const QString& reply) {
  try {
    ReadUploadReply(reply, 1);
  } catch (const EResponseError& e) {
    return e.Message();
  }
  return "(none)";
}

}  // namespace

TEST(UploadReply, rejectionsArePartialSuccessOnlyForTradeTypeOneWithSuccNum) {
  const QString partial = Reply(kFigures + "<SUCCNUM>1</SUCCNUM>" + kRejections);
  const TUploadVerdict one = ReadUploadReply(partial, 1);
  EXPECT_EQ(one.Kind, TUploadVerdict::PartialSuccess);
  EXPECT_EQ(one.Message,
            "单据提交部分成功\r\n\r\n合计笔数：1\r\n合计金额：1600.51\r\n"
            "操作员姓名：制单员\r\n操作员号码：001");
  ASSERT_EQ(one.Fails.size(), 2);
  EXPECT_EQ(one.Fails[1].SeqNo, "003");

  const TUploadVerdict two = ReadUploadReply(partial, 2);
  EXPECT_EQ(two.Kind, TUploadVerdict::Failure);
  EXPECT_EQ(two.ItemNum, "3");
  EXPECT_EQ(two.Fails.size(), 2);
  // Without SUCCNUM only ITEMNUM is needed.
  EXPECT_EQ(ReadUploadReply(Reply("<ITEMNUM>2</ITEMNUM>" + kRejections), 1).Kind,
            TUploadVerdict::Failure);
}

TEST(UploadReply, replyWithoutItemNumIsUnexpectedWithTheServiceNumber) {
  const TUploadVerdict verdict = ReadUploadReply(Reply("<AMTNUM>1</AMTNUM>"), 1, "010-12345678");
  EXPECT_EQ(verdict.Kind, TUploadVerdict::Unexpected);
  EXPECT_EQ(verdict.Message, "后端交易返回异常，请致电010-12345678咨询。");
}

TEST(UploadReply, unreadableOrIncompleteRepliesThrowTheMessageTheClerkSees) {
  // Without "ROOT" the common check answers by the reply's text.
  EXPECT_EQ(ErrorOf("<HTML><BODY>出错了</BODY></HTML>"), "网络通讯故障，请稍后再试！");
  EXPECT_EQ(ErrorOf("<html>503Service Unavailable</html>"),
            "返回信息为服务器暂时不能访问,原因可能是网银服务器忙或网络故障,请稍后再试!");
  const QString incomplete = "服务器返回信息不完整，请稍后再试！";
  EXPECT_EQ(ErrorOf(Reply("<ITEMNUM>3</ITEMNUM><AMTNUM>1</AMTNUM><CHECKERID>1</CHECKERID>")),
            incomplete);
  EXPECT_EQ(ErrorOf(Reply(kRejections)), incomplete);
  EXPECT_EQ(ErrorOf(Reply("<ITEMNUM>3</ITEMNUM><SUCCNUM>1</SUCCNUM>" + kRejections)), incomplete);
}
