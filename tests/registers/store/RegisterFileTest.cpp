#include <gtest/gtest.h>

#include "platform/codec/Gbk.h"
#include "platform/files/FileError.h"
#include "support/FileSizeLimit.h"
#include "support/StartedRegisters.h"
#include "support/TempAppDir.h"

namespace {

QString U(const char* utf8) {
  return QString::fromUtf8(utf8);
}

const QByteArray kDeclaration =
    "<?xml version=\"1.0\" encoding=\"GB2312\" standalone=\"yes\"?>\r\n";

TEST(RegisterFile, payeeRegisterIsWrittenByteForByteAndReadBack) {
  TempAppDir dir;
  TStartedRegisters data(dir.Path());
  auto payee = std::make_unique<TPayeeInfo>();
  payee->RcvAccNo = "6222021001";
  payee->RcvAccName = U("朱镕基金会 & 王堃");  // 镕 and 堃 are in GBK but not in GB2312
  payee->CounterName = U("中国工商银行<深圳>分行");
  payee->IsNVX = "0";
  payee->AreaProv = U("广东省");
  data.Payees.Append(std::move(payee));
  data.Payees.Append(std::make_unique<TPayeeInfo>());
  data.SaveList(data.Payees, info_configs::Payees());

  const QString emptyFields =
      U("<RcvAccNo></RcvAccNo><RcvAccName></RcvAccName><BranchName></BranchName>"
        "<BranchCode></BranchCode><CounterName></CounterName><CounterNo></CounterNo>"
        "<UbankNo></UbankNo><ExchangeNo></ExchangeNo><Status></Status><IsNVX></IsNVX>"
        "<SortID></SortID><RightType></RightType><AccOrder></AccOrder><CurType></CurType>"
        "<AccAlias></AccAlias><AreaProv></AreaProv><AreaCode></AreaCode><BankCode></BankCode>");
  const QByteArray expected =
      kDeclaration +
      codec::ToGbk(
          U("<AccountList><PayeeList><RcvAccNo>6222021001</RcvAccNo>"
            "<RcvAccName>朱镕基金会 &amp; 王堃</RcvAccName><BranchName></BranchName>"
            "<BranchCode></BranchCode>"
            "<CounterName>中国工商银行&lt;深圳&gt;分行</CounterName><CounterNo></CounterNo>"
            "<UbankNo></UbankNo><ExchangeNo></ExchangeNo><Status></Status>"
            "<IsNVX>0</IsNVX><SortID></SortID><RightType></RightType>"
            "<AccOrder></AccOrder><CurType></CurType><AccAlias></AccAlias>"
            "<AreaProv>广东省</AreaProv><AreaCode></AreaCode><BankCode></BankCode>"
            "</PayeeList><PayeeList>") +
          emptyFields + "</PayeeList></AccountList>") +
      "\r\n";
  const QByteArray written = dir.Read("param/Payee.xml");
  EXPECT_EQ(written, expected);
  EXPECT_TRUE(written.contains("\xe9\x46"));  // 镕 as its GBK bytes

  TOwningList<TPayeeInfo> back;
  ASSERT_TRUE(data.LoadList(back, info_configs::Payees()));
  ASSERT_EQ(back.Count(), 2);
  EXPECT_EQ(back[0].RcvAccName, U("朱镕基金会 & 王堃"));
  EXPECT_EQ(back[0].CounterName, U("中国工商银行<深圳>分行"));
  EXPECT_EQ(back[0].AreaProv, U("广东省"));
  EXPECT_TRUE(back[1].RcvAccNo.isEmpty());
}

TEST(RegisterFile, aFailedSaveThrowsAndLeavesTheOldFileWhole) {
  TempAppDir dir;
  TStartedRegisters data(dir.Path());
  for (int i = 0; i < 200; ++i) {
    auto payee = std::make_unique<TPayeeInfo>();
    payee->RcvAccNo = QString::number(6222000000 + i);
    payee->RcvAccName = U("深圳市维岭贸易有限公司");
    data.Payees.Append(std::move(payee));
  }
  data.SaveList(data.Payees, info_configs::Payees());
  const QByteArray old = dir.Read("param/Payee.xml");

  data.Payees.Remove(0);
  data.Payees[0].RcvAccName = U("改过的名称");
  {
    FileSizeLimit limit(4096);
    EXPECT_THROW(data.SaveList(data.Payees, info_configs::Payees()), TFileError);
  }
  EXPECT_EQ(dir.Read("param/Payee.xml"), old);

  TempAppDir elsewhere;
  TInfoConfig config = info_configs::Payees();
  config.InParamDir = false;
  config.FileName = elsewhere.File("no/such/dir/Payee.xml");
  EXPECT_THROW(data.SaveList(data.Payees, config), TFileError);
}

TEST(RegisterFile, unreadableRegisterFilesLoadAsEmpty) {
  TempAppDir dir;
  TStartedRegisters data(dir.Path());
  const QByteArray item = codec::ToGbk(U("<PayeeList><RcvAccNo>1</RcvAccNo></PayeeList>"));
  const QByteArray broken[] = {
      kDeclaration + "<AccountList>" + item + "\x81\x20</AccountList>\r\n",  // not GBK
      kDeclaration + "<AccountList>" + item + "</AccountLis>\r\n",           // not well-formed
      kDeclaration + "<AccountList>" + item,                                 // cut short
      QByteArray(),
  };
  for (const QByteArray& bytes : broken) {
    dir.Write("param/Payee.xml", bytes);
    data.Payees.Append(std::make_unique<TPayeeInfo>());
    EXPECT_FALSE(data.LoadList(data.Payees, info_configs::Payees())) << bytes.toStdString();
    EXPECT_TRUE(data.Payees.IsEmpty());
  }
  QFile::remove(dir.File("param/Payee.xml"));
  EXPECT_FALSE(data.LoadList(data.Payees, info_configs::Payees()));

  // The same bytes without the damage load.
  dir.Write("param/Payee.xml", kDeclaration + "<AccountList>" + item + "</AccountList>\r\n");
  EXPECT_TRUE(data.LoadList(data.Payees, info_configs::Payees()));
  EXPECT_EQ(data.Payees.Count(), 1);
}

}  // namespace

TEST(RegisterFile, aDamagedRegisterFoundAtStartIsKeptAsideBeforeAnythingOverwritesIt) {
  TempAppDir dir;
  const QByteArray damaged = kDeclaration + "<AccountList><PayeeList><RcvAccNo>1</RcvAcc";
  dir.Write("param/Payee.xml", damaged);
  dir.Write("param/Payee.xml.damaged", "an older copy");
  dir.Write("param/Payer.xml", kDeclaration + "<AccountList></AccountList>\r\n");

  TStartedRegisters data(dir.Path());
  EXPECT_TRUE(data.Payees.IsEmpty());
  ASSERT_EQ(data.DamagedFiles().size(), 1);
  EXPECT_EQ(data.DamagedFiles()[0].Path, dir.File("param/Payee.xml"));
  EXPECT_EQ(data.DamagedFiles()[0].Copy, dir.File("param/Payee.xml.damaged2"));
  EXPECT_EQ(dir.Read("param/Payee.xml.damaged2"), damaged);
  EXPECT_EQ(dir.Read("param/Payee.xml.damaged"), QByteArray("an older copy"));

  data.SaveList(data.Payees, info_configs::Payees());
  EXPECT_EQ(dir.Read("param/Payee.xml.damaged2"), damaged);

  // Another register's file, or a root of another name, is damaged too.
  const QByteArray payers = kDeclaration + "<AccountList><PayerList><PayAccNo>1</PayAccNo>" +
                            "</PayerList></AccountList>\r\n";
  for (const QByteArray& other : {payers, kDeclaration + "<PayerBook></PayerBook>\r\n"}) {
    TempAppDir copied;
    copied.Write("param/Payee.xml", other);
    TStartedRegisters started(copied.Path());
    ASSERT_EQ(started.DamagedFiles().size(), 1) << other.toStdString();
    EXPECT_EQ(copied.Read("param/Payee.xml.damaged"), other);
  }
}
