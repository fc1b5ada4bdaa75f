#include <gtest/gtest.h>

#include "platform/codec/Gbk.h"

namespace {

QString U(const char* utf8) {
  return QString::fromUtf8(utf8);
}

TEST(Gbk, convertsChineseAndExtensionCharactersBothWays) {
  // 中文 is in GB2312; 镕 and 堃 only in the GBK extension; € is 0x80 in code page 936.
  const QString text = U("中文镕堃€A");
  const QByteArray bytes = codec::ToGbk(text);
  EXPECT_EQ(bytes.toHex(), QByteArray("d6d0cec4e94688d28041"));
  EXPECT_EQ(codec::FromGbk(bytes), text);
  EXPECT_EQ(codec::FromGbkStrict(bytes), text);
  EXPECT_TRUE(codec::FitsGbk(text));
}

TEST(Gbk, marksWhatItCannotConvert) {
  // U+3400 is in GB18030 but not in GBK.
  EXPECT_FALSE(codec::FitsGbk(U("a㐀")));
  EXPECT_EQ(codec::ToGbk(U("a㐀")), QByteArray("a?"));
  // A lead byte without its trail byte, or with a trail byte that cannot follow it.
  EXPECT_FALSE(codec::FromGbkStrict(QByteArray("\xd6", 1)).has_value());
  EXPECT_FALSE(codec::FromGbkStrict(QByteArray("ab\x81\x20", 4)).has_value());
  EXPECT_TRUE(codec::FromGbk(QByteArray("ab\x81\x20", 4)).startsWith(U("ab")));
}

TEST(Gbk, countsAndCutsBytesWithoutSplittingACharacter) {
  EXPECT_EQ(codec::GbkLength(U("")), 0);
  EXPECT_EQ(codec::GbkLength(U("ab中文")), 6);
  EXPECT_EQ(codec::GbkLeft(U("ab中文"), 5), U("ab中"));
  EXPECT_EQ(codec::GbkLeft(U("ab中文"), 4), U("ab中"));
  EXPECT_EQ(codec::GbkLeft(U("ab中文"), 3), U("ab"));
  EXPECT_EQ(codec::GbkLeft(U("ab中文"), 99), U("ab中文"));
  EXPECT_EQ(codec::GbkLeft(U("中文"), 0), U(""));
}

}  // namespace

namespace {

TEST(Gbk, everyDoubleByteCharacterReadsAndWritesBackTheSameBytes) {
  int valid = 0;
  for (int lead = 0x81; lead <= 0xFE; ++lead) {
    for (int trail = 0x40; trail <= 0xFE; ++trail) {
      QByteArray pair;
      pair.append(char(lead)).append(char(trail));
      const std::optional<QString> text = codec::FromGbkStrict(pair);
      if (!text) continue;
      ++valid;
      ASSERT_EQ(text->size(), 1) << pair.toHex().constData();
      ASSERT_EQ(codec::ToGbk(*text), pair) << pair.toHex().constData();
      ASSERT_EQ(codec::GbkToUtf8Strict(pair), text->toUtf8()) << pair.toHex().constData();
    }
  }
  // Code page 936 as the platform maps it, user-defined areas included.
  EXPECT_EQ(valid, 23940);
}

TEST(Gbk, utf8ConvertsStraightToGbkAndBack) {
  const QString text = U("账户 Account 镕€");
  const QByteArray utf8 = text.toUtf8() + "\xf0\x9f\x98\x80" + "\xff";  // an emoji, a bad byte
  QByteArray gbk("head:");
  QList<char32_t> unmappable;
  codec::AppendUtf8AsGbk(gbk, std::string_view(utf8.constData(), size_t(utf8.size())),
                         [&unmappable](QByteArray& out, char32_t code) {
                           unmappable.append(code);
                           out += "<?>";
                         });
  EXPECT_EQ(gbk, "head:" + codec::ToGbk(text) + "<?><?>");
  EXPECT_EQ(unmappable, (QList<char32_t>{0x1F600, 0xFFFD}));
  EXPECT_EQ(codec::GbkToUtf8Strict(codec::ToGbk(text)), text.toUtf8());
  EXPECT_FALSE(codec::GbkToUtf8Strict(QByteArray("abcdefgh\x81", 9)).has_value());
  QByteArray kept("kept");
  EXPECT_FALSE(codec::AppendGbkAsUtf8Strict(kept, QByteArray("\x81\x20", 2)));
  EXPECT_EQ(kept, QByteArray("kept"));
  EXPECT_TRUE(codec::IsValidGbk(codec::ToGbk(text)));
  EXPECT_FALSE(codec::IsValidGbk(QByteArray("0123456789\xd6", 11)));
}

}  // namespace
