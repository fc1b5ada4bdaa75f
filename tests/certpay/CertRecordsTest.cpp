#include <gtest/gtest.h>

#include "certpay/records/CertPayInfo.h"
#include "xml/XmlFiles.h"

namespace {

QString U(const char* utf8) {
  return QString::fromUtf8(utf8);
}

TCertPayInfo Loaded(const char* itemMarkup) {
  xml::Document doc;
  EXPECT_TRUE(xml::ParseLibraryBytes(itemMarkup, doc));
  TCertPayInfo info;
  info.LoadFromXml(doc.document_element());
  return info;
}

template <class Record>
QByteArray SavedMarkup(const Record& record) {
  xml::Document doc;
  record.SaveToXml(xml::AppendNode(doc, "List"));
  return xml::LibraryFileBytes(doc, false);
}

TEST(CertPayInfo, savesItsPartsThenTheTextFields) {
  TCertPayInfo info;
  info.Payer = std::make_unique<TCertPayer>();
  info.Payer->AccNo = U("11001");
  info.Payer->AccName = U("财政局");
  info.Payer->CounterName = U("北京分行");
  info.Payee = std::make_unique<TCertPayee>();
  info.Payee->AccNo = U("6222");
  info.Payee->IsNVX = U("2-他行");
  info.Payee->IsPsnAcc = U("对私账号");
  info.AddInfo = std::make_unique<TCertAddInfo>();
  info.AddInfo->ProjectId = U("P1");
  info.Amt = U("100.50");
  info.Usge = U("工资");
  info.CreditNo = U("C9");
  EXPECT_EQ(SavedMarkup(info),
            U("<List><CertPayInfo>"
              "<CertPayer><AccNo>11001</AccNo><AccName>财政局</AccName>"
              "<CounterName>北京分行</CounterName></CertPayer>"
              "<CertPayee><AccNo>6222</AccNo><AccName></AccName><CounterName></CounterName>"
              "<UBankNo></UBankNo><IsNVX>2-他行</IsNVX><IsPsnAcc>对私账号</IsPsnAcc></CertPayee>"
              "<CertAddInfo><BudgetManage></BudgetManage><FuncType></FuncType>"
              "<EconomyType></EconomyType><PayoutType></PayoutType>"
              "<BudgetSource></BudgetSource><ProjectId>P1</ProjectId></CertAddInfo>"
              "<Amt>100.50</Amt><Usge>工资</Usge><Remark></Remark><CreditNo>C9</CreditNo>"
              "</CertPayInfo></List>")
                .toUtf8());

  info.Payee.reset();
  info.AddInfo.reset();
  EXPECT_EQ(SavedMarkup(info),
            U("<List><CertPayInfo>"
              "<CertPayer><AccNo>11001</AccNo><AccName>财政局</AccName>"
              "<CounterName>北京分行</CounterName></CertPayer>"
              "<Amt>100.50</Amt><Usge>工资</Usge><Remark></Remark><CreditNo>C9</CreditNo>"
              "</CertPayInfo></List>")
                .toUtf8());
}

TEST(CertPayInfo, loadsPartsInAnyOrderTheLastOfANameWinningAndMissingOnesAbsent) {
  const TCertPayInfo info = Loaded(
      "<CertPayInfo><Amt> 5 </Amt>"
      "<CertPayee><AccNo>first</AccNo></CertPayee>"
      "<CertPayer><AccNo> 11001 </AccNo><CounterName>北京分行</CounterName></CertPayer>"
      "<CertPayee><AccNo>second</AccNo><IsPsnAcc>对公账号</IsPsnAcc></CertPayee>"
      "<Remark>备注</Remark></CertPayInfo>");
  ASSERT_TRUE(info.Payer);
  EXPECT_EQ(info.Payer->AccNo, U("11001"));
  EXPECT_EQ(info.Payer->AccName, QString());
  EXPECT_EQ(info.Payer->CounterName, U("北京分行"));
  ASSERT_TRUE(info.Payee);
  EXPECT_EQ(info.Payee->AccNo, U("second"));
  EXPECT_EQ(info.Payee->IsPsnAcc, U("对公账号"));
  EXPECT_FALSE(info.AddInfo);
  EXPECT_EQ(info.Amt, U("5"));
  EXPECT_EQ(info.Remark, U("备注"));
  EXPECT_EQ(info.CreditNo, QString());
}

}  // namespace
