#include <gtest/gtest.h>

#include <QStringList>
#include <QXmlStreamReader>

#include "SimClient.h"
#include "platform/codec/Gbk.h"
#include "support/BankSim.h"

namespace {

constexpr char kNewPath[] = "/NNVX/NECV6NEWB2BFile";
constexpr char kOldPath[] = "/NNVX/NECV5B2BFile";
constexpr char kMultipart[] =
    "multipart/form-data; boundary=---------------------------7d8119e403d4";
const QString kDelimiter = "-----------------------------7d8119e403d4";

struct TUploadForm {
  QStringList Lines;
  QString Password, TxCode, SKey, Customer, User = "001";
};

// The body as the client builds it: GBK lines, each ended by CR LF.
QByteArray BodyOf(const TUploadForm& form) {
  QStringList lines{kDelimiter,
                    R"(Content-Disposition: form-data; name="SEND_FILE"; filename="C:\tmp.txt")",
                    "Content-Type: text/plain", ""};
  lines += form.Lines + QStringList{""};
  for (const auto& [name, value] : QList<QPair<QString, QString>>{{"PASSWORD", form.Password},
                                                                  {"TXCODE", form.TxCode},
                                                                  {"CUSTOMERID", form.Customer},
                                                                  {"USERID", form.User},
                                                                  {"SKEY", form.SKey},
                                                                  {"resType", "HTM"}}) {
    lines += {kDelimiter, "Content-Disposition: form-data; name=\"" + name + "\"", "", value};
  }
  lines += kDelimiter + "--";
  return codec::ToGbk(lines.join("\r\n") + "\r\n");
}

QStringList ErrItems(const TSimReplyData& reply) {
  QStringList items;
  QXmlStreamReader reader(reply.Text());
  while (!reader.atEnd()) {
    if (reader.readNext() == QXmlStreamReader::StartElement && reader.name() == u"ERRITEM") {
      items += reader.readElementText();
    }
  }
  return items;
}

// An own-bank line (seq 001, 1500.5) with some of its sixteen fields replaced.
QString Line(const QString& payer, const QList<QPair<int, QString>>& changes = {}) {
  QStringList fields = QString(
                           "001|付款单位|%1|310|6222000011112222|张三|310|陆家嘴支行| |310001|1|"
                           "1500.5|01|货款| | |")
                           .arg(payer)
                           .split('|');
  for (const auto& [at, value] : changes) fields[at] = value;
  return fields.join('|');
}

// Two good lines (own bank, other bank), then one bad line of each kind with its ERRITEM.
QStringList MixedLines(const QString& payer, const QString& otherPayer, QStringList& errItems) {
  const QString otherBank = Line(payer, {{0, "002"},
                                         {5, "李四"},
                                         {6, " "},
                                         {8, "105100000017"},
                                         {9, " "},
                                         {10, "0"},
                                         {11, "100"},
                                         {14, "02"}});
  const QList<std::tuple<QString, QString, QString>> bad{
      {Line(otherPayer, {{0, "003"}}), "6222000011112222|张三", "付款账号不属于本客户"},
      {Line(payer, {{0, "004"}, {4, " "}, {5, ""}}), " |", "收款账号为空"},
      {Line(payer, {{0, "005"}, {5, " "}}), "6222000011112222| ", "收款账户名称为空"},
      {Line(payer, {{0, "006"}, {11, "-5"}}), "6222000011112222|张三", "金额必须大于零"},
      {Line(payer, {{0, "007"}, {11, "十元"}}), "6222000011112222|张三", "金额格式错误"},
      {Line(payer, {{0, "008"}, {10, "0"}}), "6222000011112222|张三", "他行收款人联行号为空"},
      {Line(payer, {{0, "009"}}).section('|', 0, 8), "6222000011112222|张三", "数据格式错误"}};
  QStringList lines{Line(payer), otherBank};
  for (const auto& [line, payee, reason] : bad) {
    lines += line;
    const QString seq = line.left(3), who = seq == "003" ? otherPayer : payer;
    errItems += seq + "|" + who + "|付款单位|" + payee + "|" + reason + "|";
  }
  return lines;
}

class BankSimBatchUpload : public ::testing::Test {
 protected:
  TSimReplyData Upload(const char* path, TUploadForm form) {
    if (form.SKey.isEmpty()) {
      const QByteArray logon = form.Customer == "3100012345" ? "a12345" : "c12345";
      form.SKey = client.Logon(form.Customer.toLatin1(), "001", logon).Element("SKEY");
    }
    return client.Post(path, BodyOf(form), kMultipart);
  }
  void ExpectError(const TSimReplyData& reply, const QString& code, const QString& message) {
    EXPECT_TRUE(reply.WellFormedXml());
    EXPECT_EQ(reply.Element("ERRORCODE"), code);
    if (!message.isEmpty()) {
      EXPECT_EQ(reply.Element("ERRORMSG"), message);
    }
  }
  TBankSim sim;
  TSimClient client{sim.Port()};
};

TEST_F(BankSimBatchUpload, RejectedLinesAreListedForBothGenerations) {
  QStringList newItems, oldItems;
  const TSimReplyData fresh =
      Upload(kNewPath, {MixedLines("3100012345002", "3100067890001", newItems), "123456", "NN1310",
                        "", "3100012345"});
  EXPECT_EQ(fresh.Element("ITEMNUM"), "9");
  EXPECT_EQ(fresh.Element("SUCCNUM"), "2");
  EXPECT_EQ(fresh.Element("AMTNUM"), "1600.50");
  EXPECT_EQ(fresh.Element("CHECKERNAME"), "制单员");
  EXPECT_EQ(fresh.Element("CHECKERID"), "001");
  EXPECT_EQ(ErrItems(fresh), newItems);

  const TSimReplyData old =
      Upload(kOldPath, {MixedLines("3100067890001", "3100012345001", oldItems), "123456", "621108",
                        "", "3100067890"});
  EXPECT_EQ(old.Element("ITEMNUM"), "9");
  EXPECT_TRUE(old.Element("SUCCNUM").isNull());
  EXPECT_EQ(old.Element("AMTNUM"), "1600.50");
  EXPECT_EQ(ErrItems(old), oldItems);

  // All accepted: no list and no SUCCNUM; all rejected: no SUCCNUM either.
  QStringList unused;
  const QStringList mixed = MixedLines("3100012345001", "3100067890001", unused);
  const TSimReplyData good =
      Upload(kNewPath, {mixed.mid(0, 2), "123456", "NN1310", "", "3100012345"});
  EXPECT_EQ(good.Element("ITEMNUM"), "2");
  EXPECT_TRUE(good.Element("SUCCNUM").isNull());
  EXPECT_FALSE(good.Text().contains("ERRITEMLIST"));
  const TSimReplyData bad =
      Upload(kNewPath, {mixed.mid(2, 2), "123456", "NN1310", "", "3100012345"});
  EXPECT_EQ(bad.Element("AMTNUM"), "0.00");
  EXPECT_TRUE(bad.Element("SUCCNUM").isNull());
  EXPECT_EQ(ErrItems(bad).size(), 2);

  // Amounts are summed exactly and rounded to fen only at the end.
  QStringList cents;
  for (const QString& amount : QStringList{"0.1", "0.2", "1000000.005", "0.0049"}) {
    cents += Line("3100012345001", {{11, amount}});
  }
  EXPECT_EQ(Upload(kNewPath, {cents, "123456", "NN1310", "", "3100012345"}).Element("AMTNUM"),
            "1000000.31");
}

TEST_F(BankSimBatchUpload, PasswordCodeAndSessionAreChecked) {
  const QStringList lines{Line("3100012345001")};
  for (const QString& password : QStringList{"654321", "123456 ", "", "a12345"}) {
    ExpectError(Upload(kNewPath, {lines, password, "NN1310", "", "3100012345"}), "EBLN0004",
                "交易密码错误");
  }
  ExpectError(Upload(kOldPath, {lines, "123456", "NN1310", "", "3100012345"}), "EBLN9998",
              "交易码与访问路径不符");
  ExpectError(Upload(kNewPath, {lines, "123456", "621108", "", "3100067890"}), "EBLN9998", "");
  ExpectError(Upload(kV6, {lines, "123456", "NN1310", "", "3100012345"}), "EBLN9998", "");
  ExpectError(Upload(kNewPath, {lines, "123456", "NN1310", "", "3100067890"}), "EBLN0006",
              "交易码与客户类型不符");

  const QString live = client.Logon("3100012345", "001", "a12345").Element("SKEY");
  EXPECT_EQ(Upload(kNewPath, {lines, "123456", "NN1310", live, "3100012345"}).Element("ITEMNUM"),
            "1");
  ExpectError(Upload(kNewPath, {lines, "123456", "NN1310", live, "3100012345", "002"}), "EBLN0003",
              "会话已失效，请重新登录");
  client.Logon("3100012345", "001", "a12345");  // ends the session
  ExpectError(Upload(kNewPath, {lines, "123456", "NN1310", live, "3100012345"}), "EBLN0003", "");
}

TEST_F(BankSimBatchUpload, MalformedFormsGetErrorReplies) {
  sim.Configure("recordPasswords", "1");
  const TUploadForm form{{Line("3100012345001")},
                         "123456",
                         "NN1310",
                         client.Logon("3100012345", "001", "a12345").Element("SKEY"),
                         "3100012345"};
  const QByteArray body = BodyOf(form);
  ExpectError(client.Post(kNewPath, body, "multipart/form-data"), "EBLN9997", "上传数据格式错误");
  const TSimRequest logged = sim.Requests().last();
  EXPECT_EQ(logged.Body, body);
  EXPECT_EQ(logged.Header("Content-Type"), "multipart/form-data");
  ExpectError(client.Post(kNewPath, body, "multipart/form-data; boundary=x"), "EBLN9997", "");
  ExpectError(client.Post(kNewPath, body.left(body.size() / 2), kMultipart), "EBLN9997", "");

  // A readable form without the file, or with an empty one.
  ExpectError(client.Post(kNewPath, body.mid(body.indexOf(kDelimiter.toLatin1(), 10)), kMultipart),
              "EBLN0005", "上传文件中没有转账数据");
  TUploadForm empty = form;
  empty.Lines.clear();
  ExpectError(client.Post(kNewPath, BodyOf(empty), kMultipart), "EBLN0005", "");

  // The simulator still serves, and a fault can target the upload's code.
  EXPECT_EQ(client.Post(kNewPath, body, kMultipart).Element("ITEMNUM"), "1");
  sim.SetFault("error", 1, {{"txcode", "NN1310"}});
  ExpectError(client.Post(kNewPath, body, kMultipart), "EBLN0100", "");
}

}  // namespace
