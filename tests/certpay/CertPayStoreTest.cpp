#include <gtest/gtest.h>

#include "certpay/store/CertPayStore.h"
#include "platform/codec/Gbk.h"
#include "support/TempAppDir.h"

namespace {

QString U(const char* utf8) {
  return QString::fromUtf8(utf8);
}

QByteArray RegisterFile(const QString& body) {
  return "<?xml version=\"1.0\" encoding=\"GB2312\" standalone=\"yes\"?>\r\n" + codec::ToGbk(body) +
         "\r\n";
}

TEST(CertPayStore, addsOnlyNewRecordsAndLeavesRefusedOnesWithTheCaller) {
  TempAppDir dir;
  dir.Write("param/CertPayee.xml",
            RegisterFile(U("<CertPayeeList><CertPayee><AccNo>6222</AccNo><AccName>张三</AccName>"
                           "<CounterName>上海分行</CounterName><UBankNo>1</UBankNo></CertPayee>"
                           "</CertPayeeList>")));
  TCertPayStore data{TAppPaths(dir.Path())};
  data.Load();
  ASSERT_EQ(data.CertPayees.Count(), 1);

  auto payee = std::make_unique<TCertPayee>();
  payee->AccNo = "6222";
  payee->AccName = U("张三");
  payee->CounterName = U("上海分行");
  payee->UBankNo = "2";
  TCertPayee* const refused = payee.get();
  EXPECT_FALSE(TCertPayStore::AddCertPayee(data.CertPayees, payee));
  EXPECT_EQ(payee.get(), refused);
  EXPECT_EQ(data.CertPayees.Count(), 1);
  payee->AccName = U("李四");
  EXPECT_TRUE(TCertPayStore::AddCertPayee(data.CertPayees, payee));
  EXPECT_EQ(payee, nullptr);
  EXPECT_EQ(&data.CertPayees[1], refused);

  auto payer = std::make_unique<TCertPayer>();
  EXPECT_TRUE(TCertPayStore::AddCertPayer(data.CertPayers, payer));
  payer = std::make_unique<TCertPayer>();
  EXPECT_FALSE(TCertPayStore::AddCertPayer(data.CertPayers, payer));
  ASSERT_NE(payer, nullptr);

  auto info = std::make_unique<TCertAddInfo>();
  info->ProjectId = "P";
  EXPECT_TRUE(TCertPayStore::AddCertAddInfo(data.CertAddInfos, info));
  info = std::make_unique<TCertAddInfo>();
  info->ProjectId = "P";
  EXPECT_FALSE(TCertPayStore::AddCertAddInfo(data.CertAddInfos, info));
  info->FuncType = "F";
  EXPECT_TRUE(TCertPayStore::AddCertAddInfo(data.CertAddInfos, info));
}

TEST(CertPayStore, documentsGoBackToTheFileWholeAndAMissingPartReadsEmpty) {
  TempAppDir dir;
  dir.Write("param/CertPayInfo.xml",
            RegisterFile(U("<CertPayInfoList><CertPayInfo><CertPayee><AccNo>6222</AccNo>"
                           "<IsNVX>2-他行</IsNVX></CertPayee><Amt>5</Amt></CertPayInfo>"
                           "</CertPayInfoList>")));
  TCertPayStore data{TAppPaths(dir.Path())};
  data.Load();
  TOwningList<TUserInput> docs = data.Documents();
  ASSERT_EQ(docs.Count(), 1);
  EXPECT_EQ(docs[0].SeqNo, "1");
  EXPECT_EQ(docs[0].PayeeAccNo, "6222");
  EXPECT_EQ(docs[0].PayeeBankFlag, U("2-他行"));
  EXPECT_EQ(docs[0].PayerAccNo, QString());
  EXPECT_EQ(docs[0].Amt, "5");

  docs[0].PayerAccNo = "110001";
  docs.Append(std::make_unique<TUserInput>(docs[0]));
  data.SaveDocuments(docs);
  TCertPayStore reread{TAppPaths(dir.Path())};
  reread.Load();
  ASSERT_EQ(reread.CertPayInfos.Count(), 2);
  for (const TCertPayInfo& info : reread.CertPayInfos) {
    EXPECT_TRUE(info.Payer && info.Payee && info.AddInfo);
    EXPECT_EQ(info.Payer->AccNo, "110001");
  }
  EXPECT_EQ(reread.Documents()[1].SeqNo, "2");
}

}  // namespace
