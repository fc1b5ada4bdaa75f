#include <gtest/gtest.h>

#include "platform/codec/Gbk.h"
#include "registers/books/UsageText.h"

namespace {

QString U(const char* utf8) {
  return QString::fromUtf8(utf8);
}

TEST(UsageText, keepsThirtyGbkBytesAndNeverHalfACharacter) {
  const QString twenty = U("一二三四五六七八九十一二三四五六七八九十");
  EXPECT_EQ(UsageText(twenty), U("一二三四五六七八九十一二三四五"));

  // 29 single bytes then a Chinese character whose second byte would be the 31st.
  const QString mixed = QString(29, u'a') + U("款项");
  EXPECT_EQ(UsageText(mixed), QString(29, u'a'));
  EXPECT_EQ(codec::GbkLength(UsageText(U("a款项货款项货款项货款项货款项货款"))), 29);

  // Blanks count only inside the text; a cut right after a blank drops it.
  EXPECT_EQ(UsageText(U("  \t货款\u3000 ")), U("货款"));
  EXPECT_EQ(UsageText(U("货款货款货款货款货款货款货款a b")), U("货款货款货款货款货款货款货款a"));
  EXPECT_EQ(UsageText(U("   ")), QString());
}

TEST(DistinctSorted, dropsEmptiesAndRepeatsAndSortsInChineseOrderIgnoringCase) {
  EXPECT_EQ(DistinctSorted({U("b组"), QString(), U("A组"), U("b组"), U("a组"), U("C")}),
            (QStringList{U("A组"), U("a组"), U("b组"), U("C")}));
  // Group names in pinyin order, not in code point order (租 U+79DF before 货 U+8D27).
  EXPECT_EQ(DistinctSorted({U("货运组"), U("租赁组"), U("财务组"), U("货运组")}),
            (QStringList{U("财务组"), U("货运组"), U("租赁组")}));
}

}  // namespace
