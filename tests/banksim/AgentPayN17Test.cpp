#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "SimClient.h"
#include "platform/codec/Gbk.h"
#include "support/BankSim.h"

namespace {

constexpr char kUploadPath[] = "/NNVX/NECV6NEWB2BFile4BIGFILE";
const QList<QByteArray> kLines{"6222001|张三|1500.50|一月|", "6222002|李四|100|"};

// The fields of the file poll and of the confirmation, as the client sends them
// back from the replies (the names marked UTF-8 in UTF-8, the others in GBK).
const QList<QByteArray> kFilePollKeys{
    "VCHR_TP_CODE", "SBSTRCVPY_PRJ_TPCD", "Entrst_Prj_ID", "Prj_Use_ID",   "Prj_Use_Nm",
    "CCY_ID",       "Py_Per_Qot",         "FILE_NM",       "Orig_File_Nm", "TimeOut",
    "secTimes",     "TxnSrlNo",           "EtrUnt_AccNo"};
const QList<QByteArray> kConfirmKeys{
    "VchID",       "P_TPL_NO",      "TRAN_TYPE",    "VCHR_TP_CODE", "SBSTRCVPY_PRJ_TPCD",
    "Prj_Use_ID",  "Entrst_Prj_ID", "CCY_ID",       "Py_Per_Qot",   "SEL_USER_MODE_CD",
    "FILE_NM",     "Orig_File_Nm",  "EtrUnt_AccNo", "SRP_TxnAmt",   "TDnum",
    "SCSP_Smy_Dsc"};
const QList<QByteArray> kUtf8Keys{"Prj_Use_Nm", "FILE_NM", "Orig_File_Nm", "SCSP_Smy_Dsc",
                                  "WF_EXTR_NM"};

class BankSimAgentPayN17 : public ::testing::Test {
 protected:
  void SetUp() override { sKey = client.Logon("3100012345", "001", "a12345").Element("SKEY"); }

  QByteArray Head(const QByteArray& code) const {
    return "CUSTOMERID=3100012345&USERID=001&TXCODE=" + code + "&SKEY=" + sKey.toLatin1() +
           "&PT_LANGUAGE=CN&STY_MAP=8&resType=HTM";
  }
  // Each key with the value of the same element of a reply.
  static QByteArray Echo(const TSimReplyData& reply, const QList<QByteArray>& keys) {
    QByteArray body;
    for (const QByteArray& key : keys) {
      const QString value = reply.Element(QString::fromLatin1(key));
      body += '&' + key + '=' + (kUtf8Keys.contains(key) ? value.toUtf8() : codec::ToGbk(value));
    }
    return body;
  }
  TSimReplyData Lists(const QByteArray& tranType) {
    return client.Post(kV6, Head("N17101") + "&VCHR_TP_CODE=1&TRAN_TYPE=" + tranType);
  }
  TSimReplyData Upload(const QByteArray& item, const QByteArray& use, const QString& useName,
                       const QList<QByteArray>& lines = kLines, const QByteArray& pyPerQot = "1") {
    QList<QByteArray> gbkLines;
    for (const QByteArray& line : lines) gbkLines += codec::ToGbk(QString::fromUtf8(line));
    return client.Post(kUploadPath,
                       PayUploadBody(R"(C:\Paytmpnew.txt)", gbkLines,
                                     {{"VCHR_TP_CODE", "1"},
                                      {"SBSTRCVPY_PRJ_TPCD", "0"},
                                      {"Entrst_Prj_ID", item},
                                      {"Prj_Use_ID", use},
                                      {"Prj_Use_Nm", useName.toUtf8()},
                                      {"Py_Per_Qot", pyPerQot},
                                      {"ISBIGFILE", "0"},
                                      {"SIGNDAT", "20261201"},
                                      {"CCY_ID", "156"},
                                      {"TXCODE", "N17141"},
                                      {"CUSTOMERID", "3100012345"},
                                      {"USERID", "001"},
                                      {"SKEY", sKey.toLatin1()},
                                      {"STY_MAP", "8"},
                                      {"resType", "HTM"},
                                      {"PT_LANGUAGE", "CN"}}),
                       kPayMultipart);
  }
  TSimReplyData FilePoll(const TSimReplyData& last) {
    return client.Post(kV6, Head("N17144") + Echo(last, kFilePollKeys));
  }
  TSimReplyData Confirm(const TSimReplyData& summary, const QByteArray& password,
                        const QByteArray& reviewer = {}) {
    return client.Post(
        kV6, Head("N17146") + Echo(summary, kConfirmKeys) + "&PASSWORD=" + password + reviewer);
  }
  TSimReplyData DocumentPoll(const TSimReplyData& summary, const TSimReplyData& last) {
    return client.Post(kV6, Head("N17145") +
                                Echo(summary, {"VchID", "P_TPL_NO", "TRAN_TYPE", "VCHR_TP_CODE",
                                               "SBSTRCVPY_PRJ_TPCD", "SEL_USER_MODE_CD",
                                               "EtrUnt_AccNo", "SRP_TxnAmt"}) +
                                Echo(last, {"TimeOut", "secTimes", "TxnSrlNo", "WF_EXTR_NM"}));
  }

  TBankSim sim;
  TSimClient client{sim.Port()};
  QString sKey;
};

TEST_F(BankSimAgentPayN17, ListsOfBothModes) {
  const TSimReplyData pay = Lists("0");
  EXPECT_EQ(pay.Element("Py_Per_Qot"), "1");
  EXPECT_EQ(pay.Element("ISBIGFILE"), "0");
  EXPECT_EQ(pay.Element("SIGNDAT"), "20261201");
  const auto items = pay.List("ITEMLIST");
  ASSERT_EQ(items.size(), 4);
  EXPECT_EQ(items[1],
            (QMap<QString, QString>{
                {"ITEMNO", "02"}, {"Entrst_Prj_ID", "DF2026002"}, {"Entrst_Prj_Nm", "奖金代发"}}));
  const auto uses = pay.List("USELIST");
  ASSERT_EQ(uses.size(), 6);
  EXPECT_EQ(uses[0], (QMap<QString, QString>{
                         {"USENO", "01"}, {"Prj_Use_ID", "0101"}, {"Prj_Use_Nm", "工资"}}));
  EXPECT_EQ(uses[5]["USENO"], "09");  // of no item

  const TSimReplyData collect = Lists("1");
  EXPECT_TRUE(collect.WellFormedXml());
  EXPECT_TRUE(collect.Element("ERRORCODE").isNull());
  EXPECT_TRUE(collect.List("ITEMLIST").isEmpty());
  EXPECT_TRUE(collect.List("USELIST").isEmpty());

  EXPECT_EQ(Lists("2").Element("ERRORCODE"), "EBLN0007");
  const TSimReplyData old = client.Post(kV5, Head("661201") + "&TXFLAG=0");
  EXPECT_EQ(old.Element("ERRORCODE"), "EBLN0006");
  EXPECT_EQ(old.Element("ERRORMSG"), "交易码与客户类型不符");
}

TEST_F(BankSimAgentPayN17, UploadAnswersTheSummaryOrAFileError) {
  const TSimReplyData summary = Upload("DF2026001", "0101", "工资");
  EXPECT_EQ(summary.Element("PROCESS_FLAG"), "0");
  EXPECT_EQ(summary.Element("FILE_ERROR"), "0");
  const QList<std::pair<QString, QString>> expected{{"TRAN_TYPE", "0"},
                                                    {"SBSTRCVPY_PRJ_TPCD", "0"},
                                                    {"Prj_Use_ID", "0101"},
                                                    {"Entrst_Prj_ID", "DF2026001"},
                                                    {"CCY_ID", "156"},
                                                    {"Py_Per_Qot", "1"},
                                                    {"SEL_USER_MODE_CD", "18"},
                                                    {"Orig_File_Nm", "Paytmpnew.txt"},
                                                    {"SCSP_Smy_Dsc", "工资代发"},
                                                    {"EtrUnt_Nm", "维岭示范贸易有限公司"},
                                                    {"EtrUnt_AccNo", "3100012345001"},
                                                    {"EtrUnt_Acc_DpBkNm", "维岭银行上海分行营业部"},
                                                    {"SRP_TxnAmt", "1600.50"},
                                                    {"Amount", "壹仟陆佰元伍角"},
                                                    {"TDnum", "2"},
                                                    {"Prj_Use_Nm", "工资"},
                                                    {"Mak_OperName", "制单员"}};
  for (const auto& [name, value] : expected)
    EXPECT_EQ(summary.Element(name), value) << name.toStdString();
  EXPECT_FALSE(summary.Element("VchID").isEmpty());
  EXPECT_FALSE(summary.Element("FILE_NM").isEmpty());
  EXPECT_EQ(summary.List("ITEMLIST"),
            (QList<QMap<QString, QString>>{{{"WF_EXTR_ID", "002"}, {"WF_EXTR_NM", "复核员"}}}));
  EXPECT_NE(Upload("DF2026001", "0101", "工资").Element("VchID"), summary.Element("VchID"));

  // The amount is the item's third field; a line without it, or with a word there.
  for (const QByteArray& bad : {QByteArray("6222003|王五"), QByteArray("6222003|王五|十元|")}) {
    const TSimReplyData error = Upload("DF2026001", "0101", "工资", {kLines[0], bad});
    EXPECT_EQ(error.Element("PROCESS_FLAG"), "0");
    EXPECT_EQ(error.Element("FILE_ERROR"), "1");
  }
  EXPECT_EQ(Upload("DF2026001", "0101", "工资", {}).Element("ERRORCODE"), "EBLN0005");
  EXPECT_EQ(Upload("DF2026009", "0101", "工资").Element("ERRORCODE"), "EBLN0008");
  EXPECT_EQ(Upload("DF2026001", "0201", "年终奖金").Element("ERRORCODE"), "EBLN0009");
  EXPECT_EQ(Upload("DF2026001", "0101", "工资", kLines, "2").Element("ERRORMSG"),
            "上送要素与银行记录不符：Py_Per_Qot");
  EXPECT_EQ(Upload("DF2026001", "0101", "加班费").Element("ERRORCODE"), "EBLN0010");
}

TEST_F(BankSimAgentPayN17, FileProcessingIsPolledUntilItsSummary) {
  const TSimReplyData started = Upload("DF2026002", "0201", "年终奖金");
  EXPECT_EQ(started.Element("PROCESS_FLAG"), "1");
  EXPECT_EQ(started.Element("TimeOut"), "1500");
  EXPECT_EQ(started.Element("secTimes"), "0");
  EXPECT_FALSE(started.Element("TxnSrlNo").isEmpty());
  EXPECT_TRUE(started.Element("VchID").isNull());
  TSimReplyData last = started;
  for (const char* count : {"1", "2"}) {
    last = FilePoll(last);
    EXPECT_EQ(last.Element("TDnum"), "");
    EXPECT_EQ(last.Element("secNum"), "0");
    EXPECT_EQ(last.Element("secTimes"), count);
  }
  // The fields must come back as the bank sent them.
  EXPECT_EQ(FilePoll(started).Element("ERRORMSG"), "上送要素与银行记录不符：secTimes");
  const TSimReplyData done = FilePoll(last);
  EXPECT_EQ(done.Element("TDnum"), "2");
  EXPECT_EQ(done.Element("FILE_ERROR"), "0");
  EXPECT_EQ(done.Element("SRP_TxnAmt"), "1600.50");
  EXPECT_FALSE(done.Element("VchID").isEmpty());

  // The processing stops with secNum "1"; the poll after it gets the summary.
  const TSimReplyData stopped = FilePoll(Upload("DF2026003", "0301", "节日福利"));
  EXPECT_EQ(stopped.Element("TDnum"), "");
  EXPECT_EQ(stopped.Element("secNum"), "1");
  EXPECT_EQ(FilePoll(stopped).Element("TDnum"), "2");

  // An item whose files the bank finds in error: FILE_ERROR in the last poll.
  const TSimReplyData failed = FilePoll(FilePoll(Upload("DF2026004", "0401", "劳务费")));
  EXPECT_EQ(failed.Element("FILE_ERROR"), "1");
  EXPECT_EQ(failed.Element("TDnum"), "2");
}

TEST_F(BankSimAgentPayN17, ConfirmationMakesADocument) {
  const TSimReplyData summary = Upload("DF2026001", "0101", "工资");
  EXPECT_EQ(Confirm(summary, "654321", "&WF_EXTR_ID=002&WF_EXTR_NM=" + QByteArray("复核员"))
                .Element("ERRORCODE"),
            "EBLN0004");
  EXPECT_EQ(Confirm(summary, "123456").Element("ERRORCODE"), "EBLN0014");
  EXPECT_EQ(Confirm(summary, "123456", "&WF_EXTR_ID=001&WF_EXTR_NM=" + QByteArray("制单员"))
                .Element("ERRORMSG"),
            "请选择下级复核员");
  sim.SetFault("error", 1, {{"txcode", "N17146"}});
  EXPECT_EQ(Confirm(summary, "123456").Element("ERRORCODE"), "EBLN0100");
  const TSimReplyData confirmed =
      Confirm(summary, "123456", "&WF_EXTR_ID=002&WF_EXTR_NM=" + QByteArray("复核员"));
  EXPECT_EQ(confirmed.Element("PROCESS_FLAG"), "0");
  EXPECT_EQ(confirmed.Element("VchID"), summary.Element("VchID"));
  EXPECT_EQ(confirmed.Element("Rsp_ID"), "000000");
  EXPECT_EQ(confirmed.Element("SEL_USER_MODE_CD"), "18");
  EXPECT_EQ(confirmed.Element("WF_EXTR_NM"), "复核员");
  EXPECT_EQ(confirmed.Element("Vchr_St"), "1");
  EXPECT_EQ(confirmed.Element("RDsc"), "制单成功，等待复核");
  EXPECT_EQ(confirmed.Element("SRP_TxnAmt"), "1600.50");
  EXPECT_EQ(Confirm(summary, "123456", "&WF_EXTR_ID=002").Element("ERRORCODE"), "EBLN0012");

  // No reviewer asked for; the document is processed later and polled.
  TSimReplyData bonus = Upload("DF2026002", "0201", "年终奖金", {kLines[1]});
  while (bonus.Element("TDnum").isEmpty()) bonus = FilePoll(bonus);
  const TSimReplyData pending = Confirm(bonus, "123456");
  EXPECT_EQ(pending.Element("PROCESS_FLAG"), "1");
  EXPECT_EQ(pending.Element("TimeOut"), "1000");
  EXPECT_EQ(pending.Element("WF_EXTR_NM"), "");
  const TSimReplyData waiting = DocumentPoll(bonus, pending);
  EXPECT_EQ(waiting.Element("Vchr_St"), "");
  EXPECT_EQ(waiting.Element("secNum"), "0");
  EXPECT_EQ(waiting.Element("secTimes"), "1");
  const TSimReplyData processed = DocumentPoll(bonus, waiting);
  EXPECT_EQ(processed.Element("Vchr_St"), "1");
  EXPECT_EQ(processed.Element("VchID"), bonus.Element("VchID"));
  EXPECT_EQ(processed.Element("SRP_TxnAmt"), "100.00");

  const TSimReplyData welfare = FilePoll(FilePoll(Upload("DF2026003", "0301", "节日福利")));
  const TSimReplyData stopped = DocumentPoll(welfare, Confirm(welfare, "123456"));
  EXPECT_EQ(stopped.Element("secNum"), "1");
  EXPECT_EQ(DocumentPoll(welfare, stopped).Element("Vchr_St"), "1");

  const QJsonArray documents =
      QJsonDocument::fromJson(client.Get("/__sim/paydocuments").Body).array();
  ASSERT_EQ(documents.size(), 3);
  const QJsonObject first = documents[0].toObject();
  EXPECT_EQ(first["number"].toString(), summary.Element("VchID"));
  EXPECT_EQ(first["customer"].toString(), "3100012345");
  EXPECT_EQ(first["item"].toString(), "DF2026001");
  EXPECT_EQ(first["amount"].toString(), "1600.50");
  EXPECT_EQ(first["reviewers"].toArray(), QJsonArray{"复核员"});
  EXPECT_EQ(first["lines"].toArray(),
            (QJsonArray{"6222001|张三|1500.50|一月|", "6222002|李四|100|"}));
  EXPECT_EQ(documents[1].toObject()["reviewers"].toArray(), QJsonArray());
}

}  // namespace
