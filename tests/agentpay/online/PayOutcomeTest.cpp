#include <gtest/gtest.h>

#include "agentpay/online/Pay661Outcome.h"
#include "agentpay/online/PayOutcome.h"
#include "agentpay/online/PayPoll.h"
#include "core/SessionUser.h"
#include "platform/codec/Gbk.h"
#include "session/transport/GetData.h"

namespace {

TUSER User() {
  TUSER user;
  user.CustId = "3100012345";
  user.UserId = "001";
  user.SKey = "K1";
  user.AgentType = 1;
  return user;
}

TEST(PayOutcome, summariesAreReadAndSentBackInTheirOrder) {
  pugi::xml_document doc;
  LoadReply(doc,
            "<ROOT><VchID>DF1</VchID><TRAN_TYPE>1</TRAN_TYPE><FILE_NM>工资.txt</FILE_NM>"
            "<SEL_USER_MODE_CD>18</SEL_USER_MODE_CD><TDnum>2</TDnum><SRP_TxnAmt>30.50</SRP_TxnAmt>"
            "<ITEMLIST><ITEM><WF_EXTR_ID>201</WF_EXTR_ID><WF_EXTR_NM>复核甲</WF_EXTR_NM></ITEM>"
            "</ITEMLIST><TimeOut>3000</TimeOut><TxnSrlNo>S9</TxnSrlNo></ROOT>");
  const TQueryFileResultResult upload = ReadFileResult(ReplyRoot(doc));
  EXPECT_EQ(upload.Reviewers, QList<TPayReviewer>({{"201", "复核甲"}}));
  const QByteArray head =
      "CUSTOMERID=3100012345&USERID=001&TXCODE=N17146&SKEY=K1&PT_LANGUAGE=CN&STY_MAP=8"
      "&resType=HTM&VchID=DF1&P_TPL_NO=&TRAN_TYPE=1&VCHR_TP_CODE=&SBSTRCVPY_PRJ_TPCD="
      "&Prj_Use_ID=&Entrst_Prj_ID=&CCY_ID=&Py_Per_Qot=&SEL_USER_MODE_CD=18&FILE_NM=" +
      QString("工资.txt").toUtf8() +
      "&Orig_File_Nm=&EtrUnt_AccNo=&SRP_TxnAmt=30.50&TDnum=2&SCSP_Smy_Dsc=&PASSWORD=12%263456";
  const TSecretBytes password = SecretGbk(u"12&3456");
  EXPECT_EQ(ConfirmN17Body(User(), upload, password, nullptr).View(), head);
  EXPECT_EQ(ConfirmN17Body(User(), upload, password, &upload.Reviewers[0]).View(),
            head + "&WF_EXTR_ID=201&WF_EXTR_NM=" + QString("复核甲").toUtf8());

  const TQueryResultReq document = ResultRequestOf(upload, ReplyRoot(doc));
  EXPECT_EQ(DocumentPollBody(User(), document),
            "CUSTOMERID=3100012345&USERID=001&TXCODE=N17145&SKEY=K1&PT_LANGUAGE=CN&STY_MAP=8"
            "&resType=HTM&VchID=DF1&P_TPL_NO=&TRAN_TYPE=1&VCHR_TP_CODE=&SBSTRCVPY_PRJ_TPCD="
            "&SEL_USER_MODE_CD=18&EtrUnt_AccNo=&SRP_TxnAmt=30.50&TimeOut=3000&secTimes="
            "&TxnSrlNo=S9&WF_EXTR_NM=");

  TQueryFileResultRequest file = ReadFileRequest(ReplyRoot(doc));
  file.Prj_Use_Nm = "月薪";
  EXPECT_EQ(FilePollBody(User(), file),
            "CUSTOMERID=3100012345&USERID=001&TXCODE=N17144&SKEY=K1&PT_LANGUAGE=CN&STY_MAP=8"
            "&resType=HTM&VCHR_TP_CODE=&SBSTRCVPY_PRJ_TPCD=&Entrst_Prj_ID=&Prj_Use_ID="
            "&Prj_Use_Nm=" +
                QString("月薪").toUtf8() +
                "&CCY_ID=&Py_Per_Qot=&FILE_NM=" + QString("工资.txt").toUtf8() +
                "&Orig_File_Nm=&TimeOut=3000&secTimes=&TxnSrlNo=S9&EtrUnt_AccNo=");
}

}  // namespace

namespace {

TEST(Pay661Outcome, theConfirmationSendsTheShownValuesAndTheReviewers) {
  pugi::xml_document doc;
  LoadReply(doc,
            "<ROOT><PAYNUM>2</PAYNUM><PAYTIME>20261210093005</PAYTIME><AMTNUM>30.50</AMTNUM>"
            "<USE>工资</USE><ACCNO>3100067890001</ACCNO><CREDITNO>C9</CREDITNO>"
            "<SELECTOPER>1</SELECTOPER><CHECKLIST><CHECK><CHECKID>201</CHECKID>"
            "<CHECKNAME>甲</CHECKNAME></CHECK><CHECK><CHECKID>202</CHECKID>"
            "<CHECKNAME>乙</CHECKNAME></CHECK></CHECKLIST></ROOT>");
  TPay661Upload upload = Read661Upload(ReplyRoot(doc));
  EXPECT_EQ(UploadTimeText(upload.PayTime), "2026-12-10 09:30:05");
  TUSER user = User();
  const QByteArray gbk = codec::ToGbk(u"工资");
  const QByteArray tail = "&CHECK_ID=201&CHECK_NAME=" + codec::ToGbk(u"甲") +
                          "&CHECK_ID=202&CHECK_NAME=" + codec::ToGbk(u"乙");
  const QByteArray all =
      "PASSWD=123456&TXCODE=661223&SKEY=K1&CUSTOMERID=3100012345&USERID=001&CREDIT_NO=C9"
      "&ACCNO1=3100067890001&IS_PAY=1&AMOUNT=30.50&USE=" +
      gbk + "&PROCESSIDX=&IS_ENCRYPT=&TXFLAG=&USEOF_CODE=&IS_MANAGER=&BILLDESC=&SELECTOPER=1" +
      tail +
      "&BILL_CODE=&IS_CHECKACC=&SEND_FILE=&MD5=&TOTAL_NUM=2&ECTIPFLAG=2&PT_LANGUAGE=CN&ISCORR=0"
      "&STY_MAP=8&resType=HTM";
  const TSecretBytes password = SecretGbk(u"123456");
  EXPECT_EQ(Confirm661Body(user, upload, "1", "2", nullptr, password).View(), all);
  upload.SelectOper = "0";
  const QByteArray one =
      Confirm661Body(user, upload, "1", "2", &upload.Reviewers[1], password).View().toByteArray();
  EXPECT_TRUE(
      one.contains("&SELECTOPER=0&CHECK_ID=202&CHECK_NAME=" + codec::ToGbk(u"乙") + "&BILL_CODE="));

  LoadReply(doc,
            "<ROOT><CREDITNO>C9</CREDITNO><CHECKNAMELIST><CHECKNAME>甲</CHECKNAME>"
            "<CHECKNAME>乙</CHECKNAME></CHECKNAMELIST></ROOT>");
  EXPECT_EQ(Success661Text(ReplyRoot(doc)),
            "制单成功！请尽快复核！\r\n凭证号：C9\r\n请等待下一级复核员复核：\r\n  甲\r\n  乙\r\n");
  EXPECT_EQ(N17SuccessText("1", "DF1"), "尊敬的客户:\r\n您的批量代扣制单操作成功！\r\n凭证号：DF1");
}

TEST(PayPoll, theBanksWaitIsHeldToOneToSixtySeconds) {
  for (const auto& [timeOut, ms] :
       std::initializer_list<std::pair<const char*, int>>{{"", 1000},
                                                          {"soon", 1000},
                                                          {"0", 1000},
                                                          {"-5", 1000},
                                                          {"1500", 1500},
                                                          {" 3000 ", 3000},
                                                          {"60001", 60000},
                                                          {"99999999999999", 60000}})
    EXPECT_EQ(PollWaitMs(timeOut), ms) << timeOut;
}

}  // namespace
