#include <gtest/gtest.h>

#include "statements/printing/VoucherDate.h"

namespace {

QString Read(const QString& madeTime, const QLocale& locale) {
  const TVoucherDate date = VoucherDateOf(madeTime, locale);
  return date.Read ? date.Text : "unread: " + date.Text;
}

TEST(VoucherDate, theSystemsShortFormatsAndTheIsoFormAreReadAnythingElseStays) {
  const QLocale china(QLocale::Chinese, QLocale::China);  // "yyyy/M/d HH:mm"
  EXPECT_EQ(Read("2026/3/5 10:20", china), "2026-03-05");
  EXPECT_EQ(Read("2026/3/5 10:20:30", china), "2026-03-05");
  EXPECT_EQ(Read(" 2026/11/26 ", china), "2026-11-26");
  EXPECT_EQ(Read("2026-11-26 09:05:00", china), "2026-11-26");
  EXPECT_EQ(Read("2026-11-26", china), "2026-11-26");
  // A two-digit year is of this century up to 49.
  const QLocale us(QLocale::English, QLocale::UnitedStates);  // "M/d/yy h:mm AP"
  EXPECT_EQ(Read("11/26/26 9:05 AM", us), "2026-11-26");
  EXPECT_EQ(Read("11/26/98", us), "1998-11-26");
  EXPECT_EQ(Read("20261126", china), "unread: 20261126");
  EXPECT_EQ(Read("2026/2/30", china), "unread: 2026/2/30");
  EXPECT_EQ(Read("", china), "unread: ");
}

}  // namespace
