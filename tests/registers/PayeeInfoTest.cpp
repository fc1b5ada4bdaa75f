#include <gtest/gtest.h>

#include "registers/records/PayeeInfo.h"
#include "registers/records/PayerInfo.h"
#include "xml/XmlFiles.h"

namespace {

QString U(const char* utf8) {
  return QString::fromUtf8(utf8);
}

const char* const kFieldOrder[] = {
    "RcvAccNo", "RcvAccName", "BranchName", "BranchCode", "CounterName", "CounterNo",
    "UbankNo",  "ExchangeNo", "Status",     "IsNVX",      "SortID",      "RightType",
    "AccOrder", "CurType",    "AccAlias",   "AreaProv",   "AreaCode",    "BankCode"};

TEST(PayeeInfo, savesAllEighteenFieldsInOrderAndReadsThemBackTrimmed) {
  // Every field gets a value of its own, padded with blanks to be trimmed.
  QByteArray markup = "<PayeeList>";
  for (const char* name : kFieldOrder)
    markup += QByteArray("<") + name + ">\t 收款" + name + " \r\n</" + name + ">";
  markup += "</PayeeList>";
  xml::Document source;
  ASSERT_TRUE(xml::ParseLibraryBytes(markup, source));
  TPayeeInfo payee;
  payee.LoadFromXml(source.document_element());
  EXPECT_EQ(payee.RcvAccNo, U("收款RcvAccNo"));
  EXPECT_EQ(payee.SortID, U("收款SortID"));
  EXPECT_EQ(payee.BankCode, U("收款BankCode"));

  xml::Document saved;
  payee.SaveToXml(xml::AppendNode(saved, "AccountList"));
  QByteArray expected = "<AccountList><PayeeList>";
  for (const char* name : kFieldOrder)
    expected += QByteArray("<") + name + ">收款" + name + "</" + name + ">";
  expected += "</PayeeList></AccountList>";
  EXPECT_EQ(xml::LibraryFileBytes(saved, false), expected);

  TPayeeInfo back;
  back.LoadFromXml(saved.document_element().first_child());
  xml::Document again;
  back.SaveToXml(xml::AppendNode(again, "AccountList"));
  EXPECT_EQ(xml::LibraryFileBytes(again, false), expected);
}

TEST(PayeeInfo, assignFromPayerMakesAnOwnBankAccountAndKeepsOtherBankFields) {
  TPayeeInfo payee;
  payee.RcvAccNo = U("6222000");
  payee.IsNVX = U("0");
  payee.BankCode = U("102");
  payee.AreaCode = U("5810");
  payee.AreaProv = U("广东省");
  payee.UbankNo = U("102581000013");
  EXPECT_EQ(payee.BankCategoryText(), U("他行"));
  payee.IsNVX.clear();
  EXPECT_EQ(payee.BankCategoryText(), U("他行"));

  TPayerInfo payer;
  payer.PayAccNo = U("4400123");
  payer.PayAccName = U("维岭科技");
  payer.CounterName = U("广州天河支行");
  payer.ExchangeNo = U("88");
  payer.SortId = U("工资户");
  payer.AccAlias = U("基本户");

  payee.AssignFromPayer(payer);
  EXPECT_EQ(payee.RcvAccNo, U("4400123"));
  EXPECT_EQ(payee.RcvAccName, U("维岭科技"));
  EXPECT_EQ(payee.CounterName, U("广州天河支行"));
  EXPECT_EQ(payee.UbankNo, QString());
  EXPECT_EQ(payee.ExchangeNo, U("88"));
  EXPECT_EQ(payee.SortID, U("工资户"));
  EXPECT_EQ(payee.AccAlias, U("基本户"));
  EXPECT_EQ(payee.IsNVX, U("1"));
  EXPECT_EQ(payee.BankCode, U("102"));
  EXPECT_EQ(payee.AreaCode, U("5810"));
  EXPECT_EQ(payee.AreaProv, U("广东省"));
  EXPECT_EQ(payee.BankCategoryText(), U("维行"));
}

}  // namespace
