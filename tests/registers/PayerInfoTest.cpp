#include <gtest/gtest.h>

#include "registers/records/PayerInfo.h"
#include "xml/XmlFiles.h"

namespace {

QString U(const char* utf8) {
  return QString::fromUtf8(utf8);
}

// The item element of a payer saved alone, as compact markup.
QByteArray SavedMarkup(const TPayerInfo& payer) {
  xml::Document doc;
  payer.SaveToXml(xml::AppendNode(doc, "AccountList"));
  return xml::LibraryFileBytes(doc, false);
}

TPayerInfo Loaded(const QByteArray& itemMarkup) {
  xml::Document doc;
  EXPECT_TRUE(xml::ParseLibraryBytes(itemMarkup, doc));
  TPayerInfo payer;
  payer.LoadFromXml(doc.document_element());
  return payer;
}

TEST(PayerInfo, loadsTrimmedFieldsIncludingExchangeNoButNeverWritesIt) {
  const TPayerInfo payer = Loaded(
      "<PayerList><PayAccNo> \t4400123\t </PayAccNo><PayAccName>维岭科技有限公司</PayAccName>"
      "<BranchName>广东分行</BranchName><BranchCode>44</BranchCode>"
      "<CounterName>广州天河支行</CounterName><CounterNo>4401</CounterNo><UbankNo>105581</UbankNo>"
      "<Status>0</Status><ExchangeNo>7788</ExchangeNo><SortId>工资户</SortId>"
      "<RightType>1</RightType><AccOrder>2</AccOrder><Balance>12.50</Balance>"
      "<BalanceDate>20240105</BalanceDate><CurType>01</CurType><AccAlias>基本户</AccAlias>"
      "</PayerList>");
  EXPECT_EQ(payer.PayAccNo, U("4400123"));
  EXPECT_EQ(payer.ExchangeNo, U("7788"));
  EXPECT_EQ(payer.Balance, TAmount::FromUnits(125000));
  EXPECT_EQ(payer.RightTypeText(), U("授权"));

  EXPECT_EQ(SavedMarkup(payer),
            U("<AccountList><PayerList><PayAccNo>4400123</PayAccNo>"
              "<PayAccName>维岭科技有限公司</PayAccName><BranchName>广东分行</BranchName>"
              "<BranchCode>44</BranchCode><CounterName>广州天河支行</CounterName>"
              "<CounterNo>4401</CounterNo><UbankNo>105581</UbankNo><Status>0</Status>"
              "<SortId>工资户</SortId><RightType>1</RightType><AccOrder>2</AccOrder>"
              "<Balance>12.5</Balance><BalanceDate>20240105</BalanceDate><CurType>01</CurType>"
              "<AccAlias>基本户</AccAlias></PayerList></AccountList>")
                .toUtf8());
}

TEST(PayerInfo, balanceIsExactDecimalTextBothWays) {
  auto balanceRead = [](const char* text) {
    return Loaded(QByteArray("<PayerList><Balance>") + text + "</Balance></PayerList>").Balance;
  };
  EXPECT_EQ(balanceRead("0.00005"), TAmount::FromUnits(0));  // half to even
  EXPECT_EQ(balanceRead("0.00015"), TAmount::FromUnits(2));
  EXPECT_EQ(balanceRead("-1234.56785"), TAmount::FromUnits(-12345678));
  EXPECT_EQ(balanceRead("90071992547409.9"),
            TAmount::FromUnits(900719925474099000));  // beyond double precision
  EXPECT_EQ(balanceRead("abc"), TAmount());
  EXPECT_EQ(Loaded("<PayerList/>").Balance, TAmount());
  EXPECT_EQ(balanceRead("1,5"), TAmount());

  auto balanceWritten = [](TAmount amount) {
    TPayerInfo payer;
    payer.Balance = amount;
    const QByteArray markup = SavedMarkup(payer);
    const qsizetype begin = markup.indexOf("<Balance>") + 9;
    return markup.mid(begin, markup.indexOf("</Balance>") - begin);
  };
  EXPECT_EQ(balanceWritten(TAmount::FromUnits(1)), "0.0001");
  EXPECT_EQ(balanceWritten(TAmount::FromYuan(100)), "100");
  EXPECT_EQ(balanceWritten(TAmount::FromUnits(12345000)), "1234.5");
  EXPECT_EQ(balanceWritten(TAmount::FromUnits(-30000)), "-3");
  EXPECT_EQ(balanceWritten(TAmount()), "0");
}

TEST(PayerInfo, assignCopiesEverythingButTheOwnExchangeNo) {
  TPayerInfo registered;
  registered.PayAccNo = U("4400123");
  registered.PayAccName = U("维岭科技");
  registered.ExchangeNo = U("from register");
  registered.SortId = U("组一");
  registered.Balance = TAmount::FromYuan(7);
  registered.AccAlias = U("别名");

  TPayerInfo copy;
  copy.ExchangeNo = U("own");
  copy.CounterName = U("old");
  copy.Assign(registered);
  EXPECT_EQ(copy.ExchangeNo, U("own"));
  EXPECT_EQ(copy.PayAccNo, registered.PayAccNo);
  EXPECT_EQ(copy.PayAccName, registered.PayAccName);
  EXPECT_EQ(copy.SortId, registered.SortId);
  EXPECT_EQ(copy.Balance, registered.Balance);
  EXPECT_EQ(copy.AccAlias, registered.AccAlias);
  EXPECT_TRUE(copy.CounterName.isEmpty());

  copy.RightType = "0";
  EXPECT_EQ(copy.RightTypeText(), U("签约"));
  copy.RightType = "2";
  EXPECT_EQ(copy.RightTypeText(), QString());
}

}  // namespace
