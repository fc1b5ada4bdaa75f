#include <gtest/gtest.h>

#include "SampleBatch.h"
#include "batch/documents/BatchLine.h"
#include "platform/codec/Gbk.h"

namespace {

using sample::U;

TEST(BatchLine, ownBankLineFillsEmptyPayeeFieldsWithSpacesAndEndsWithTwoSpaces) {
  // The ninth document; the payee has no interbank number.
  const QString line = BatchLine(*sample::OwnBank(), 9);
  EXPECT_EQ(line, U("009|甲公司|0012345678901234567|44|6222000011112222|乙公司|44|福田支行| |4402|"
                    "1|1500.5|01|货款| | |"));
  // Written as GBK, byte for byte.
  EXPECT_EQ(codec::ToGbk(line).left(21), QByteArray("009|\xBC\xD7\xB9\xAB\xCB\xBE|0012345678"));

  TPayMoneyInfo bare;  // every payee field empty, but at this bank
  bare.Payee.IsNVX = U("1");
  bare.Money = TAmount::FromUnits(1);
  EXPECT_EQ(BatchLine(bare, 1000), U("1000|||| | | | | | |1|0.0001|01|| | |"));
}

TEST(BatchLine, otherBankLineBlanksTheOwnBankFieldsAndEndsWithBankAndAreaCode) {
  std::unique_ptr<TPayMoneyInfo> doc = sample::OtherBank();
  doc->Payee.BranchCode = U("not written");
  doc->Payee.CounterNo = U("not written");
  EXPECT_EQ(BatchLine(*doc, 1), U("001|甲公司|0012345678901234567|44|9558800200112233|丙商行| |"
                                  "某银行北京分行|102100099996| |0|100|01|工资|102|1000|"));

  // Without an interbank number; empty names and codes stay empty.
  TPayMoneyInfo typed;
  typed.Money = TAmount::FromUnits(100);
  EXPECT_EQ(BatchLine(typed, 10), U("010|||||| || | ||0.01|01||||"));
  EXPECT_EQ(codec::ToGbk(BatchLine(typed, 10)), QByteArray("010|||||| || | ||0.01|01||||"));
}

TEST(BatchLine, amountsAreInTheShortestGeneralForm) {
  EXPECT_EQ(AmountText(*TAmount::Parse(u"1500.50")), U("1500.5"));
  EXPECT_EQ(AmountText(TAmount::FromYuan(100)), U("100"));
  EXPECT_EQ(AmountText(TAmount::FromUnits(100)), U("0.01"));
  EXPECT_EQ(AmountText(TAmount()), U("0"));
  EXPECT_EQ(AmountText(*TAmount::Parse(u"12345678901.2345")), U("12345678901.2345"));
  // Past fifteen significant digits the form rounds.
  EXPECT_EQ(AmountText(*TAmount::Parse(u"123456789012.3456")), U("123456789012.346"));
}

TEST(BatchLine, readsAWellFormedLineIntoTheFieldsItCarries) {
  const std::optional<TPayMoneyInfo> doc = ReadBatchLine(
      U("007|甲公司|001|44|622|乙公司|45|福田支行|3055|4402|1|1500.5|01|货款|102|1000|"));
  ASSERT_TRUE(doc);
  EXPECT_EQ(doc->Payer.PayAccName, U("甲公司"));
  EXPECT_EQ(doc->Payer.PayAccNo, U("001"));
  EXPECT_EQ(doc->Payer.BranchCode, U("44"));
  EXPECT_EQ(doc->Payee.RcvAccNo, U("622"));
  EXPECT_EQ(doc->Payee.RcvAccName, U("乙公司"));
  EXPECT_EQ(doc->Payee.BranchCode, U("45"));
  EXPECT_EQ(doc->Payee.CounterName, U("福田支行"));
  EXPECT_EQ(doc->Payee.UbankNo, U("3055"));
  EXPECT_EQ(doc->Payee.CounterNo, U("4402"));
  EXPECT_EQ(doc->Payee.IsNVX, U("1"));
  EXPECT_EQ(doc->Money, *TAmount::Parse(u"1500.5"));
  EXPECT_EQ(doc->Usage, U("货款"));
  EXPECT_EQ(doc->Payee.BankCode, U("102"));
  EXPECT_EQ(doc->Payee.AreaCode, U("1000"));
  // Nothing else is taken from the line.
  EXPECT_TRUE(doc->Payer.CounterName.isEmpty());
  EXPECT_TRUE(doc->Payee.AreaProv.isEmpty());

  // Pieces keep their blanks.
  const std::optional<TPayMoneyInfo> spaced =
      ReadBatchLine(U("1| 甲 |a|b|c|d|e|f|g|h|0|5|x||  |\t|"));
  ASSERT_TRUE(spaced);
  EXPECT_EQ(spaced->Payer.PayAccName, U(" 甲 "));
  EXPECT_EQ(spaced->Money, TAmount::FromYuan(5));
  EXPECT_EQ(spaced->Usage, U(" "));  // an empty usage
  EXPECT_EQ(spaced->Payee.BankCode, U("  "));
  EXPECT_EQ(spaced->Payee.AreaCode, U("\t"));
}

TEST(BatchLine, theNumberOfPiecesDecidesWhatIsRead) {
  const QString head = U("1|a|b|c|d|e|f|g|h|i|0|2|01|use");
  // 17 and 16 pieces carry the codes, a single space when empty.
  const std::optional<TPayMoneyInfo> seventeen = ReadBatchLine(head + U("|||"));
  ASSERT_TRUE(seventeen);
  EXPECT_EQ(seventeen->Payee.BankCode, U(" "));
  EXPECT_EQ(seventeen->Payee.AreaCode, U(" "));
  const std::optional<TPayMoneyInfo> sixteen = ReadBatchLine(head + U("|102|1000"));
  ASSERT_TRUE(sixteen);
  EXPECT_EQ(sixteen->Payee.BankCode, U("102"));
  EXPECT_EQ(sixteen->Payee.AreaCode, U("1000"));
  EXPECT_EQ(sixteen->Usage, U("use"));

  // 15 and 14 pieces are read without them.
  for (const QString& tail : {U("|"), U("")}) {
    const std::optional<TPayMoneyInfo> doc = ReadBatchLine(head + tail);
    ASSERT_TRUE(doc) << tail.toStdString();
    EXPECT_TRUE(doc->Payee.BankCode.isEmpty());
    EXPECT_TRUE(doc->Payee.AreaCode.isEmpty());
    EXPECT_EQ(doc->Money, TAmount::FromYuan(2));
  }
  const std::optional<TPayMoneyInfo> fourteen = ReadBatchLine(U("1|a|b|c|d|e|f|g|h|i|0|2|01|"));
  ASSERT_TRUE(fourteen);
  EXPECT_EQ(fourteen->Usage, U(" "));

  EXPECT_FALSE(ReadBatchLine(U("1|a|b|c|d|e|f|g|h|i|0|2|01")));  // 13 pieces
  // A "|" inside a value gives more pieces than a line has.
  EXPECT_FALSE(ReadBatchLine(head + U("|102|1000||")));  // 18 pieces
  EXPECT_FALSE(ReadBatchLine(head + U("|102|1000|x")));  // 17, the last not empty
  EXPECT_FALSE(ReadBatchLine(U("1|a|b|c|d|e|f|g|h|i|0|2|01|货|款| | |")));
  EXPECT_FALSE(ReadBatchLine(U("")));
}

TEST(BatchLine, aLineWhoseAmountIsNotAboveZeroIsRejected) {
  for (const char* amount :
       {"0", "-5", "abc", "", "0.00005", "0.001", "1,000", "12元", "1e5", " 5"})
    EXPECT_FALSE(ReadBatchLine(U("1|a|b|c|d|e|f|g|h|i|0|%1|01|u|||").arg(U(amount)))) << amount;
  const std::optional<TPayMoneyInfo> doc = ReadBatchLine(U("1|a|b|c|d|e|f|g|h|i|0|0.01|01|u|||"));
  ASSERT_TRUE(doc);
  EXPECT_EQ(doc->Money, TAmount::FromUnits(100));
}

TEST(BatchLine, linesSurviveBeingReadAndWrittenAgain) {
  // An own-bank payee without an interbank number comes back with a space there.
  const std::optional<TPayMoneyInfo> own = ReadBatchLine(BatchLine(*sample::OwnBank(), 3));
  ASSERT_TRUE(own);
  EXPECT_EQ(own->Payee.UbankNo, U(" "));
  EXPECT_EQ(own->Payee.BankCode, U(" "));

  for (const QString& line : {BatchLine(*sample::OwnBank(), 3), BatchLine(*sample::OtherBank(), 12),
                              U("1000|甲|001|44|622|乙| |丙| | |0|0.01|01|用途|102|1000|")}) {
    const std::optional<TPayMoneyInfo> doc = ReadBatchLine(line);
    ASSERT_TRUE(doc) << line.toStdString();
    EXPECT_EQ(BatchLine(*doc, line.section(u'|', 0, 0).toInt()), line);
  }
}

}  // namespace
