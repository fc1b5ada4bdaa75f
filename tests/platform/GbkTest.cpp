#include <gtest/gtest.h>

#include "platform/codec/Gbk.h"

namespace {

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

TEST(Gbk, convertsChineseAndExtensionCharactersBothWays) {
  // 中文 is in GB2312; 镕 and 堃 only in the GBK extension; € is 0x80 in code page 936.
  const QString text = U("中文镕堃€A");
  const QByteArray bytes = codec::toGbk(text);
  EXPECT_EQ(bytes.toHex(), QByteArray("d6d0cec4e94688d28041"));
  EXPECT_EQ(codec::fromGbk(bytes), text);
  EXPECT_EQ(codec::fromGbkStrict(bytes), text);
  EXPECT_TRUE(codec::fitsGbk(text));
}

TEST(Gbk, marksWhatItCannotConvert) {
  // U+3400 is in GB18030 but not in GBK.
  EXPECT_FALSE(codec::fitsGbk(U("a㐀")));
  EXPECT_EQ(codec::toGbk(U("a㐀")), QByteArray("a?"));
  // A lead byte without its trail byte, or with a trail byte that cannot follow it.
  EXPECT_FALSE(codec::fromGbkStrict(QByteArray("\xd6", 1)).has_value());
  EXPECT_FALSE(codec::fromGbkStrict(QByteArray("ab\x81\x20", 4)).has_value());
  EXPECT_TRUE(codec::fromGbk(QByteArray("ab\x81\x20", 4)).startsWith(U("ab")));
}

TEST(Gbk, countsAndCutsBytesWithoutSplittingACharacter) {
  EXPECT_EQ(codec::gbkLength(U("")), 0);
  EXPECT_EQ(codec::gbkLength(U("ab中文")), 6);
  EXPECT_EQ(codec::gbkLeft(U("ab中文"), 5), U("ab中"));
  EXPECT_EQ(codec::gbkLeft(U("ab中文"), 4), U("ab中"));
  EXPECT_EQ(codec::gbkLeft(U("ab中文"), 3), U("ab"));
  EXPECT_EQ(codec::gbkLeft(U("ab中文"), 99), U("ab中文"));
  EXPECT_EQ(codec::gbkLeft(U("中文"), 0), U(""));
}

}  // namespace
