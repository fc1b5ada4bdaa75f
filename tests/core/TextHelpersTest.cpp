#include <gtest/gtest.h>

#include "core/TextHelpers.h"
#include "platform/codec/Gbk.h"

namespace {

QString Words(const char* amount) {
  return AmountInWords(QString::fromUtf8(amount));
}

TEST(AmountInWords, writesZeroAndTheFraction) {
  EXPECT_EQ(Words("0"), "零元整");
  EXPECT_EQ(Words("0.00"), "零元整");
  EXPECT_EQ(Words(""), "零元整");
  EXPECT_EQ(Words("1.05"), "壹元伍分");
  EXPECT_EQ(Words("1.5"), "壹元伍角");
  EXPECT_EQ(Words("1.50"), "壹元伍角");
  EXPECT_EQ(Words("12.34"), "壹拾贰元叁角肆分");
  EXPECT_EQ(Words("1234.567"), "壹仟贰佰叁拾肆元伍角陆分");
  EXPECT_EQ(Words("0.05"), "零元伍分");
  EXPECT_EQ(Words(".5"), "零元伍角");
  EXPECT_EQ(Words("3."), "叁元整");
  EXPECT_EQ(Words("-12.5"), "负壹拾贰元伍角");
}

TEST(AmountInWords, writesOneZeroForARunOfZerosAndAlwaysEndsAGroupWithItsUnit) {
  EXPECT_EQ(Words("10"), "壹拾元整");
  EXPECT_EQ(Words("101"), "壹佰零壹元整");
  EXPECT_EQ(Words("1010"), "壹仟零壹拾元整");
  EXPECT_EQ(Words("1001"), "壹仟零壹元整");
  EXPECT_EQ(Words("10000"), "壹万元整");
  EXPECT_EQ(Words("10001"), "壹万零壹元整");
  EXPECT_EQ(Words("100100"), "壹拾万零壹佰元整");
  EXPECT_EQ(Words("20005000"), "贰仟万伍仟元整");
  EXPECT_EQ(Words("100000001"), "壹亿零壹元整");
  EXPECT_EQ(Words("1000010000"), "壹拾亿零壹万元整");
  EXPECT_EQ(Words("100000000"), "壹亿元整");
  EXPECT_EQ(Words("123456789012"), "壹仟贰佰叁拾肆亿伍仟陆佰柒拾捌万玖仟零壹拾贰元整");
}

TEST(AmountInWords, neverFailsOnTextOutsideThePlainForm) {
  EXPECT_EQ(Words("-.5"), "负零元伍角");
  EXPECT_EQ(Words("-0"), "零元整");
  EXPECT_EQ(Words("-0.001"), "零元整");
  EXPECT_EQ(Words("-"), "零元整");
  EXPECT_EQ(Words("."), "零元整");
  EXPECT_EQ(Words("007"), "柒元整");
  EXPECT_EQ(Words("00010001"), "壹万零壹元整");
  EXPECT_EQ(Words(" +12 "), "壹拾贰元整");
  // Above twelve digits the hundred-millions group is read with "万" inside.
  EXPECT_EQ(Words("1000000000000"), "壹万亿元整");
  EXPECT_EQ(Words("12345678901234"), "壹拾贰万叁仟肆佰伍拾陆亿柒仟捌佰玖拾万壹仟贰佰叁拾肆元整");
  EXPECT_EQ(Words("9999999999999999.99"),
            "玖仟玖佰玖拾玖万玖仟玖佰玖拾玖亿玖仟玖佰玖拾玖万玖仟玖佰玖拾玖元玖角玖分");
  for (const char* garbage : {"12345678901234567", "abc", "1.2.3", "1,000.00", "12-", "--1", "1e5",
                              "١٢", "１２", "1.5a", "+-1", "1 2"})
    EXPECT_EQ(Words(garbage), QString()) << garbage;
}

TEST(GroupInWords, writesOneGroupWithItsUnit) {
  EXPECT_EQ(GroupInWords(u"0", 0), "零元");
  EXPECT_EQ(GroupInWords(u"7", 1), "柒万");
  EXPECT_EQ(GroupInWords(u"0000", 1), "");
  EXPECT_EQ(GroupInWords(u"0010", 2), "零壹拾亿");
  EXPECT_EQ(GroupInWords(u"1000", 0), "壹仟元");
  EXPECT_EQ(GroupInWords(u"1203", 1), "壹仟贰佰零叁万");
  EXPECT_EQ(GroupInWords(u"12345", 0), "");
  EXPECT_EQ(GroupInWords(u"1a", 0), "");
  EXPECT_EQ(GroupInWords(u"12", 3), "壹拾贰");
}

TEST(FixTwoDecimals, padsOrCutsToTwoDecimals) {
  EXPECT_EQ(FixTwoDecimals(u""), "");
  EXPECT_EQ(FixTwoDecimals(u"5"), "5.00");
  EXPECT_EQ(FixTwoDecimals(u"5."), "5.00");
  EXPECT_EQ(FixTwoDecimals(u".5"), "0.50");
  EXPECT_EQ(FixTwoDecimals(u"-.5"), "-0.50");
  EXPECT_EQ(FixTwoDecimals(u"1.234"), "1.23");
  EXPECT_EQ(FixTwoDecimals(u"1.999"), "1.99");
  EXPECT_EQ(FixTwoDecimals(u"12.30"), "12.30");
}

TEST(FormatAmount, showsTwoDecimalsOrBlankForZero) {
  EXPECT_EQ(FormatAmount(false, TAmount()), "0.00");
  EXPECT_EQ(FormatAmount(true, TAmount()), "");
  EXPECT_EQ(FormatAmount(true, TAmount::FromUnits(12345678905)), "1,234,567.89");
  EXPECT_EQ(FormatAmount(true, TAmount::FromUnits(12345678950)), "1,234,567.90");
  EXPECT_EQ(FormatAmount(false, TAmount::FromUnits(-10000000)), "-1,000.00");
}

TEST(IsValidDate, followsTheGregorianCalendarWithinTheYearRange) {
  EXPECT_TRUE(IsValidDate(u"20240229"));
  EXPECT_TRUE(IsValidDate(u"20000229"));
  EXPECT_TRUE(IsValidDate(u"10000101"));
  EXPECT_TRUE(IsValidDate(u"20501231"));
  EXPECT_TRUE(IsValidDate(u"20240131"));
  EXPECT_TRUE(IsValidDate(u"20240430"));
  EXPECT_FALSE(IsValidDate(u"20230229"));
  EXPECT_FALSE(IsValidDate(u"19000229"));
  EXPECT_FALSE(IsValidDate(u"20240431"));
  EXPECT_FALSE(IsValidDate(u"20510101"));
  EXPECT_FALSE(IsValidDate(u"09991231"));
  EXPECT_FALSE(IsValidDate(u"20241301"));
  EXPECT_FALSE(IsValidDate(u"20240001"));
  EXPECT_FALSE(IsValidDate(u"20240100"));
  EXPECT_FALSE(IsValidDate(u"20240132"));
}

TEST(IsValidDate, refusesOtherLengthsAndThrowsForANonNumericPart) {
  EXPECT_FALSE(IsValidDate(u""));
  EXPECT_FALSE(IsValidDate(u"2024022"));
  EXPECT_FALSE(IsValidDate(u"202402290"));
  EXPECT_FALSE(IsValidDate(u"2024-02-29"));
  for (const char16_t* bad : {u"2024ab01", u"2024 101", u"+0240101", u"20240-01", u"２０２４0101"})
    EXPECT_THROW(IsValidDate(bad), TConversionError) << QString::fromUtf16(bad).toStdString();
}

TEST(UrlEncode, copiesTheSafeBytesAndEncodesEveryOtherGbkByte) {
  EXPECT_EQ(UrlEncode(u"a b", true), "a+b");
  EXPECT_EQ(UrlEncode(u"a b", false), "a%20b");
  EXPECT_EQ(UrlEncode(u"~", false), "%7E");
  EXPECT_EQ(UrlEncode(u"Az09-._", true), "Az09-._");
  EXPECT_EQ(UrlEncode(u"+&=%/", true), "%2B%26%3D%25%2F");
  EXPECT_EQ(UrlEncode(u"中文", true), "%D6%D0%CE%C4");
  EXPECT_EQ(UrlEncode(u"誠", true), "%D5%5C");
  EXPECT_EQ(UrlEncode(u"\U0001F600", true), "%3F");
}

TEST(Splitting, keepsOrDropsThePieceAfterTheLastSeparator) {
  EXPECT_EQ(SplitFields(u"a|b|c", u"|"), QStringList({"a", "b"}));
  EXPECT_EQ(SplitFields(u"a|b|c|", u"|"), QStringList({"a", "b", "c"}));
  EXPECT_EQ(SplitFields(u"||", u"|"), QStringList({"", ""}));
  EXPECT_EQ(SplitFields(u"abc", u"|"), QStringList());
  EXPECT_EQ(SplitFields(u"a::b::", u"::"), QStringList({"a", "b"}));
  EXPECT_EQ(SplitFields(u"a|b", u""), QStringList());
  EXPECT_EQ(SplitText(u"a|b|c", u"|"), QStringList({"a", "b", "c"}));
  EXPECT_EQ(SplitText(u"a|b|", u"|"), QStringList({"a", "b", ""}));
  EXPECT_EQ(SplitText(u"", u"|"), QStringList({""}));
  EXPECT_EQ(SplitText(u"a|b", u""), QStringList({"a|b"}));
}

TEST(Splitting, neverMatchesInsideADoubleByteCharacter) {
  // The second GBK byte of 誠 is "\" and that of 諀 is "|".
  ASSERT_EQ(codec::ToGbk(u"誠諀"), QByteArray("\xD5\x5C\xD5\x7C"));
  EXPECT_EQ(SplitFields(u"誠諀|甲|", u"|"), QStringList({"誠諀", "甲"}));
  EXPECT_EQ(FileNameOf(u"C:\\单据\\誠諀.txt"), "誠諀.txt");
  // The bytes of 爸小 hold those of 中 across the two characters.
  ASSERT_TRUE(codec::ToGbk(u"爸小").contains(codec::ToGbk(u"中")));
  EXPECT_EQ(SplitText(u"爸小中乙", u"中"), QStringList({"爸小", "乙"}));
  // A separator that is half of a surrogate pair does not cut the pair.
  const QString pair = QString::fromUtf16(u"\U0001F600");
  EXPECT_EQ(SplitText(pair + u'x' + pair[1], pair.mid(1)), QStringList({pair + u'x', ""}));
}

TEST(Splitting, picksPiecesFromTheEndAndFileNames) {
  EXPECT_EQ(PieceFromEnd(u"a|b|c", u"|", 0), "c");
  EXPECT_EQ(PieceFromEnd(u"a|b|c", u"|", 2), "a");
  EXPECT_EQ(PieceFromEnd(u"a|b|c", u"|", 3), "");
  EXPECT_EQ(PieceFromEnd(u"a|b|c", u"|", -1), "");
  EXPECT_EQ(PieceFromEnd(u"a|b|", u"|", 0), "");
  EXPECT_EQ(FileNameOf(u"C:\\dfdk\\批量.txt"), "批量.txt");
  EXPECT_EQ(FileNameOf(u"/tmp/dfdk/a.txt"), "a.txt");
  EXPECT_EQ(FileNameOf(u"a/b\\c.txt"), "c.txt");
  EXPECT_EQ(FileNameOf(u"a\\b/c.txt"), "c.txt");
  EXPECT_EQ(FileNameOf(u"plain.txt"), "plain.txt");
  EXPECT_EQ(FileNameOf(u"dir/"), "");
}

TEST(Splitting, cutsTextIntoLinesWithoutAnEmptyLastOne) {
  EXPECT_EQ(TextLines(u"a\r\n\r\nb\nc\r\n"), QStringList({"a", "", "b", "c"}));
  EXPECT_EQ(TextLines(u"a\r"), QStringList({"a"}));
  EXPECT_EQ(TextLines(u"\n"), QStringList({""}));
  EXPECT_TRUE(TextLines(u"").isEmpty());
}

TEST(SubstrByPos, countsGbkBytesAndNeverCutsACharacter) {
  EXPECT_EQ(SubstrByPos(u"abcdef", 2, 4), "bcd");
  EXPECT_EQ(SubstrByPos(u"abcdef", 4, 100), "def");
  EXPECT_EQ(SubstrByPos(u"abcdef", 0, 2), "ab");
  EXPECT_EQ(SubstrByPos(u"abcdef", 7, 9), "");
  EXPECT_EQ(SubstrByPos(u"abcdef", 4, 3), "");
  EXPECT_EQ(SubstrByPos(u"", 1, 1), "");
  // 中 takes bytes 2-3 and 文 bytes 4-5.
  EXPECT_EQ(SubstrByPos(u"a中文b", 2, 5), "中文");
  EXPECT_EQ(SubstrByPos(u"a中文b", 1, 3), "a中");
  EXPECT_EQ(SubstrByPos(u"a中文b", 3, 6), "文b");
  EXPECT_EQ(SubstrByPos(u"a中文b", 1, 4), "a中");
  EXPECT_EQ(SubstrByPos(u"a中文b", 3, 4), "");
  EXPECT_EQ(SubstrByPos(u"中", 2, 2), "");
}

TEST(IndexOfText, findsTheFirstExactEntry) {
  const QStringList list{"甲", "乙", "abc", "乙"};
  EXPECT_EQ(IndexOfText(u"乙", list), 1);
  EXPECT_EQ(IndexOfText(u"abc", list), 2);
  EXPECT_EQ(IndexOfText(u"ABC", list), -1);
  EXPECT_EQ(IndexOfText(u"", list), -1);
  EXPECT_EQ(IndexOfText(u"甲", {}), -1);
}

}  // namespace
