#include <gtest/gtest.h>

#include <QDate>
#include <QJsonObject>
#include <QRegularExpression>
#include <algorithm>

#include "SimClient.h"
#include "core/Amount.h"
#include "core/TextHelpers.h"
#include "platform/codec/Gbk.h"
#include "platform/spreadsheet/XlsFormat.h"
#include "support/BankSim.h"

namespace {

using TRows = QList<QMap<QString, QString>>;

QByteArray Day(int offset) {
  return QDate::currentDate().addDays(offset).toString("yyyyMMdd").toLatin1();
}

// The reply writes "&" as "&amp;"; Element() gives the text as written.
QString Unescaped(QString text) {
  return text.replace("&lt;", "<")
      .replace("&gt;", ">")
      .replace("&quot;", "\"")
      .replace("&amp;", "&");
}

QByteArray Encoded(const QString& key) {
  return UrlEncode(key, false).toLatin1();
}

TAmount Money(const QString& text) {
  return TAmount::Parse(text).value_or(TAmount::FromYuan(-999999));
}

const QString kCompany = "维岭示范贸易有限公司";
const QString kShanghai = "维岭银行上海分行营业部";

class BankSimAccountDetails : public ::testing::Test {
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
  // defaults, the last ten days of account 3100012345001 (or 3100067890001).
  static QByteArray NewConditions(const QByteArray& conditions) {
    return conditions + "&AccNo=3100012345001&AccName=" + kCompany.toUtf8() +
           "&AccBank=" + kShanghai.toUtf8() + "&StDt=" + Day(-9) + "&EdDt=" + Day(0) +
           "&Amt_LwrLmt_Val=&Amt_UpLm_Val=&DbtCrDrcCd=0&Cntrprt_AccNm=&CntprtAcc=&Rmrk=";
  }
  static QByteArray OldConditions(const QByteArray& conditions) {
    return conditions + "&STARTDATE=" + Day(-9) + "&ENDDATE=" + Day(0) +
           "&LOW_AMT=&HIGH_AMT=&BARGAIN_FLAG=&CHECK_ACC_NAME=&CHECK_ACC_NO=&REMARK="
           "&ACCNO1=3100067890001";
  }
  TSimReplyData NewQuery(const QByteArray& conditions, int page = 1, const QString& key = {}) {
    return client.Post(kV6, NewHead("N00017") + NewConditions(conditions) + "&PAGE=" +
                                QByteArray::number(page) + "&STS_TRACE_ID=" + Encoded(key));
  }
  TSimReplyData OldQuery(const QByteArray& conditions, int page = 1, const QString& key = {}) {
    return client.Post(kV5, OldHead("610721") + OldConditions(conditions) +
                                "&PAGE=" + QByteArray::number(page) + "&POSTSTR=" + Encoded(key));
  }
  // Every row, paging forward with the key of each page as the client does.
  TRows AllPages(bool newGeneration, const QByteArray& conditions) {
    TRows rows;
    QString key;
    for (int page = 1;; ++page) {
      const TSimReplyData reply =
          newGeneration ? NewQuery(conditions, page, key) : OldQuery(conditions, page, key);
      EXPECT_EQ(reply.Element("PAGE"), QString::number(page)) << reply.Text().toStdString();
      const TRows items = reply.List("ITEMLIST");
      rows += items;
      if (page >= reply.Element("PAGES").toInt()) break;
      EXPECT_EQ(items.size(), 20);
      key = Unescaped(reply.Element("POSTSTR"));
    }
    return rows;
  }

  TBankSim sim;
  TSimClient client{sim.Port()};
  QString newKey, oldKey;
};

TEST_F(BankSimAccountDetails, AccountListsOfBothInterfacesForTheirCustomersOnly) {
  const TRows detailAccounts = client.Post(kV6, NewHead("N00009")).List("ACCLIST");
  ASSERT_EQ(detailAccounts.size(), 3);
  // The client shows ACC without its last character, followed by ACCTYPE.
  EXPECT_EQ(detailAccounts[0]["ACC"].chopped(1) + detailAccounts[0]["ACCTYPE"],
            "3100012345001 维岭示范贸易有限公司 基本户");
  EXPECT_EQ(detailAccounts[2]["ACCNAME"], "维岭示范贸易有限公司杭州分公司");
  EXPECT_EQ(detailAccounts[2]["ACCBANK"], "维岭银行杭州分行营业部");

  const TRows flowAccounts = client.Post(kV5, OldHead("671902")).List("ACCLIST");
  EXPECT_EQ(flowAccounts, (TRows{{{"ACCNO", "3100067890001"},
                                  {"ACCNAME", "维岭旧版接口测试公司"},
                                  {"ACCCUR", "人民币"},
                                  {"ACCTYPE", "0"},
                                  {"ACCBANK", "维岭银行北京分行营业部"}},
                                 {{"ACCNO", "3100067890002"},
                                  {"ACCNAME", "维岭旧版接口测试公司"},
                                  {"ACCCUR", "美元"},
                                  {"ACCTYPE", "1"},
                                  {"ACCBANK", "维岭银行北京分行营业部"}}}));
  EXPECT_EQ(client.Post(kV5, OldHead("610112")).List("ACCLIST").size(), 2);
  EXPECT_EQ(client.Post(kV6, NewHead("NN4100")).List("ACCLIST").size(), 3);

  EXPECT_EQ(client.Post(kV6, OldHead("N00009")).Element("ERRORCODE"), "EBLN0006");
  EXPECT_EQ(client.Post(kV5, NewHead("610112")).Element("ERRORCODE"), "EBLN0006");
  EXPECT_EQ(client.Post(kV5, NewHead("N00009")).Element("ERRORCODE"), "EBLN9998");
}

TEST_F(BankSimAccountDetails, TheMonthSoFarHasRowsEveryDayWithARunningBalanceTheSameInEveryRun) {
  const QByteArray month = "&StDt=" + QDate::currentDate().toString("yyyyMM01").toLatin1();
  const TRows rows = AllPages(true, month);
  QMap<QString, int> perDay;
  for (const auto& row : rows) ++perDay[row["TRANSDATE"]];
  EXPECT_EQ(perDay.size(), QDate::currentDate().day());
  for (auto day = perDay.cbegin(); day != perDay.cend(); ++day) {
    EXPECT_GE(day.value(), 5) << day.key().toStdString();
  }
  ASSERT_GE(rows.size(), 5);
  EXPECT_EQ(rows[0].size(), 19);
  EXPECT_EQ(rows[0]["ACCNO"], "3100012345001");
  EXPECT_EQ(rows[0]["CUR"], "人民币");
  for (qsizetype i = 1; i < rows.size(); ++i) {
    const TAmount amount = Money(rows[i]["FMONEY"]);
    const TAmount change = rows[i]["FLAG"] == "1" ? amount : TAmount() - amount;
    ASSERT_EQ(Money(rows[i - 1]["YMONEY"]) + change, Money(rows[i]["YMONEY"])) << i;
    ASSERT_LE(rows[i - 1]["TRANSDATE"] + rows[i - 1]["TRANSTIME"],
              rows[i]["TRANSDATE"] + rows[i]["TRANSTIME"]);
  }

  TBankSim other;
  TSimClient otherClient(other.Port());
  const QString otherKey = otherClient.Logon("3100012345", "001", "a12345").Element("SKEY");
  const TSimReplyData again =
      otherClient.Post(kV6, TSimClient::SessionBody("N00017", otherKey, "3100012345", "001") +
                                NewConditions(month) + "&PAGE=1&STS_TRACE_ID=");
  EXPECT_EQ(again.List("ITEMLIST"), rows.mid(0, 20));
}

TEST_F(BankSimAccountDetails, APageAfterTheFirstNeedsTheEncodedKeyOfANeighbouringPage) {
  const TSimReplyData first = NewQuery({});
  ASSERT_GE(first.Element("PAGES").toInt(), 3);
  const QString key1 = Unescaped(first.Element("POSTSTR"));
  EXPECT_TRUE(key1.contains(' ') && key1.contains('&'));
  const TSimReplyData second = NewQuery({}, 2, key1);
  ASSERT_EQ(second.List("ITEMLIST").size(), 20);
  const QString key2 = Unescaped(second.Element("POSTSTR"));
  const TSimReplyData third = NewQuery({}, 3, key2);
  EXPECT_EQ(third.Element("PAGE"), "3");
  // Back from page 3: page 2 with the key of page 3.
  EXPECT_EQ(NewQuery({}, 2, Unescaped(third.Element("POSTSTR"))).List("ITEMLIST"),
            second.List("ITEMLIST"));

  const auto refused = [](const TSimReplyData& reply) { return reply.Element("ERRORCODE"); };
  EXPECT_EQ(refused(NewQuery({}, 2)), "EBLN0019");
  EXPECT_EQ(refused(NewQuery({}, 3, key1)), "EBLN0019");
  EXPECT_EQ(refused(NewQuery("&StDt=" + Day(-20), 2, key1)), "EBLN0019");
  // A space sent as "+", or the key not encoded at all.
  EXPECT_EQ(refused(client.Post(kV6, NewHead("N00017") + NewConditions({}) + "&PAGE=2" +
                                         "&STS_TRACE_ID=" + UrlEncode(key1, true).toLatin1())),
            "EBLN0019");
  EXPECT_EQ(refused(client.Post(kV6, NewHead("N00017") + NewConditions({}) + "&PAGE=2" +
                                         "&STS_TRACE_ID=" + key1.toLatin1())),
            "EBLN0019");
  EXPECT_EQ(refused(NewQuery({}, 99, key1)), "EBLN0016");

  // The old interface carries the key as POSTSTR.
  const TSimReplyData old = OldQuery({});
  EXPECT_EQ(OldQuery({}, 2, Unescaped(old.Element("POSTSTR"))).Element("PAGE"), "2");
  EXPECT_EQ(refused(OldQuery({}, 2, key1)), "EBLN0019");
}

TEST_F(BankSimAccountDetails, FiltersOfBothInterfacesInTheirEncodings) {
  const TRows rows = AllPages(true, {});
  const auto all = [&](const TRows& found,
                       const std::function<bool(const QMap<QString, QString>&)>& fits) {
    return !found.isEmpty() && std::all_of(found.begin(), found.end(), fits);
  };
  // Amounts compared exactly, both bounds included.
  const QString amount = rows[3]["FMONEY"];
  const TRows same = AllPages(
      true, "&Amt_LwrLmt_Val=" + amount.toLatin1() + "&Amt_UpLm_Val=" + amount.toLatin1() + "00");
  EXPECT_TRUE(same.contains(rows[3]));
  EXPECT_TRUE(all(same, [&](const auto& r) { return Money(r["FMONEY"]) == Money(amount); }));
  EXPECT_TRUE(all(AllPages(true, "&DbtCrDrcCd=1"), [](const auto& r) { return r["FLAG"] == "0"; }));
  EXPECT_TRUE(all(AllPages(true, "&DbtCrDrcCd=2"), [](const auto& r) { return r["FLAG"] == "1"; }));
  EXPECT_TRUE(
      all(AllPages(false, "&BARGAIN_FLAG=1"), [](const auto& r) { return r["FLAG"] == "1"; }));

  const auto company = *std::find_if(rows.begin(), rows.end(), [](const auto& r) {
    return r["REVACCNAME"].endsWith("有限公司") && !r["REVACCNO"].isEmpty();
  });
  const QString someone = company["REVACCNAME"].mid(2, 2);
  EXPECT_TRUE(all(AllPages(true, "&Cntrprt_AccNm=" + someone.toUtf8()),
                  [&](const auto& r) { return r["REVACCNAME"].contains(someone); }));
  EXPECT_EQ(NewQuery("&Cntrprt_AccNm=" + codec::ToGbk(someone)).Element("ERRORCODE"), "EBLN0016");
  EXPECT_TRUE(all(AllPages(true, "&Rmrk=" + QString("手续费").toUtf8()),
                  [](const auto& r) { return r["REMARK"] == "手续费"; }));
  const QByteArray account = company["REVACCNO"].toLatin1();
  EXPECT_TRUE(all(AllPages(true, "&CntprtAcc=" + account),
                  [&](const auto& r) { return r["REVACCNO"] == account; }));

  const TRows old = AllPages(false, {});
  const QString oldOne = old[0]["REVACCNAME"].left(2);
  EXPECT_TRUE(all(AllPages(false, "&CHECK_ACC_NAME=" + codec::ToGbk(oldOne) +
                                      "&REMARK=" + codec::ToGbk(old[0]["REMARK"])),
                  [&](const auto& r) {
                    return r["REVACCNAME"].contains(oldOne) && r["REMARK"] == old[0]["REMARK"];
                  }));
  EXPECT_EQ(old[0]["CUR"], "1");

  // The dollar account and 3100012345003 carry a padded FLAG and balances
  // without two decimals.
  const TRows dollars = OldQuery("&ACCNO1=3100067890002").List("ITEMLIST");
  ASSERT_FALSE(dollars.isEmpty());
  EXPECT_EQ(dollars[0]["CUR"], "14");
  const TRows odd = AllPages(
      true, "&AccNo=3100012345003&AccName=" + QString("维岭示范贸易有限公司杭州分公司").toUtf8() +
                "&AccBank=" + QString("维岭银行杭州分行营业部").toUtf8() + "&StDt=" + Day(-30));
  EXPECT_TRUE(all(odd, [](const auto& r) { return r["FLAG"] == " 0 " || r["FLAG"] == " 1 "; }));
  EXPECT_TRUE(std::any_of(odd.begin(), odd.end(), [](const auto& r) {
    return !r["YMONEY"].contains(QRegularExpression("\\.\\d\\d$"));
  }));

  const auto refused = [](const TSimReplyData& reply) { return reply.Element("ERRORCODE"); };
  EXPECT_EQ(refused(NewQuery("&AccNo=3100067890001")), "EBLN0018");
  EXPECT_EQ(refused(NewQuery("&AccName=" + codec::ToGbk(kCompany))), "EBLN0010");
  EXPECT_EQ(refused(NewQuery("&StDt=20260231")), "EBLN0016");
  EXPECT_EQ(refused(NewQuery("&DbtCrDrcCd=")), "EBLN0016");
  EXPECT_EQ(refused(OldQuery("&BARGAIN_FLAG=2")), "EBLN0016");
}

TEST_F(BankSimAccountDetails, DownloadsOfAtMost31DaysHoldEveryRowTheQueryPagesThrough) {
  const QByteArray days31 = "&StDt=" + Day(-30);
  EXPECT_EQ(NewQuery(days31).Element("RETRUN_ALL"), "0");
  EXPECT_EQ(NewQuery("&StDt=" + Day(-31)).Element("RETRUN_ALL"), "1");
  const QByteArray download = "&DOWNLOAD_FLAG=1&DOWNLOAD_TYPE=ECTIPDOWNLOADEXCEL";

  const TSimReplyData file = client.Post(kV6, NewHead("N00018") + NewConditions(days31) + download +
                                                  "&clientFileName=3100012345001.xls");
  EXPECT_EQ(file.Header("Content-Disposition"), "attachment; filename=\"3100012345001.xls\"");
  const TWorkbookData workbook = spreadsheet::ReadXls(file.Body);
  ASSERT_EQ(workbook.Sheets.size(), 1u);
  const TSheetData& sheet = workbook.Sheets[0];
  const TRows rows = AllPages(true, days31);
  ASSERT_EQ(sheet.RowCount(), rows.size() + 1);
  EXPECT_EQ(sheet.Cell(0, 5), "发生额");
  for (int row : {0, int(rows.size()) - 1}) {
    EXPECT_EQ(sheet.Cell(row + 1, 0), rows[row]["TRANSDATE"]);
    EXPECT_EQ(sheet.Cell(row + 1, 5), rows[row]["FMONEY"]);
    EXPECT_EQ(sheet.Cell(row + 1, 12), rows[row]["ACC_SEQ_NO"]);
  }
  EXPECT_EQ(client.Post(kV6, NewHead("N00018") + NewConditions("&StDt=" + Day(-31)) + download)
                .Element("ERRORCODE"),
            "EBLN0020");

  // The old interface sends back what the query answered.
  const QByteArray oldDays31 = "&STARTDATE=" + Day(-30);
  const TSimReplyData query = OldQuery(oldDays31);
  const QByteArray echoed = "&RETURN_ALL=0&BATCH_OID=" + query.Element("BATCH_OID").toLatin1() +
                            "&OID=" + query.Element("OID1").toLatin1() +
                            "&ACCOUNTSTATUS=" + query.Element("ACCOUNTSTATUS").toLatin1();
  const QByteArray oldBody = OldHead("610724") + download + OldConditions(oldDays31);
  const TSimReplyData oldFile = client.Post(kV5, oldBody + echoed);
  EXPECT_EQ(spreadsheet::ReadXls(oldFile.Body).Sheets[0].RowCount(),
            AllPages(false, oldDays31).size() + 1);
  EXPECT_EQ(oldFile.Header("Content-Disposition"), "attachment; filename=\"3100067890001.xls\"");
  EXPECT_EQ(client.Post(kV5, oldBody + "&BATCH_OID=BT0" + echoed).Element("ERRORMSG"),
            "上送要素与银行记录不符：BATCH_OID");
}

TEST_F(BankSimAccountDetails, DetailReceiptCountsOnTheOldPathForEitherCustomer) {
  const QMap<QString, QString> row = NewQuery({}).List("ITEMLIST").value(0);
  const QByteArray receipt = "&ACC_NO=3100012345001&ACC_SEQ_NO=" + row["ACC_SEQ_NO"].toLatin1();
  const QByteArray printed = receipt + "&AMT=" + FixTwoDecimals(row["FMONEY"]).toLatin1() +
                             "&DATE=" + row["TRANSDATE"].toLatin1();
  const auto count = [&](const QByteArray& tail) {
    const TSimReplyData reply = client.Post(kV5, NewHead("610732") + tail);
    return reply.Element("PRINUM").isNull() ? reply.Element("ERRORCODE") : reply.Element("PRINUM");
  };
  EXPECT_EQ(count(receipt + "&SEARCH_TYPE=0"), "0");
  EXPECT_EQ(count(printed + "&SEARCH_TYPE=1"), "1");
  EXPECT_EQ(count(printed + "&SEARCH_TYPE=0"), "1");
  EXPECT_EQ(count(receipt + "&SEARCH_TYPE=1"), "EBLN0010");
  EXPECT_EQ(count(receipt + "&SEARCH_TYPE=1&AMT=0.01&DATE=" + row["TRANSDATE"].toLatin1()),
            "EBLN0010");
  EXPECT_EQ(count("&ACC_NO=3100012345001&ACC_SEQ_NO=X1&SEARCH_TYPE=0"), "EBLN0022");
  EXPECT_EQ(client.Post(kV6, NewHead("610732") + receipt + "&SEARCH_TYPE=0").Element("ERRORCODE"),
            "EBLN9998");

  ASSERT_EQ(sim.PrintCounts().size(), 1);
  EXPECT_EQ(sim.PrintCounts()[0].toObject(), (QJsonObject{{"customer", "3100012345"},
                                                          {"kind", "detail"},
                                                          {"accNo", "3100012345001"},
                                                          {"detailNo", row["ACC_SEQ_NO"]},
                                                          {"count", 1}}));
  sim.SetPrintCount(
      {{"customer", "3100012345"}, {"accNo", "3100012345001"}, {"detailNo", row["ACC_SEQ_NO"]}},
      12);
  EXPECT_EQ(count(receipt + "&SEARCH_TYPE=0"), "12");
}

}  // namespace
