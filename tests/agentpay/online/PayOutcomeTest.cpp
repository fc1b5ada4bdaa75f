#include <gtest/gtest.h>

#include "agentpay/online/PayOutcome.h"
#include "core/SessionUser.h"
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
