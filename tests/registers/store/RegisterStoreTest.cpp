#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <stdexcept>

#include "platform/codec/Gbk.h"
#include "support/StartedRegisters.h"
#include "support/TempAppDir.h"

namespace {

QString U(const char* utf8) {
  return QString::fromUtf8(utf8);
}

QByteArray RegisterFile(const QString& body) {
  return "<?xml version=\"1.0\" encoding=\"GB2312\" standalone=\"yes\"?>\r\n" + codec::ToGbk(body) +
         "\r\n";
}

QString PayerItem(const char* accNo, const char* name) {
  return U("<PayerList><PayAccNo>%1</PayAccNo><PayAccName>%2</PayAccName></PayerList>")
      .arg(U(accNo), U(name));
}

QString PayeeItem(const char* accNo, const char* name, const char* isNvx) {
  return U("<PayeeList><RcvAccNo>%1</RcvAccNo><RcvAccName>%2</RcvAccName><IsNVX>%3</IsNVX>"
           "</PayeeList>")
      .arg(U(accNo), U(name), U(isNvx));
}

TEST(RegisterStore, loadsTheRegistersOnlyUnderTheirOwnRootAndItemNames) {
  TempAppDir dir;
  dir.Write("param/Payer.xml", RegisterFile("<AccountList>" + PayerItem("1", "甲") + "<Other/>" +
                                            PayerItem("2", "乙") + "</AccountList>"));
  dir.Write("param/Payee.xml",
            RegisterFile("<PayerList>" + PayeeItem("9", "丙", "1") + "</PayerList>"));
  dir.Write("param/PayeeLocal.xml",
            RegisterFile("<LocalList>" + PayeeItem("7", "丁", "0") + "</LocalList>"));
  TStartedRegisters data(dir.Path());
  ASSERT_EQ(data.Payers.Count(), 2);
  EXPECT_EQ(data.Payers[0].PayAccName, U("甲"));
  EXPECT_EQ(data.Payers[1].PayAccName, U("乙"));
  EXPECT_TRUE(data.Payees.IsEmpty());
  ASSERT_EQ(data.LocalPayees.Count(), 1);

  // A wrong root is no register of this kind: it is kept aside as damaged.
  EXPECT_FALSE(data.LoadList(data.Payees, info_configs::Payees()));
  EXPECT_TRUE(data.Payees.IsEmpty());
  ASSERT_EQ(data.DamagedFiles().size(), 1);
  EXPECT_EQ(data.DamagedFiles()[0].Path, dir.File("param/Payee.xml"));
}

TEST(RegisterStore, findsPayersAndPayeesByExactAccount) {
  TempAppDir dir;
  dir.Write("param/Payer.xml",
            RegisterFile("<AccountList>" + PayerItem("A1", "first") + PayerItem("a1", "lower") +
                         PayerItem("A1", "second") + "</AccountList>"));
  dir.Write("param/Payee.xml",
            RegisterFile("<AccountList>" + PayeeItem("P1", "registered", "0") + "</AccountList>"));
  dir.Write("param/PayeeLocal.xml",
            RegisterFile("<LocalList>" + PayeeItem("L1", "other bank", "0") +
                         PayeeItem("L1", "own bank", "1") + PayeeItem("P1", "local", "1") +
                         PayeeItem("L2", "blank", "") + "</LocalList>"));
  TStartedRegisters data(dir.Path());
  EXPECT_EQ(data.FindPayer("A1")->PayAccName, "first");
  EXPECT_EQ(data.FindLastPayer("A1")->PayAccName, "second");
  EXPECT_EQ(data.FindPayer("a1")->PayAccName, "lower");
  EXPECT_EQ(data.FindPayer("A"), nullptr);
  EXPECT_EQ(data.FindLastPayer("B"), nullptr);

  EXPECT_EQ(data.FindPayee("P1")->RcvAccName, "registered");
  EXPECT_EQ(data.FindPayee("L1"), nullptr);
  EXPECT_EQ(data.FindAnyPayee("P1")->RcvAccName, "registered");
  EXPECT_EQ(data.FindAnyPayee("L1")->RcvAccName, "own bank");
  EXPECT_EQ(data.FindAnyPayee("L2"), nullptr);
}

TEST(RegisterStore, refreshPartiesCopiesRegisteredPartiesKeepingThePayersExchangeNo) {
  TempAppDir dir;
  TStartedRegisters data(dir.Path());
  auto payer = std::make_unique<TPayerInfo>();
  payer->PayAccNo = "A1";
  payer->PayAccName = U("维岭科技");
  payer->ExchangeNo = "register";
  data.Payers.Append(std::move(payer));
  auto payee = std::make_unique<TPayeeInfo>();
  payee->RcvAccNo = "P1";
  payee->RcvAccName = U("收款单位");
  payee->ExchangeNo = "register";
  data.Payees.Append(std::move(payee));

  TPayerInfo docPayer;
  docPayer.PayAccNo = "A1";
  docPayer.ExchangeNo = "document";
  TPayeeInfo docPayee;
  docPayee.RcvAccNo = "P1";
  data.RefreshParties(docPayer, docPayee);
  EXPECT_EQ(docPayer.PayAccName, U("维岭科技"));
  EXPECT_EQ(docPayer.ExchangeNo, "document");
  EXPECT_EQ(docPayee.RcvAccName, U("收款单位"));
  EXPECT_EQ(docPayee.ExchangeNo, "register");

  docPayer.PayAccNo = "X";
  docPayer.PayAccName = "typed";
  data.RefreshParties(docPayer, docPayee);
  EXPECT_EQ(docPayer.PayAccName, "typed");
}

TEST(RegisterStore, mergePayeesLeavesOutRepeatedAccountsOfTheFile) {
  TempAppDir dir;
  dir.Write("import.xml", RegisterFile("<AccountList>" + PayeeItem("1", "甲", "1") +
                                       PayeeItem("1", "乙", "1") + PayeeItem(" 1 ", "甲", "0") +
                                       PayeeItem("2", "甲", "0") + "</AccountList>"));
  TStartedRegisters data(dir.Path());
  TOwningList<TPayeeInfo> imported;
  imported.Append(std::make_unique<TPayeeInfo>());  // replaced, not merged into
  ASSERT_TRUE(data.MergePayees(imported, info_configs::Payees().At(dir.File("import.xml"))));
  ASSERT_EQ(imported.Count(), 3);
  EXPECT_EQ(imported[0].RcvAccName, U("甲"));
  EXPECT_EQ(imported[0].IsNVX, "1");
  EXPECT_EQ(imported[1].RcvAccName, U("乙"));
  EXPECT_EQ(imported[2].RcvAccNo, "2");

  EXPECT_FALSE(data.MergePayees(imported, info_configs::Payees().At(dir.File("missing.xml"))));
  EXPECT_TRUE(imported.IsEmpty());
}

TEST(RegisterStore, usagesAreSortedAndFoldedIgnoringCaseAndSavedAsGbkLines) {
  TempAppDir dir;
  dir.Write("param/Usage.txt", codec::ToGbk(U("工资\r\nrent\r\n\r\n  Rent \r\n货款\nRENT\r\n\t\r\n"
                                              "Bonus\r\n奖金\r\n")));
  TStartedRegisters data(dir.Path());
  ASSERT_EQ(data.Usages.Count(), 5);
  EXPECT_EQ(data.Usages.At(0), "Bonus");
  EXPECT_EQ(data.Usages.At(1), "rent");
  EXPECT_EQ(data.Usages.IndexOf("RENT"), 1);
  EXPECT_EQ(data.Usages.IndexOf("rents"), -1);
  EXPECT_FALSE(data.Usages.Add("BONUS"));
  EXPECT_TRUE(data.Usages.Add("advance"));
  EXPECT_EQ(data.Usages.IndexOf("Advance"), 0);
  data.Usages.Remove(data.Usages.IndexOf("bonus"));

  data.SaveUsages();
  // Chinese after Latin, in pinyin order (奖 comes first by code point).
  EXPECT_EQ(dir.Read("param/Usage.txt"),
            codec::ToGbk(U("advance\r\nrent\r\n工资\r\n货款\r\n奖金\r\n")));
}

}  // namespace
