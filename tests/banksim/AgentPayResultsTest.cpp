#include <gtest/gtest.h>
#include <zip.h>

#include <QDate>

#include "FormFields.h"
#include "SimClient.h"
#include "platform/codec/Gbk.h"
#include "support/BankSim.h"

namespace {

constexpr char kV6FilePath[] = "/NNVX/NECV6FileDownload";
constexpr char kV5FilePath[] = "/NNVX/NECV5FileDownload";

QByteArray Day(int offset) {
  return QDate::currentDate().addDays(offset).toString("yyyyMMdd").toLatin1();
}

// The text of the only file of a zip archive.
QByteArray Unzipped(const QByteArray& archive, QString& name) {
  zip_source_t* source =
      zip_source_buffer_create(archive.constData(), zip_uint64_t(archive.size()), 0, nullptr);
  zip_t* zip = zip_open_from_source(source, ZIP_RDONLY, nullptr);
  if (!zip || zip_get_num_entries(zip, 0) != 1) return {};
  zip_stat_t stat;
  zip_stat_index(zip, 0, 0, &stat);
  name = QString::fromUtf8(stat.name);
  QByteArray bytes(qsizetype(stat.size), '\0');
  zip_file_t* file = zip_fopen_index(zip, 0, 0);
  zip_fread(file, bytes.data(), stat.size);
  zip_fclose(file);
  zip_close(zip);
  return bytes;
}

class BankSimAgentPayResults : public ::testing::Test {
 protected:
  void SetUp() override {
    n17Key = client.Logon("3100012345", "001", "a12345").Element("SKEY");
    oldKey = client.Logon("3100067890", "001", "c12345").Element("SKEY");
  }

  QByteArray N17Head(const QByteArray& code) const {
    return TSimClient::SessionBody(code, n17Key, "3100012345", "001");
  }
  QByteArray OldHead(const QByteArray& code) const {
    return TSimClient::SessionBody(code, oldKey, "3100067890", "001");
  }
  // The first field of a name counts: the conditions given come before the defaults.
  TSimReplyData N17Query(const QByteArray& conditions = {}) {
    return client.Post(kV6, N17Head("N19102") + conditions +
                                "&VCHR_TP_CODE=1&Vchr_St=700&SBSTRCVPY_PRJ_TPCD=0&PAGE=1");
  }
  TSimReplyData OldQuery(const QByteArray& conditions = {}) {
    return client.Post(kV5, OldHead("661501") + conditions + "&TRANTYPE=0&COMPLETED=2&PAGE=1");
  }
  static QStringList Numbers(const TSimReplyData& page, const QString& list, const QString& key) {
    QStringList numbers;
    for (const auto& entry : page.List(list)) numbers << entry[key];
    return numbers;
  }
  TSimReplyData FileName(const QByteArray& number, const QByteArray& choice) {
    const QByteArray digits = number.mid(2);
    return client.Post(kV6, N17Head("N19107") + "&VchID=" + number + "&Btch_ID=PC" + digits +
                                "&Txn_Jrnl_ID=LS" + digits + "&Fmt_File_TpCd=" + choice);
  }
  TSimReplyData N17File(const QString& recptFileNm) {
    const QByteArray path = recptFileNm.section('/', 0, -2).toLatin1();
    const QByteArray name = recptFileNm.section('/', -1).toLatin1();
    return client.Post(kV6FilePath, "TXCODE=&SKEY=" + n17Key.toLatin1() +
                                        "&CUSTOMERID=3100012345&USERID=001&PT_LANGUAGE=CN"
                                        "&NVX_IBSVersion=V6&FILEPATH=" +
                                        path + "&SOURCE=" + name + "&FILENAME=" + name +
                                        "&NAMEFLAG=1&LOCAL_REMOTE=1&IS_VERIFY=0");
  }
  TSimReplyData OldFile(const QByteArray& source, const QByteArray& folder = "B2B.customer.bill") {
    return client.Post(kV5FilePath, "SKEY=" + oldKey.toLatin1() +
                                        "&CUSTOMERID=3100067890&USERID=001&FILEPATH=" + folder +
                                        "&FILENAME=&SOURCE=" + source +
                                        "&NAMEFLAG=1&LOCAL_REMOTE=0&IS_VERIFY=0&TXCODE=660702");
  }

  TBankSim sim;
  TSimClient client{sim.Port()};
  QString n17Key, oldKey;
};

// The records of DF9000000001; the second one's account ends in 0029.
const QString kSalaryAll =
    "6231900012340011|陈晓明|12850.00|本月工资|成功|\r\n"
    "6231900012340029|林雅婷|9630.50|本月工资|失败|账户已冻结\r\n"
    "6231900012340037|王志强|15200.00|本月工资|成功|\r\n";

TEST_F(BankSimAgentPayResults, ListsOfBothInterfaces) {
  const TSimReplyData n17 = client.Post(kV6, N17Head("N19101") + "&TRAN_TYPE=0");
  EXPECT_EQ(n17.Element("MOV_DATE"), "20260601");
  EXPECT_EQ(Numbers(n17, "ITEMLIST", "EtrUnt_AccNm").last(), "维岭示范贸易有限公司杭州分公司");

  const TSimReplyData old = client.Post(kV5, OldHead("661504"));
  EXPECT_EQ(old.List("ACCLIST"),
            (QList<QMap<QString, QString>>{{{"ACCNO", "3100067890001"},
                                            {"ACCNAME", "维岭旧版接口测试公司"},
                                            {"CURTYPE", "人民币"},
                                            {"OPENDEPT", "维岭银行北京分行营业部"},
                                            {"ACCTYPE", "0"}},
                                           {{"ACCNO", "3100067890002"},
                                            {"ACCNAME", "维岭旧版接口测试公司"},
                                            {"CURTYPE", "美元"},
                                            {"OPENDEPT", "维岭银行北京分行营业部"},
                                            {"ACCTYPE", "1"}}}));
  EXPECT_EQ(old.List("EPAYLIST"),
            (QList<QMap<QString, QString>>{{{"BILLCODE", "662001"}, {"BILLDESC", "水费代扣"}}}));
}

TEST_F(BankSimAgentPayResults, N17DocumentsByStateDateAmountAccountAndNumberFiveToAPage) {
  const TSimReplyData first = N17Query();
  EXPECT_EQ(first.Element("PAGE"), "1");
  EXPECT_EQ(first.Element("TOTAL_PAGE"), "2");
  const auto docs = first.List("ITEMLIST");
  ASSERT_EQ(docs.size(), 5);
  const QString today = QDate::currentDate().toString("yyyy-MM-dd");
  EXPECT_EQ(docs[0], (QMap<QString, QString>{{"VchID", "DF9000000001"},
                                             {"Entrst_Prj_Nm", "工资代发"},
                                             {"Prj_Use_Nm", "工资"},
                                             {"FILE_NM", "GZ0001.txt"},
                                             {"TAmt", "37680.50"},
                                             {"TDnum", "3"},
                                             {"Scss_Amt", "28050.00"},
                                             {"Scss_Dnum", "2"},
                                             {"Vchr_Gen_Dt", today + " 09:30:00"},
                                             {"Btch_ID", "PC9000000001"},
                                             {"Txn_Jrnl_ID", "LS9000000001"},
                                             {"Vchr_St", "700"},
                                             {"ISDOWNLOAD", "1"}}));
  // Beyond the last page: the last one.
  const TSimReplyData beyond = N17Query("&PAGE=9");
  EXPECT_EQ(beyond.Element("PAGE"), "2");
  EXPECT_EQ(Numbers(beyond, "ITEMLIST", "VchID"), QStringList({"DF9000000006", "DF9000000007"}));

  const TSimReplyData failed = N17Query("&Vchr_St=800");
  EXPECT_EQ(Numbers(failed, "ITEMLIST", "VchID"), QStringList{"DF9000000008"});
  EXPECT_EQ(failed.List("ITEMLIST")[0]["Scss_Amt"], "0.00");

  const auto numbers = [&](const QByteArray& conditions) {
    return Numbers(N17Query(conditions), "ITEMLIST", "VchID");
  };
  EXPECT_EQ(N17Query("&Vchr_StDt=" + Day(0) + "&Vchr_CODt=" + Day(0)).Element("TOTAL_PAGE"), "2");
  EXPECT_EQ(numbers("&Vchr_CODt=" + Day(-1)), QStringList());
  EXPECT_EQ(numbers("&Vchr_StDt=" + Day(1)), QStringList());
  // Amounts compared exactly, both bounds included.
  EXPECT_EQ(numbers("&Vchr_Beg_Amt=1970.5&Vchr_CtOf_Amt=1970.50"), QStringList{"DF9000000002"});
  EXPECT_EQ(numbers("&Vchr_Beg_Amt=1970.51&Vchr_CtOf_Amt=3200"), QStringList{"DF9000000005"});
  EXPECT_EQ(numbers("&EtrUnt_AccNo=3100012345002"), QStringList{"DF9000000003"});
  EXPECT_EQ(numbers("&CREDIT_NO=DF9000000004"), QStringList{"DF9000000004"});
  EXPECT_EQ(numbers("&SBSTRCVPY_PRJ_TPCD=1"), QStringList());

  for (const QByteArray& bad : {QByteArray("&Vchr_StDt=20261301"), QByteArray("&Vchr_CODt=2026120"),
                                QByteArray("&Vchr_Beg_Amt=abc"), QByteArray("&PAGE=0")}) {
    EXPECT_EQ(N17Query(bad).Element("ERRORCODE"), "EBLN0016") << bad.constData();
  }
}

TEST_F(BankSimAgentPayResults, OldDocumentsByCompletionItemAndAccount) {
  const TSimReplyData finished = OldQuery("&COMPLETED=0");
  EXPECT_EQ(finished.Element("PAGES"), "2");
  EXPECT_EQ(finished.Element("FILETYPE"), "false");
  EXPECT_EQ(Numbers(finished, "BILLLIST", "STATUS"), QStringList({"3", "3", "4", "3", "A"}));
  const auto bill = finished.List("BILLLIST")[0];
  EXPECT_EQ(bill["FILENAME"], "SB0001.txt");
  EXPECT_EQ(bill["TOTALAMOUNT"], "2400.00");
  EXPECT_EQ(bill["SUCCAMOUNT"], "1600.00");
  EXPECT_EQ(bill["ISECTIP"], "1");
  EXPECT_EQ(Numbers(OldQuery("&COMPLETED=0&PAGE=2"), "BILLLIST", "CREDIT_NO"),
            QStringList{"DF9100000012"});  // made 40 days ago
  EXPECT_EQ(OldQuery("&COMPLETED=0&STARTDATE=" + Day(-39)).Element("PAGES"), "1");

  EXPECT_EQ(Numbers(OldQuery("&COMPLETED=1"), "BILLLIST", "STATUS"),
            QStringList({"0", "1", "2", "5", "9"}));
  EXPECT_EQ(OldQuery().Element("PAGES"), "3");
  // DF9100000004 is of an item without an account.
  EXPECT_EQ(Numbers(OldQuery("&ACCNO=3100067890001"), "BILLLIST", "CREDIT_NO"),
            QStringList(
                {"DF9100000001", "DF9100000002", "DF9100000003", "DF9100000005", "DF9100000006"}));
  EXPECT_EQ(Numbers(OldQuery("&TRANTYPE=1&EITEM=662001"), "BILLLIST", "CREDIT_NO"),
            QStringList{"DF9100000011"});
  EXPECT_EQ(Numbers(OldQuery("&TRANTYPE=1&EITEM=661001"), "BILLLIST", "CREDIT_NO"), QStringList());
  EXPECT_EQ(OldQuery("&COMPLETED=3").Element("ERRORCODE"), "EBLN0016");
}

TEST_F(BankSimAgentPayResults, N17FileNamesAndFilesOfEachChoice) {
  const QString all = FileName("DF9000000001", "0").Element("Recpt_File_Nm");
  EXPECT_EQ(all, "/rcpt/3100012345/DF9000000001_A.txt");
  const TSimReplyData file = N17File(all);
  EXPECT_EQ(file.Header("Content-Disposition"), "attachment; filename=\"DF9000000001_A.txt\"");
  EXPECT_EQ(codec::FromGbk(file.Body), kSalaryAll);
  EXPECT_EQ(codec::FromGbk(N17File(FileName("DF9000000001", "1").Element("Recpt_File_Nm")).Body),
            kSalaryAll.section("\r\n", 0, 0) + "\r\n" + kSalaryAll.section("\r\n", 2, 2) + "\r\n");
  EXPECT_EQ(codec::FromGbk(N17File(FileName("DF9000000001", "2").Element("Recpt_File_Nm")).Body),
            kSalaryAll.section("\r\n", 1, 1) + "\r\n");
  // Uploaded lines that end with the end sign.
  EXPECT_TRUE(codec::FromGbk(N17File("/rcpt/3100012345/DF9000000002_A.txt").Body)
                  .startsWith("6231900012340045|赵丽华|820.00|加班费|成功|\r\n"));

  EXPECT_EQ(FileName("DF9000000099", "0").Element("ERRORCODE"), "EBLN0012");
  EXPECT_EQ(FileName("DF9000000001", "3").Element("ERRORCODE"), "EBLN0016");
  EXPECT_EQ(FileName("DF9000000007", "0").Element("ERRORCODE"), "EBLN0017");  // none kept
  EXPECT_EQ(FileName("DF9000000008", "0").Element("ERRORCODE"), "EBLN0017");  // failed

  for (const char* missing :
       {"/rcpt/3100067890/DF9000000001_A.txt", "/rcpt/3100012345/DF9000000008_A.txt",
        "/rcpt/3100012345/DF9000000001_X.txt"}) {
    EXPECT_TRUE(N17File(missing).Text().contains("提示信息")) << missing;
  }
  n17Key = "0000";
  EXPECT_EQ(N17File(all).Element("ERRORCODE"), "EBLN0003");
}

TEST_F(BankSimAgentPayResults, OldFilesByPrefixZippedOnRequest) {
  const QString sb =
      "6231900012340011|陈晓明|800.00|社保补贴|成功|\r\n"
      "6231900012340029|林雅婷|800.00|社保补贴|失败|账户已冻结\r\n"
      "6231900012340037|王志强|800.00|社保补贴|成功|\r\n";
  EXPECT_EQ(codec::FromGbk(OldFile("ASB0001.txt").Body), sb);
  EXPECT_EQ(codec::FromGbk(OldFile("SSB0001.txt").Body).count("\r\n"), 2);
  const TSimReplyData failed = OldFile("FSB0001.txt");
  EXPECT_EQ(codec::FromGbk(failed.Body), sb.section("\r\n", 1, 1) + "\r\n");

  const TSimReplyData zipped = OldFile("FSB0001.txt.zip");
  EXPECT_EQ(zipped.Header("Content-Disposition"), "attachment; filename=\"FSB0001.txt.zip\"");
  QString entry;
  EXPECT_EQ(Unzipped(zipped.Body, entry), failed.Body);
  EXPECT_EQ(entry, "FSB0001.txt");

  EXPECT_EQ(codec::FromGbk(OldFile("CCGZ0001.txt").Body).count("\r\n"), 2);
  EXPECT_EQ(OldFile("CBX0001.txt").Header("Content-Disposition"),
            "attachment; filename=\"../../x.txt\"");
  // A prefix that does not fit the document, a document without results, an
  // unknown name or folder.
  for (const char* source : {"CSB0001.txt", "ACGZ0001.txt", "CGZ0003.txt", "CXX.txt"})
    EXPECT_TRUE(OldFile(source).Text().contains("提示信息")) << source;
  EXPECT_TRUE(OldFile("CCGZ0001.txt", "ibszhlhh").Text().contains("提示信息"));
}

// An upload of 工资代发 (answered at once) confirmed with the transaction password.
TEST_F(BankSimAgentPayResults, AConfirmedUploadIsADocumentWhoseFileFollowsTheFailureRule) {
  const QByteArray form =
      "VCHR_TP_CODE=1&SBSTRCVPY_PRJ_TPCD=0&Entrst_Prj_ID=DF2026001&Prj_Use_ID=0101"
      "&Prj_Use_Nm=工资&Py_Per_Qot=1&ISBIGFILE=0&SIGNDAT=20261201&CCY_ID=156&TXCODE=N17141"
      "&CUSTOMERID=3100012345&USERID=001&SKEY=" +
      n17Key.toLatin1();
  const QList<QByteArray> lines{"6222001|" + codec::ToGbk(u"张三") + "|1500.50|",
                                "6231900012340029|" + codec::ToGbk(u"李四") + "|100|"};
  const TSimReplyData summary = client.Post(
      "/NNVX/NECV6NEWB2BFile4BIGFILE",
      PayUploadBody(R"(C:\Paytmpnew.txt)", lines, TFormFields(form).All()), kPayMultipart);
  // The summary's values as the client sends them back (the texts in UTF-8).
  QByteArray confirm = N17Head("N17146") + "&PASSWORD=123456&WF_EXTR_ID=002&WF_EXTR_NM=复核员";
  for (const char* key :
       {"VchID", "P_TPL_NO", "TRAN_TYPE", "VCHR_TP_CODE", "SBSTRCVPY_PRJ_TPCD", "Prj_Use_ID",
        "Entrst_Prj_ID", "CCY_ID", "Py_Per_Qot", "SEL_USER_MODE_CD", "EtrUnt_AccNo", "SRP_TxnAmt",
        "TDnum", "FILE_NM", "Orig_File_Nm", "SCSP_Smy_Dsc"}) {
    confirm += QByteArray("&") + key + '=' + summary.Element(key).toUtf8();
  }
  ASSERT_EQ(client.Post(kV6, confirm).Element("Vchr_St"), "1");

  const QString number = summary.Element("VchID");
  const auto doc = N17Query().List("ITEMLIST").value(0);
  EXPECT_EQ(doc["VchID"], number);
  EXPECT_EQ(doc["FILE_NM"], summary.Element("FILE_NM"));
  EXPECT_EQ(doc["Vchr_St"], "700");
  EXPECT_EQ(doc["ISDOWNLOAD"], "1");
  EXPECT_EQ(doc["TAmt"], "1600.50");
  EXPECT_EQ(doc["Scss_Amt"], "1500.50");
  EXPECT_EQ(doc["Scss_Dnum"], "1");
  const QString failed = FileName(number.toLatin1(), "2").Element("Recpt_File_Nm");
  EXPECT_EQ(codec::FromGbk(N17File(failed).Body), "6231900012340029|李四|100|失败|账户已冻结\r\n");
  const QString all = FileName(number.toLatin1(), "0").Element("Recpt_File_Nm");
  EXPECT_TRUE(codec::FromGbk(N17File(all).Body).startsWith("6222001|张三|1500.50|成功|\r\n"));
}

}  // namespace
