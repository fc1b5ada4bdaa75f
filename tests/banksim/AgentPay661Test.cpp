#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include "SimClient.h"
#include "platform/codec/Gbk.h"
#include "support/BankSim.h"

namespace {

constexpr char kFilePath[] = "/NNVX/NECV5B2BFile";
constexpr char kVipPath[] = "/NNVX/NECV5B2BFile4VIP";
const QList<QByteArray> kLines{"6222001|张三|1500.50|", "6222002|李四|100|"};

// An item and use as the client chose them, with the control totals typed.
struct TChoice {
  QString Item, ItemName, UseId, ModeId, Locked, UseName, FileSize;
  QString TotalNum, TotalAmount;
};
const TChoice kSalary{"661001", "工资代发", "01", "M1", "0", "工资", "", "", ""};
const TChoice kInsurance{"661002", "社保代发", "03", "M3", "0", "社保补贴", "2048", "", ""};
const TChoice kExpenses{"661003", "报销代发", "04", "M4", "0", "差旅报销", "", "", ""};

class BankSimAgentPay661 : public ::testing::Test {
 protected:
  void SetUp() override { sKey = client.Logon("3100067890", "001", "c12345").Element("SKEY"); }

  TSimReplyData Lists(const QByteArray& txFlag) {
    return client.Post(kV5, "CUSTOMERID=3100067890&USERID=001&TXCODE=661201&SKEY=" +
                                sKey.toLatin1() + "&TXFLAG=" + txFlag + "&STY_MAP=8&resType=HTM");
  }
  TSimReplyData Upload(const char* path, const QByteArray& code, const TChoice& c,
                       const QList<QByteArray>& lines = kLines) {
    QList<QByteArray> gbkLines;
    for (const QByteArray& line : lines) gbkLines += codec::ToGbk(QString::fromUtf8(line));
    const auto gbk = [](const QString& text) { return codec::ToGbk(text); };
    return client.Post(path,
                       PayUploadBody(R"(C:\Paytmp.txt)", gbkLines,
                                     {{"use", gbk(c.UseId + "|" + c.ModeId + "|" + c.Locked + "|")},
                                      {"TOTALNUM", gbk(c.TotalNum)},
                                      {"TOTALAMOUNT1", gbk(c.TotalAmount)},
                                      {"TOTALAMOUNT", gbk(c.TotalAmount)},
                                      {"ISLOCKED", gbk(c.Locked)},
                                      {"FILESIZE", gbk(c.FileSize)},
                                      {"USE", gbk(c.UseName)},
                                      {"BILLDESC", gbk(c.ItemName)},
                                      {"TXFLAG", "0"},
                                      {"BILL_CODE", gbk(c.Item)},
                                      {"USEOF_CODE", gbk(c.UseId)},
                                      {"TEMPLATE_CODE", gbk(c.ModeId)},
                                      {"IS_ENCRYPT", gbk(c.Locked)},
                                      {"TXCODE", code},
                                      {"CUSTOMERID", "3100067890"},
                                      {"USERID", "001"},
                                      {"SKEY", sKey.toLatin1()},
                                      {"STY_MAP", "8"},
                                      {"resType", "HTM"},
                                      {"PT_LANGUAGE", "CN"}}),
                       kPayMultipart);
  }
  // The confirmation from the upload's reply, with the reviewers given as "&CHECK_ID=..".
  TSimReplyData Confirm(const TSimReplyData& summary, const QByteArray& password,
                        const QByteArray& reviewers) {
    const auto value = [&](const char* name) { return codec::ToGbk(summary.Element(name)); };
    return client.Post(
        kV5, "PASSWD=" + password + "&TXCODE=661223&SKEY=" + sKey.toLatin1() +
                 "&CUSTOMERID=3100067890&USERID=001&CREDIT_NO=" + value("CREDITNO") +
                 "&ACCNO1=" + value("ACCNO") + "&IS_PAY=0&AMOUNT=" + value("AMTNUM") +
                 "&USE=" + value("USE") + "&PROCESSIDX=" + value("PROCESSIDX") +
                 "&IS_ENCRYPT=" + value("ISENCRYPT") + "&TXFLAG=" + value("TXFLAG") +
                 "&USEOF_CODE=" + value("USEOFCODE") + "&IS_MANAGER=" + value("ISMANAGER") +
                 "&BILLDESC=" + value("BILLDESC") + "&SELECTOPER=" + value("SELECTOPER") +
                 reviewers + "&BILL_CODE=" + value("BILLCODE") +
                 "&IS_CHECKACC=" + value("ISCHECKACC") + "&SEND_FILE=" + value("SENDFILE") +
                 "&MD5=" + value("MD5") + "&TOTAL_NUM=" + value("PAYNUM") +
                 "&ECTIPFLAG=" + (summary.Element("TX_CODE") == "661802" ? "1" : "0") +
                 "&PT_LANGUAGE=CN&ISCORR=0&STY_MAP=8&resType=HTM");
  }

  TBankSim sim;
  TSimClient client{sim.Port()};
  QString sKey;
};

const QByteArray kFirst = "&CHECK_ID=201&CHECK_NAME=" + codec::ToGbk(u"复核员甲");
const QByteArray kSecond = "&CHECK_ID=202&CHECK_NAME=" + codec::ToGbk(u"复核员乙");

TEST_F(BankSimAgentPay661, ListsOfBothModesAndTheSessionFields) {
  const TSimReplyData pay = Lists("0");
  EXPECT_TRUE(pay.Element("CUST_ID").isNull());
  const auto items = pay.List("ITEMLIST");
  ASSERT_EQ(items.size(), 3);
  EXPECT_EQ(items[1], (QMap<QString, QString>{{"ITEMNO", "02"},
                                              {"ITEMID", "661002"},
                                              {"ITEMECTIP", "1"},
                                              {"ITEMNAME", "社保代发"},
                                              {"FILESIZE", "2048"}}));
  EXPECT_EQ(items[0]["ITEMECTIP"], "0");
  EXPECT_FALSE(items[0].contains("FILESIZE"));
  EXPECT_EQ(items[2]["ITEMECTIP"], "2");
  const auto uses = pay.List("USELIST");
  ASSERT_EQ(uses.size(), 5);
  EXPECT_EQ(uses[1], (QMap<QString, QString>{{"USENO", "01"},
                                             {"USENAME", "工资（核对总额）"},
                                             {"USEID", "02"},
                                             {"MODEID", "M2"},
                                             {"LOCKED", "1"}}));
  EXPECT_EQ(uses[4]["USENO"], "99");

  const TSimReplyData collect = Lists("1");
  EXPECT_EQ(collect.Element("CUST_ID"), "3100067890");
  EXPECT_EQ(collect.Element("USERID"), "001");
  EXPECT_EQ(collect.Element("SKEY"), sKey);
  EXPECT_EQ(collect.Element("TX_CODE"), "661201");
  EXPECT_EQ(collect.List("ITEMLIST").size(), 1);
  EXPECT_EQ(collect.List("USELIST")[0]["USENAME"], "水费");

  const QByteArray n17 =
      "CUSTOMERID=3100067890&USERID=001&TXCODE=N17101&SKEY=" + sKey.toLatin1() + "&TRAN_TYPE=0";
  EXPECT_EQ(client.Post(kV6, n17).Element("ERRORCODE"), "EBLN0006");
}

TEST_F(BankSimAgentPay661, UploadPathAndCodeFollowTheItemType) {
  const TSimReplyData salary = Upload(kFilePath, "661202", kSalary);
  const QList<std::pair<QString, QString>> expected{{"PAYNUM", "2"},
                                                    {"AMOUNT", "壹仟陆佰元伍角"},
                                                    {"AMTNUM", "1600.50"},
                                                    {"USE", "工资"},
                                                    {"MAKER", "制单员"},
                                                    {"ACCNO", "3100067890001"},
                                                    {"ACCNAME", "维岭旧版接口测试公司"},
                                                    {"BANK", "维岭银行北京分行营业部"},
                                                    {"CUST_ID", "3100067890"},
                                                    {"USERID", "001"},
                                                    {"TX_CODE", "661202"},
                                                    {"ISENCRYPT", "0"},
                                                    {"TXFLAG", "0"},
                                                    {"USEOFCODE", "01"},
                                                    {"ISMANAGER", "0"},
                                                    {"BILLDESC", "工资代发"},
                                                    {"BILLCODE", "661001"},
                                                    {"ISCHECKACC", "0"},
                                                    {"SELECTOPER", "0"}};
  for (const auto& [name, value] : expected)
    EXPECT_EQ(salary.Element(name), value) << name.toStdString();
  EXPECT_EQ(salary.Element("SKEY"), sKey);
  EXPECT_TRUE(QRegularExpression("^20\\d{12}$").match(salary.Element("PAYTIME")).hasMatch());
  for (const char* name : {"CREDITNO", "PROCESSIDX", "SENDFILE"}) {
    EXPECT_FALSE(salary.Element(name).isEmpty()) << name;
  }
  const QByteArray file = codec::ToGbk(u"6222001|张三|1500.50|\r\n6222002|李四|100|\r\n");
  EXPECT_EQ(salary.Element("MD5"), QCryptographicHash::hash(file, QCryptographicHash::Md5).toHex());
  EXPECT_EQ(salary.List("CHECKLIST"),
            (QList<QMap<QString, QString>>{{{"CHECKID", "201"}, {"CHECKNAME", "复核员甲"}},
                                           {{"CHECKID", "202"}, {"CHECKNAME", "复核员乙"}}}));

  const TSimReplyData insurance = Upload(kVipPath, "661802", kInsurance);
  EXPECT_EQ(insurance.Element("TX_CODE"), "661802");
  EXPECT_EQ(insurance.Element("SELECTOPER"), "1");
  const TSimReplyData expenses = Upload(kVipPath, "661202", kExpenses);
  EXPECT_EQ(expenses.Element("PAYNUM"), "2");
  EXPECT_EQ(expenses.Element("ACCNO"), "");

  for (const auto& [path, code, choice] :
       {std::tuple{kVipPath, "661202", kSalary}, std::tuple{kVipPath, "661202", kInsurance},
        std::tuple{kFilePath, "661202", kExpenses}}) {
    EXPECT_EQ(Upload(path, code, choice).Element("ERRORMSG"), "上传路径与项目类型不符");
  }
  EXPECT_EQ(Upload(kFilePath, "661802", kInsurance).Element("ERRORCODE"), "EBLN9998");
  EXPECT_EQ(Upload(kFilePath, "661202", kSalary, {kLines[0], "6222003|王五"}).Element("ERRORMSG"),
            "文件第2行格式错误");
  TChoice wrongUse = kSalary;
  wrongUse.ModeId = "M2";
  EXPECT_EQ(Upload(kFilePath, "661202", wrongUse).Element("ERRORMSG"),
            "上送要素与银行记录不符：use");

  // A locked use needs the count and the sum of the file.
  TChoice locked{"661001", "工资代发", "02", "M2", "1", "工资（核对总额）", "", "2", "1600.5"};
  EXPECT_EQ(Upload(kFilePath, "661202", locked).Element("ISENCRYPT"), "1");
  for (const auto& [count, amount] :
       {std::pair{"", ""}, std::pair{"3", "1600.5"}, std::pair{"2", "1600.49"}}) {
    locked.TotalNum = count;
    locked.TotalAmount = amount;
    EXPECT_EQ(Upload(kFilePath, "661202", locked).Element("ERRORCODE"), "EBLN0015") << count;
  }

  // A fault can target either upload code.
  sim.SetFault("nonxml", 1, {{"txcode", "661802"}});
  EXPECT_FALSE(Upload(kVipPath, "661802", kInsurance).WellFormedXml());
}

TEST_F(BankSimAgentPay661, ConfirmationWithOneOrAllReviewers) {
  const TSimReplyData salary = Upload(kFilePath, "661202", kSalary);
  EXPECT_EQ(Confirm(salary, "654321", kFirst).Element("ERRORCODE"), "EBLN0004");
  EXPECT_EQ(Confirm(salary, "123456", "").Element("ERRORCODE"), "EBLN0014");
  EXPECT_EQ(Confirm(salary, "123456", kFirst + kSecond).Element("ERRORCODE"), "EBLN0014");
  const TSimReplyData one = Confirm(salary, "123456", kSecond);
  EXPECT_EQ(one.Element("CREDITNO"), salary.Element("CREDITNO"));
  EXPECT_EQ(one.List("CHECKNAMELIST"),
            (QList<QMap<QString, QString>>{{{"CHECKNAME", "复核员乙"}}}));
  EXPECT_EQ(Confirm(salary, "123456", kSecond).Element("ERRORCODE"), "EBLN0012");

  const TSimReplyData insurance = Upload(kVipPath, "661802", kInsurance);
  EXPECT_EQ(Confirm(insurance, "123456", kFirst).Element("ERRORCODE"), "EBLN0014");
  EXPECT_EQ(Confirm(insurance, "123456", kSecond + kFirst).Element("ERRORCODE"), "EBLN0014");
  const TSimReplyData all = Confirm(insurance, "123456", kFirst + kSecond);
  EXPECT_EQ(
      all.List("CHECKNAMELIST"),
      (QList<QMap<QString, QString>>{{{"CHECKNAME", "复核员甲"}}, {{"CHECKNAME", "复核员乙"}}}));

  const QJsonArray documents =
      QJsonDocument::fromJson(client.Get("/__sim/paydocuments").Body).array();
  ASSERT_EQ(documents.size(), 2);
  EXPECT_EQ(documents[0].toObject()["number"].toString(), salary.Element("CREDITNO"));
  EXPECT_EQ(documents[1].toObject()["reviewers"].toArray(), (QJsonArray{"复核员甲", "复核员乙"}));
  EXPECT_EQ(documents[1].toObject()["lines"].toArray().size(), 2);
}

}  // namespace
