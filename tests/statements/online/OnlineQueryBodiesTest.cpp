#include <gtest/gtest.h>

#include "core/SessionUser.h"
#include "platform/codec/Gbk.h"
#include "statements/online/DetailLinkQuery.h"
#include "statements/online/FlowLinkQuery.h"
#include "statements/online/OnlineReceipts.h"
#include "statements/records/StatementTable.h"

namespace {

TUSER User(int tradeType) {
  TUSER user;
  user.CustId = "3100012345";
  user.UserId = "001";
  user.SKey = "K1";
  user.TradeType = tradeType;
  return user;
}

QByteArray Start(const char* code) {
  return QByteArray("TXCODE=") + code +
         "&SKEY=K1&CUSTOMERID=3100012345&USERID=001&PT_LANGUAGE=CN&NVX_IBSVersion=V6&PT_STYLE=8"
         "&resType=HTM";
}

SelItem FullDetailQuery() {
  SelItem query;
  query.AccNo = "3100012345001";
  query.AccName = "维岭";
  query.AccBank = "上海";
  query.StartDate = "20240320";
  query.EndDate = "20240419";
  query.LowAmount = "1";
  query.HighAmount = "2.5";
  query.DcFlag = DirectionCode(1, 1);
  query.CounterName = "青禾";
  query.CounterAccNo = "622";
  query.Remark = "货款";
  query.Page = 2;
  query.PostStr = "40010 P2&AB";
  query.ReturnAll = "0";
  query.BatchOid = "B1";
  query.Oid1 = "O1";
  query.AccountStatus = "0";
  return query;
}

TEST(DetailLinkQuery, bodiesOfBothInterfacesCarryEveryConditionInItsCoding) {
  EXPECT_EQ(DetailAccountsBody(User(1)), Start("N00009"));
  EXPECT_EQ(DetailAccountsBody(User(0)), Start("610112"));
  SelItem query = FullDetailQuery();
  EXPECT_EQ(DetailQueryBody(User(1), query),
            Start("N00017") + "&AccNo=3100012345001&AccName=" + QString("维岭").toUtf8() +
                "&AccBank=" + QString("上海").toUtf8() +
                "&StDt=20240320&EdDt=20240419&Amt_LwrLmt_Val=1&Amt_UpLm_Val=2.5&DbtCrDrcCd=2"
                "&Cntrprt_AccNm=" +
                QString("青禾").toUtf8() + "&CntprtAcc=622&Rmrk=" + QString("货款").toUtf8() +
                "&PAGE=2&STS_TRACE_ID=40010%20P2%26AB");
  query.DcFlag = DirectionCode(1, 0);
  EXPECT_EQ(DetailQueryBody(User(0), query),
            Start("610721") +
                "&STARTDATE=20240320&ENDDATE=20240419&LOW_AMT=1&HIGH_AMT=2.5"
                "&BARGAIN_FLAG=1&CHECK_ACC_NAME=" +
                codec::ToGbk(u"青禾") + "&CHECK_ACC_NO=622&REMARK=" + codec::ToGbk(u"货款") +
                "&ACCNO1=3100012345001&PAGE=2&POSTSTR=40010%20P2%26AB");
  EXPECT_TRUE(DetailExcelBody(User(1), FullDetailQuery())
                  .endsWith("&DOWNLOAD_FLAG=1&DOWNLOAD_TYPE=ECTIPDOWNLOADEXCEL"
                            "&clientFileName=3100012345001.xls"));
  EXPECT_EQ(DetailExcelBody(User(0), query),
            Start("610724") +
                "&DOWNLOAD_FLAG=1&DOWNLOAD_TYPE=ECTIPDOWNLOADEXCEL&clientFileName=3100012345001.xls"
                "&RETURN_ALL=0&BATCH_OID=B1&OID=O1&STARTDATE=20240320&ENDDATE=20240419&LOW_AMT=1"
                "&HIGH_AMT=2.5&BARGAIN_FLAG=1&CHECK_ACC_NAME=" +
                codec::ToGbk(u"青禾") + "&CHECK_ACC_NO=622&REMARK=" + codec::ToGbk(u"货款") +
                "&ACCNO1=3100012345001&POSTSTR=40010 P2%26AB&ACCOUNTSTATUS=0");
  EXPECT_EQ(QStringList({DirectionCode(0, 1), DirectionCode(2, 1), DirectionCode(0, 0),
                         DirectionCode(2, 0)}),
            QStringList({"0", "1", "", "0"}));
}

TEST(DetailLinkQuery, datesAndTheThreeMonthRule) {
  EXPECT_TRUE(WithinThreeMonths("20260101", "20260331"));
  EXPECT_FALSE(WithinThreeMonths("20260101", "20260402"));
  EXPECT_TRUE(WithinThreeMonths("20261115", "20270214"));
  EXPECT_FALSE(WithinThreeMonths("20261115", "20280101"));
  EXPECT_TRUE(WithinThreeMonths("20260405", "20260705"));
  EXPECT_FALSE(WithinThreeMonths("20260405", "20260706"));
  EXPECT_EQ(DateFieldProblem("2026013", true), "");
  EXPECT_EQ(DateFieldProblem("2026a101", true), "起始日期输入项应为整数！");
  EXPECT_EQ(DateFieldProblem("20261301", false),
            "截止日期输入格式不合法！正确输入应为YYYYMMDD格式！");
  EXPECT_EQ(CheckDetailConditions("20260101", "20260402", "", "").Message,
            "查询时间段不能超过3个月！");
  EXPECT_EQ(CheckDetailConditions("20260101", "20260301", "9", "1").Message,
            "交易金额下限大于金额上限，请重新输入！");
}

TEST(FlowLinkQuery, bodiesStateCodesAndTheSpreadsheetName) {
  TFlowSelItem query;
  query.DjType = FlowStateCode(9, 1);  // 银行已汇出
  query.DateType = DateKindCode(1, 1);
  query.BeginDate = "20240320";
  query.EndDate = "20240419";
  query.RevName = "青禾";
  EXPECT_EQ(FlowStateChoices(1).value(9), "银行已汇出");
  EXPECT_EQ(FlowQueryBody(User(1), query),
            Start("NN4101") +
                "&Pcs_St=a&Enqr_Dt_TpCd=2&Enqr_StDt=20240320&Enqr_CODt=20240419&Enqr_Strt_Amt="
                "&Tmt_Amt=&Vchr_No=&RcvPtAc_Nm=" +
                QString("青禾").toUtf8() + "&RcvPrt_Cst_AccNo=&Pyr_Cst_AccNo=&PAGE=1");
  EXPECT_EQ(FlowExcelBody(User(1), query),
            "TXCODE=NN4102&SKEY=K1&CUSTOMERID=3100012345&USERID=001&PT_LANGUAGE=CN&Pcs_St=a"
            "&Enqr_Dt_TpCd=2&Enqr_StDt=20240320&Enqr_CODt=20240419&Enqr_Strt_Amt=&Tmt_Amt="
            "&Vchr_No=&RcvPtAc_Nm=" +
                QString("青禾").toUtf8() +
                "&RcvPrt_Cst_AccNo=&Pyr_Cst_AccNo=&radiobutton=3&ISALL=1"
                "&clientFileName=20240320--20240419.xls");
  query.DjType = FlowStateCode(4, 0);  // 失败单据
  query.DateType = DateKindCode(1, 0);
  EXPECT_EQ(FlowQueryBody(User(0), query),
            Start("671901") +
                "&DJTYPE=4&DATE_TYPE=1&BEGINDATE=20240320&ENDDATE=20240419"
                "&STARTMONEY=&ENDMONEY=&CREDITNO=&REVNAME=" +
                codec::ToGbk(u"青禾") + "&REVACCNO=&ACCNO=&PAGE=1");
  EXPECT_TRUE(FlowExcelBody(User(0), query).startsWith("TXCODE=671905&SKEY=K1"));
  EXPECT_EQ(CheckFlowConditions("2026011", "", "", "").Message,
            "起止日期输入格式不合法！正确输入应为YYYYMMDD格式！");
  EXPECT_EQ(CheckFlowConditions("20260230", "", "", "").Message,
            "起始日期输入格式不合法！正确输入应为YYYYMMDD格式！");
  EXPECT_TRUE(CheckFlowConditions("", "", "", "").Message.isEmpty());
}

TEST(OnlineReceipts, countsAreAskedAndReportedAsTheBankKeepsThem) {
  StatementTable table(DetailRow());
  table.Append();
  table.SetText("交易日期", u"20261101");
  table.SetText("借贷标志", u"贷方");
  table.SetAmount("发生额", *TAmount::Parse(u"1234.5"));
  table.SetText("对方户名", u"青禾");
  table.SetText("对方账号", u"622");
  table.SetText("付款单位", u"维岭");
  table.SetText("付款账号", u"3100012345001");
  table.SetText("付款开户行", u"上海分行");
  table.SetText("账户明细编号", u"4001");
  TFormHisDetailRepLink receipt = DetailReceiptOf(table, 1);
  EXPECT_EQ(receipt.Payer.Name, "青禾");
  EXPECT_EQ(receipt.Payer.Bank, "");
  EXPECT_EQ(receipt.Payee.Bank, "上海分行");
  EXPECT_EQ(receipt.Amount, "￥1234.50元");
  EXPECT_EQ(receipt.AmountInWords, "壹仟贰佰叁拾肆元伍角");
  EXPECT_EQ(DetailCountBody(User(1), receipt, false),
            Start("610732") + "&ACC_NO=622&ACC_SEQ_NO=4001&SEARCH_TYPE=0");
  EXPECT_EQ(
      DetailCountBody(User(1), receipt, true),
      Start("610732") + "&ACC_NO=622&ACC_SEQ_NO=4001&SEARCH_TYPE=0&AMT=1234.50&DATE=20261101");
  receipt.PrintCount = 0;
  EXPECT_EQ(
      AfterDetailPrint(User(1), receipt),
      Start("610732") + "&ACC_NO=622&ACC_SEQ_NO=4001&SEARCH_TYPE=1&AMT=1234.50&DATE=20261101");
  EXPECT_EQ(receipt.PrintCountLine, "第1次补打");
  EXPECT_EQ(receipt.PrintCount, 1);

  TFormHisDealRepLink deal;
  deal.VoucherNo = "ZZ7 ";
  EXPECT_TRUE(AfterDealPrint(User(0), deal).isEmpty());
  deal.PrintCountLine = "第9次补打。";
  EXPECT_EQ(AfterDealPrint(User(0), deal), Start("671904") + "&CREDITNO=ZZ7&FLAG=9");
  EXPECT_EQ(deal.PrintCountLine, "第9次补打。");
  deal.PrintCountLine = "第12次补打。";
  EXPECT_TRUE(AfterDealPrint(User(0), deal).endsWith("&FLAG=12"));
  deal.PrintCountLine = "第3次补打。";
  AfterDealPrint(User(0), deal);
  EXPECT_EQ(deal.PrintCountLine, "第4次补打");
  EXPECT_EQ(DealCountBody(User(1), deal, "WF1"),
            Start("NN410P") + "&Vchr_No=ZZ7&WF_BIZ_ID=WF1&Bnk_Chnl=1");
  EXPECT_EQ(DealCountBody(User(0), deal, {}), Start("671906") + "&CREDITNO=ZZ7");
}

}  // namespace
