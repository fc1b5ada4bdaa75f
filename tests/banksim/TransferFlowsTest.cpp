#include <gtest/gtest.h>

#include <QDate>
#include <QJsonObject>
#include <QSet>

#include "SimClient.h"
#include "platform/codec/Gbk.h"
#include "platform/spreadsheet/XlsFormat.h"
#include "support/BankSim.h"

namespace {

using TRows = QList<QMap<QString, QString>>;

QByteArray Day(int offset) {
  return QDate::currentDate().addDays(offset).toString("yyyyMMdd").toLatin1();
}

QStringList Column(const TRows& rows, const QString& key) {
  QStringList values;
  for (const auto& row : rows) values << row[key];
  return values;
}

QSet<QString> Distinct(const TRows& rows, const QString& key) {
  const QStringList values = Column(rows, key);
  return {values.begin(), values.end()};
}

// A batch line of an own-bank transfer from the payer account.
QByteArray BatchLine(const QString& seq, const QString& payer, const QString& payee,
                     const QString& amount) {
  return codec::ToGbk(seq + "|维岭示范贸易有限公司|" + payer + "|310|" + payee +
                      "|张三|310|陆家嘴支行| |310001|1|" + amount + "|01|货款| | |");
}

class BankSimTransferFlows : public ::testing::Test {
 protected:
  void SetUp() override {
    newKey = client.Logon("3100012345", "001", "a12345").Element("SKEY");
    oldKey = client.Logon("3100067890", "001", "c12345").Element("SKEY");
  }

  QByteArray NewHead(const QByteArray& code) const {
    return TSimClient::SessionBody(code, newKey, "3100012345", "001");
  }
  QByteArray OldHead(const QByteArray& code) const {
    return TSimClient::SessionBody(code, oldKey, "3100067890", "001");
  }
  // The first field of a name counts: the conditions given come before the
  // defaults (every document, by the day it was made, page 1).
  TSimReplyData NewFlows(const QByteArray& conditions = {}) {
    return client.Post(kV6, NewHead("NN4101") + conditions +
                                "&Pcs_St=&Enqr_Dt_TpCd=1&Enqr_StDt=&Enqr_CODt=&Enqr_Strt_Amt="
                                "&Tmt_Amt=&Vchr_No=&RcvPtAc_Nm=&RcvPrt_Cst_AccNo=&Pyr_Cst_AccNo="
                                "&PAGE=1");
  }
  TSimReplyData OldFlows(const QByteArray& conditions = {}) {
    return client.Post(kV5, OldHead("671901") + conditions +
                                "&DJTYPE=0&DATE_TYPE=0&BEGINDATE=&ENDDATE=&STARTMONEY="
                                "&ENDMONEY=&CREDITNO=&REVNAME=&REVACCNO=&ACCNO=&PAGE=1");
  }
  TRows AllPages(bool newGeneration, const QByteArray& conditions = {}) {
    TRows rows;
    for (int page = 1;; ++page) {
      const QByteArray paged = "&PAGE=" + QByteArray::number(page) + conditions;
      const TSimReplyData reply = newGeneration ? NewFlows(paged) : OldFlows(paged);
      rows += reply.List("ITEMLIST");
      if (page >= reply.Element("PAGES").toInt()) return rows;
    }
  }
  TSimReplyData Upload(const QByteArray& path, const QByteArray& code, const QString& key,
                       const QByteArray& customer, const QList<QByteArray>& lines) {
    return client.Post(path,
                       PayUploadBody("C:\\tmp.txt", lines,
                                     {{"PASSWORD", "123456"},
                                      {"TXCODE", code},
                                      {"CUSTOMERID", customer},
                                      {"USERID", "001"},
                                      {"SKEY", key.toLatin1()}}),
                       kPayMultipart);
  }
  TSimReplyData NewReceipt(const QString& number, const QString& workflowId) {
    return client.Post(kV6, NewHead("NN410P") + "&Vchr_No=" + number.toLatin1() +
                                "&WF_BIZ_ID=" + workflowId.toLatin1() + "&Bnk_Chnl=1");
  }
  TSimReplyData OldReceipt(const QByteArray& number, const QByteArray& tail = {}) {
    return client.Post(kV5, OldHead("671906") + "&CREDITNO=" + number + tail);
  }

  TBankSim sim;
  TSimClient client{sim.Port()};
  QString newKey, oldKey;
};

TEST_F(BankSimTransferFlows, DemoDocumentsOfBothInterfacesWithEveryStatus) {
  const TSimReplyData first = NewFlows();
  EXPECT_EQ(first.Element("PAGES"), "2");
  const TRows page1 = first.List("ITEMLIST");
  ASSERT_EQ(page1.size(), 10);
  EXPECT_EQ(page1[0].keys().size(), 13);
  const TRows documents = AllPages(true);
  ASSERT_EQ(documents.size(), 15);
  EXPECT_EQ(Distinct(documents, "STATUS"),
            (QSet<QString>{"待复核", "复核不通过", "银行已受理", "交易成功", "交易失败", "已收回",
                           "已删除", "部分成功", "银行已汇出", "落地网点", "等待发送", "已取消"}));
  QStringList made = Column(documents, "DATE");
  EXPECT_TRUE(std::is_sorted(made.rbegin(), made.rend()));
  EXPECT_EQ(Column(NewFlows("&Pcs_St=a").List("ITEMLIST"), "CREDITNO"),
            QStringList{"ZZ6000000010"});

  const TRows old = AllPages(false);
  EXPECT_EQ(Distinct(old, "STATUS"),
            (QSet<QString>{"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "A", "B", "C"}));
  EXPECT_FALSE(old[0].contains("WFBIZID"));
  EXPECT_EQ(Distinct(AllPages(false, "&DJTYPE=3"), "STATUS"), (QSet<QString>{"2", "3", "4"}));
  EXPECT_EQ(Distinct(AllPages(false, "&DJTYPE=4"), "STATUS"), (QSet<QString>{"5", "A"}));
  EXPECT_EQ(Distinct(AllPages(false, "&DJTYPE=1"), "STATUS"),
            (QSet<QString>{"2", "3", "4", "5", "A"}));
  EXPECT_EQ(Distinct(AllPages(false, "&DJTYPE=2"), "STATUS"),
            (QSet<QString>{"0", "1", "6", "7", "8", "9", "B", "C"}));

  EXPECT_EQ(NewFlows("&Pcs_St=z").Element("ERRORCODE"), "EBLN0016");
  EXPECT_EQ(OldFlows("&DJTYPE=5").Element("ERRORCODE"), "EBLN0016");
  EXPECT_EQ(client.Post(kV6, OldHead("NN4101")).Element("ERRORCODE"), "EBLN0006");
}

TEST_F(BankSimTransferFlows, ConditionsNarrowTheDocumentsAndAPageBeyondTheLastIsTheLast) {
  const auto numbers = [&](const QByteArray& conditions) {
    return Column(AllPages(true, conditions), "CREDITNO");
  };
  // Sent to the bank: not those that wait for review, were refused or cancelled.
  const QStringList today = numbers("&Enqr_StDt=" + Day(0) + "&Enqr_CODt=" + Day(0));
  const QStringList sentToday =
      numbers("&Enqr_Dt_TpCd=2&Enqr_StDt=" + Day(0) + "&Enqr_CODt=" + Day(0));
  EXPECT_TRUE(today.contains("ZZ6000000003") && today.contains("ZZ6000000012"));
  EXPECT_FALSE(sentToday.contains("ZZ6000000003") || sentToday.contains("ZZ6000000012"));
  EXPECT_TRUE(sentToday.contains("ZZ6000000001"));
  EXPECT_EQ(numbers("&Enqr_CODt=" + Day(-11)), QStringList{"ZZ6000000015"});
  EXPECT_EQ(numbers("&Enqr_Strt_Amt=25800&Tmt_Amt=25800.00"), QStringList{"ZZ6000000001"});
  EXPECT_EQ(numbers("&Enqr_Strt_Amt=1000000"), QStringList{"ZZ6000000014"});
  EXPECT_EQ(numbers("&Vchr_No=ZZ6000000005"), QStringList{"ZZ6000000005"});
  EXPECT_EQ(numbers("&RcvPtAc_Nm=" + QString("嘉禾").toUtf8()), QStringList{"ZZ6000000001"});
  EXPECT_EQ(numbers("&RcvPrt_Cst_AccNo=6231900012340011"), QStringList{"ZZ6000000002"});
  EXPECT_EQ(numbers("&Pyr_Cst_AccNo=3100012345003"),
            (QStringList{"ZZ6000000007", "ZZ6000000011", "ZZ6000000014"}));
  EXPECT_EQ(NewFlows("&Pyr_Cst_AccNo=3100067890001").Element("ERRORCODE"), "EBLN0018");
  EXPECT_EQ(NewFlows("&Enqr_Dt_TpCd=0").Element("ERRORCODE"), "EBLN0016");

  EXPECT_EQ(Column(AllPages(false, "&REVNAME=" + codec::ToGbk(QString("禾信")) + "&DATE_TYPE=1"),
                   "CREDITNO"),
            QStringList{"ZZ7000000003"});
  const TSimReplyData beyond = OldFlows("&PAGE=7");
  EXPECT_EQ(beyond.Element("PAGE"), "2");
  EXPECT_EQ(beyond.List("ITEMLIST").size(), 4);
}

TEST_F(BankSimTransferFlows, TheAcceptedDocumentsOfAnUploadedBatchAreListedWithTheirReceipts) {
  const TSimReplyData verdict =
      Upload("/NNVX/NECV6NEWB2BFile", "NN1310", newKey, "3100012345",
             {BatchLine("001", "3100012345002", "6222000011112222", "1500.5"),
              BatchLine("002", "3100067890001", "6222000011113333", "80"),
              BatchLine("003", "3100012345002", "6222000011114444", "99.99")});
  EXPECT_EQ(verdict.Element("SUCCNUM"), "2");
  TRows mine = AllPages(true, "&Pyr_Cst_AccNo=3100012345002&Enqr_StDt=" + Day(0));
  mine.removeIf([](const auto& row) { return !row["CREDITNO"].startsWith("PZ"); });
  EXPECT_EQ(Column(mine, "CREDITNO"), (QStringList{"PZ0000000001", "PZ0000000002"}));
  EXPECT_EQ(Column(mine, "MONEY"), (QStringList{"1500.50", "99.99"}));
  EXPECT_EQ(Column(mine, "STATUS"), (QStringList{"交易成功", "交易成功"}));
  EXPECT_EQ(mine[0]["REVNAME"], "张三");
  EXPECT_EQ(mine[0]["USEOF"], "货款");
  EXPECT_EQ(mine[0]["PAYBANK"], "维岭银行上海分行营业部");
  const TSimReplyData receipt = NewReceipt(mine[0]["CREDITNO"], mine[0]["WFBIZID"]);
  EXPECT_EQ(receipt.Element("REVBANK"), "陆家嘴支行");
  EXPECT_EQ(receipt.Element("MAKOPER"), "制单员");
  EXPECT_EQ(receipt.Element("CHKOPER"), "复核员");

  Upload("/NNVX/NECV5B2BFile", "621108", oldKey, "3100067890",
         {BatchLine("001", "3100067890001", "6222000011112222", "12.34")});
  const TRows old = AllPages(false, "&STARTMONEY=12.34&ENDMONEY=12.34");
  ASSERT_EQ(old.size(), 1);
  EXPECT_EQ(old[0]["CREDITNO"], "PZ0000000003");
  EXPECT_EQ(old[0]["STATUS"], "3");
  EXPECT_EQ(OldReceipt("PZ0000000003").Element("PRINUM"), "0");
}

TEST_F(BankSimTransferFlows, ReceiptsOfSuccessfulDocumentsOnlyAndTheirPrintCounts) {
  const TSimReplyData receipt = NewReceipt("ZZ6000000001", "WF6000000001");
  EXPECT_EQ(receipt.Element("CUR"), "人民币");
  EXPECT_EQ(receipt.Element("STATUS"), "交易成功");
  EXPECT_EQ(receipt.Element("MONEY"), "25800.00");
  EXPECT_EQ(receipt.Element("DMONEY"), "贰万伍仟捌佰元整");
  EXPECT_EQ(receipt.Element("PAYACCNO"), "3100012345001");
  EXPECT_EQ(receipt.Element("DATE"), QDate::currentDate().toString("yyyy-MM-dd"));
  EXPECT_FALSE(receipt.Element("CERCODE").isEmpty());
  EXPECT_TRUE(receipt.Element("PRINUM").isNull());
  EXPECT_EQ(NewReceipt("ZZ6000000005", "WF6000000005").Element("ERRORCODE"), "EBLN0021");
  EXPECT_EQ(NewReceipt("ZZ6000000001", "WF6000000002").Element("ERRORCODE"), "EBLN0010");
  EXPECT_EQ(NewReceipt("ZZ7000000004", "WF7000000004").Element("ERRORCODE"), "EBLN0012");

  // The old interface: codes, the count so far, and the payer as the grid click sends it.
  const QByteArray payer = "&ACC_NAME=" + codec::ToGbk(QString("维岭旧版接口测试公司")) +
                           "&OPENDEPT1=" + codec::ToGbk(QString("维岭银行北京分行营业部"));
  const TSimReplyData old = OldReceipt("ZZ7000000004", payer);
  EXPECT_EQ(old.Element("CUR"), "1");
  EXPECT_EQ(old.Element("STATUS"), "3");
  EXPECT_EQ(old.Element("PRINUM"), "0");
  EXPECT_EQ(OldReceipt("ZZ7000000014").Element("CUR"), "14");
  EXPECT_EQ(OldReceipt("ZZ7000000012").Element("ERRORCODE"), "EBLN0021");
  EXPECT_EQ(OldReceipt("ZZ7000000004", "&ACC_NAME=" + QString("维岭旧版接口测试公司").toUtf8())
                .Element("ERRORCODE"),
            "EBLN0010");

  const auto printed = [&](const QByteArray& flag) {
    return client.Post(kV5, OldHead("671904") + "&CREDITNO=ZZ7000000004&FLAG=" + flag);
  };
  EXPECT_EQ(printed("0").Element("PRINUM"), "1");
  EXPECT_EQ(OldReceipt("ZZ7000000004").Element("PRINUM"), "1");
  EXPECT_EQ(sim.PrintCounts().first().toObject(), (QJsonObject{{"customer", "3100067890"},
                                                               {"kind", "transfer"},
                                                               {"creditNo", "ZZ7000000004"},
                                                               {"count", 1}}));
  sim.SetPrintCount({{"customer", "3100067890"}, {"creditNo", "ZZ7000000004"}}, 12);
  EXPECT_EQ(OldReceipt("ZZ7000000004").Element("PRINUM"), "12");
  EXPECT_EQ(printed("1").Element("PRINUM"), "13");
  EXPECT_EQ(printed("12").Element("ERRORCODE"), "EBLN0016");
  EXPECT_EQ(
      client.Post(kV5, NewHead("671904") + "&CREDITNO=ZZ6000000001&FLAG=0").Element("ERRORCODE"),
      "EBLN0006");
}

TEST_F(BankSimTransferFlows, DownloadsHoldEveryDocumentTheConditionsSelect) {
  const QByteArray all = "&radiobutton=3&ISALL=1&clientFileName=--.xls";
  const TSimReplyData file = client.Post(
      kV6, NewHead("NN4102") + "&Pcs_St=4" + all + "&Enqr_Dt_TpCd=1&Enqr_StDt=&Enqr_CODt=");
  EXPECT_EQ(file.Header("Content-Disposition"), "attachment; filename=\"--.xls\"");
  const TSheetData sheet = spreadsheet::ReadXls(file.Body).Sheets.at(0);
  ASSERT_EQ(sheet.RowCount(), 5);
  EXPECT_EQ(sheet.Cell(0, 0), "凭证号");
  EXPECT_EQ(sheet.Cell(1, 0), "ZZ6000000001");
  EXPECT_EQ(sheet.Cell(1, 11), "交易成功");

  const QByteArray dates = "&DJTYPE=0&DATE_TYPE=0&BEGINDATE=" + Day(-30) + "&ENDDATE=" + Day(0);
  const TSimReplyData old = client.Post(kV5, OldHead("671905") + dates + all);
  EXPECT_EQ(spreadsheet::ReadXls(old.Body).Sheets.at(0).RowCount(), 15);
  EXPECT_EQ(client.Post(kV5, OldHead("671905") + dates).Element("ERRORCODE"), "EBLN0010");
}

TEST_F(BankSimTransferFlows, FaultsReachTheStatementCodes) {
  sim.SetFault("error", 1, {{"txcode", "NN4101"}, {"code", "EBLN7777"}});
  EXPECT_EQ(NewFlows().Element("ERRORCODE"), "EBLN7777");
  EXPECT_EQ(NewFlows().Element("PAGE"), "1");
  sim.SetFault("drop", 1, {{"txcode", "671905"}});
  EXPECT_EQ(client.Post(kV5, OldHead("671905")).Status, 0);
  sim.SetFault("bare", 1, {{"txcode", "610732"}});
  EXPECT_TRUE(client.Post(kV5, OldHead("610732")).Element("PRINUM").isNull());
}

}  // namespace
