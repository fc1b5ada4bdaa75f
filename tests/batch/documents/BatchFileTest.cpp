#include <gtest/gtest.h>

#include "SampleBatch.h"
#include "batch/documents/BatchFile.h"
#include "platform/files/FileError.h"
#include "support/TempAppDir.h"

namespace {

using sample::U;

// Both documents have the same payer.
const QByteArray kPayer = R"(    <PayerList>
      <PayAccNo>0012345678901234567</PayAccNo>
      <PayAccName>甲公司</PayAccName>
      <BranchName></BranchName>
      <BranchCode>44</BranchCode>
      <CounterName>深圳分行营业部</CounterName>
      <CounterNo></CounterNo>
      <UbankNo></UbankNo>
      <Status></Status>
      <SortId></SortId>
      <RightType></RightType>
      <AccOrder></AccOrder>
      <Balance>12</Balance>
      <BalanceDate></BalanceDate>
      <CurType></CurType>
      <AccAlias></AccAlias>
    </PayerList>
)";

const QByteArray kTwoDocuments = "<PayInfoList>\n  <PayInfo>\n" + kPayer + R"(    <PayeeList>
      <RcvAccNo>6222000011112222</RcvAccNo>
      <RcvAccName>乙公司</RcvAccName>
      <BranchName></BranchName>
      <BranchCode>44</BranchCode>
      <CounterName>福田支行</CounterName>
      <CounterNo>4402</CounterNo>
      <UbankNo></UbankNo>
      <ExchangeNo></ExchangeNo>
      <Status></Status>
      <IsNVX>1</IsNVX>
      <SortID></SortID>
      <RightType></RightType>
      <AccOrder></AccOrder>
      <CurType></CurType>
      <AccAlias></AccAlias>
      <AreaProv></AreaProv>
      <AreaCode></AreaCode>
      <BankCode></BankCode>
    </PayeeList>
    <Usage>货款</Usage>
    <Money>1500.5</Money>
  </PayInfo>
  <PayInfo>
)" + kPayer + R"(    <PayeeList>
      <RcvAccNo>9558800200112233</RcvAccNo>
      <RcvAccName>丙商行</RcvAccName>
      <BranchName></BranchName>
      <BranchCode></BranchCode>
      <CounterName>某银行北京分行</CounterName>
      <CounterNo></CounterNo>
      <UbankNo>102100099996</UbankNo>
      <ExchangeNo></ExchangeNo>
      <Status></Status>
      <IsNVX>0</IsNVX>
      <SortID></SortID>
      <RightType></RightType>
      <AccOrder></AccOrder>
      <CurType></CurType>
      <AccAlias></AccAlias>
      <AreaProv></AreaProv>
      <AreaCode>1000</AreaCode>
      <BankCode>102</BankCode>
    </PayeeList>
    <Usage>工资</Usage>
    <Money>100</Money>
  </PayInfo>
</PayInfoList>
)";

TEST(BatchFile, isTheLibrarysIndentedUtf8WithTheDocumentsInOrder) {
  TBatch batch = sample::TwoDocuments();
  batch[0].Payer.ExchangeNo = U("never written");
  EXPECT_EQ(BatchFileBytes(batch), kTwoDocuments);

  TempAppDir dir;
  SaveBatchFile(batch, dir.File(U("PayInfo.tmp")));
  EXPECT_EQ(dir.Read(U("PayInfo.tmp")), kTwoDocuments);
}

TEST(BatchFile, readsBackEveryFieldItWrote) {
  TempAppDir dir;
  const QString path = dir.File(U("PayInfo.tmp"));
  const TBatch written = sample::TwoDocuments();
  SaveBatchFile(written, path);

  TBatch batch;
  batch.Append(sample::OwnBank());  // replaced, not appended to
  ASSERT_TRUE(LoadBatchFile(path, batch));
  ASSERT_EQ(batch.Count(), 2);
  for (qsizetype i = 0; i < 2; ++i) {
    const TPayMoneyInfo& doc = batch[i];
    EXPECT_EQ(doc.Payer.PayAccNo, written[i].Payer.PayAccNo);
    EXPECT_EQ(doc.Payer.PayAccName, written[i].Payer.PayAccName);
    EXPECT_EQ(doc.Payer.CounterName, written[i].Payer.CounterName);
    EXPECT_EQ(doc.Payer.Balance, written[i].Payer.Balance);
    for (auto field : {&TPayeeInfo::RcvAccNo, &TPayeeInfo::RcvAccName, &TPayeeInfo::BranchCode,
                       &TPayeeInfo::CounterName, &TPayeeInfo::CounterNo, &TPayeeInfo::UbankNo,
                       &TPayeeInfo::IsNVX, &TPayeeInfo::BankCode, &TPayeeInfo::AreaCode})
      EXPECT_EQ(doc.Payee.*field, written[i].Payee.*field);
    EXPECT_EQ(doc.Usage, written[i].Usage);
    EXPECT_EQ(doc.Money, written[i].Money);
    // Only the twelve-column workbook keeps these.
    EXPECT_TRUE(doc.SerialNo.isEmpty());
    EXPECT_TRUE(doc.Remark.isEmpty());
  }
}

TEST(BatchFile, payInfoChildrenAreTakenByPosition) {
  TempAppDir dir;
  // Usage and Money swapped, the payee item first: read as they stand. A comment
  // and text between the children do not count as children. A PayInfo with three
  // children and a child of another name are skipped.
  dir.Write(U("b.tmp"), QByteArray(R"(<PayInfoList>
<PayInfo><PayeeList><RcvAccNo>622</RcvAccNo></PayeeList><!-- note -->
  <PayerList><PayAccNo>001</PayAccNo><Balance>x</Balance></PayerList>
  <Money>12.5</Money> text <Usage> 货款 </Usage></PayInfo>
<PayInfo><PayerList/><PayeeList/><Usage>u</Usage></PayInfo>
<Other><PayerList/><PayeeList/><Usage>u</Usage><Money>1</Money></Other>
<PayInfo><A><PayAccNo>002</PayAccNo></A><B><RcvAccNo>623</RcvAccNo></B><C>用途</C><D>1e2</D><E/></PayInfo>
</PayInfoList>)"));
  TBatch batch;
  ASSERT_TRUE(LoadBatchFile(dir.File(U("b.tmp")), batch));
  ASSERT_EQ(batch.Count(), 2);
  EXPECT_TRUE(batch[0].Payer.PayAccNo.isEmpty());  // the payee item read as a payer
  EXPECT_TRUE(batch[0].Payee.RcvAccNo.isEmpty());
  EXPECT_EQ(batch[0].Usage, U("12.5"));
  EXPECT_EQ(batch[0].Money, TAmount());  // "货款" is no amount
  EXPECT_EQ(batch[1].Payer.PayAccNo, U("002"));
  EXPECT_EQ(batch[1].Payee.RcvAccNo, U("623"));
  EXPECT_EQ(batch[1].Usage, U("用途"));
  EXPECT_EQ(batch[1].Money, TAmount::FromYuan(100));
}

TEST(BatchFile, nothingIsReadFromAMissingBrokenOrForeignFile) {
  TempAppDir dir;
  dir.Write(U("foreign.tmp"), "<AccountList><PayInfo/></AccountList>");
  dir.Write(U("broken.tmp"), "<PayInfoList><PayInfo>");
  dir.Write(U("empty.tmp"), "<PayInfoList/>");
  for (const char* name : {"foreign.tmp", "broken.tmp", "missing.tmp"}) {
    TBatch batch = sample::TwoDocuments();
    EXPECT_FALSE(LoadBatchFile(dir.File(U(name)), batch)) << name;
    EXPECT_TRUE(batch.IsEmpty()) << name;
  }
  TBatch batch = sample::TwoDocuments();
  EXPECT_TRUE(LoadBatchFile(dir.File(U("empty.tmp")), batch));
  EXPECT_TRUE(batch.IsEmpty());

  // A file that cannot be written throws.
  EXPECT_THROW(SaveBatchFile(batch, dir.File(U("no/such/dir/x.tmp"))), TFileError);
}

TEST(BatchFile, archiveNameIsTheExportedNameLessFourCharactersWithXml) {
  EXPECT_EQ(ArchiveFileName(U("/home/clerk/2024批次.txt")), U("2024批次.xml"));
  EXPECT_EQ(ArchiveFileName(U("C:\\批量\\五月.dat")), U("五月.xml"));
  EXPECT_EQ(ArchiveFileName(U("batch.text")), U("batch..xml"));  // not an extension rule
  EXPECT_EQ(ArchiveFileName(U("a.t")), U(".xml"));
  EXPECT_EQ(ArchiveFileName(U("abcd")), U(".xml"));
  EXPECT_EQ(ArchiveFileName(U("")), U(".xml"));
}

}  // namespace
