#include <gtest/gtest.h>

#include <limits>

#include "core/Amount.h"

namespace {

qint64 Units(const char* text) {
  const auto amount = TAmount::Parse(QString::fromUtf8(text));
  EXPECT_TRUE(amount.has_value()) << text;
  return amount ? amount->Units() : -1;
}

TEST(Amount, parsesDecimalTextExactly) {
  EXPECT_EQ(Units("1234.5"), 12345000);
  EXPECT_EQ(Units("12.50"), 125000);
  EXPECT_EQ(Units("0.0001"), 1);
  EXPECT_EQ(Units(" -3 "), -30000);
  EXPECT_EQ(Units("+.5"), 5000);
  EXPECT_EQ(Units("7."), 70000);
  EXPECT_EQ(Units("000.10"), 1000);
  EXPECT_EQ(Units("1e3"), 10000000);
  EXPECT_EQ(Units("1.5E-2"), 150);
  EXPECT_EQ(Units("0"), 0);
  // 0.1 + 0.2 has no exact binary form; the decimal reading is exact.
  EXPECT_EQ(Units("0.3"), 3000);
  EXPECT_EQ(Units("922337203685477.5807"), std::numeric_limits<qint64>::max());
}

TEST(Amount, roundsHalfToEvenAtTheFifthDecimal) {
  EXPECT_EQ(Units("0.00005"), 0);
  EXPECT_EQ(Units("0.00015"), 2);
  EXPECT_EQ(Units("0.00025"), 2);
  EXPECT_EQ(Units("0.000250001"), 3);
  EXPECT_EQ(Units("0.00004999"), 0);
  EXPECT_EQ(Units("0.000001"), 0);
  EXPECT_EQ(Units("-1.00005"), -10000);
  EXPECT_EQ(Units("-1.00015"), -10002);
}

TEST(Amount, refusesWhatIsNotANumberOrDoesNotFit) {
  for (const char* bad : {"", " ", ".", "-", "abc", "1,000.00", "12a", "1e", "1e+", "nan", "inf",
                          "1.2.3", "--1", "922337203685477.5808", "1e30"})
    EXPECT_FALSE(TAmount::Parse(QString::fromUtf8(bad)).has_value()) << bad;
}

TEST(Amount, paymentTextIsPlainDecimalsWithAtMostTwoPlaces) {
  for (const char* bad : {"1e5", "1E5", "0.001", "1,000", "+5", "-5", " 5", "5 ", "5.", ".5", "",
                          "12345678901234.00", "１２", "0x10"})
    EXPECT_FALSE(TAmount::ParsePayment(QString::fromUtf8(bad)).has_value()) << bad;
  EXPECT_EQ(TAmount::ParsePayment(u"0.01")->Units(), 100);
  EXPECT_EQ(TAmount::ParsePayment(u"99999999999.99")->ToText(), QStringLiteral("99999999999.99"));
  EXPECT_EQ(TAmount::ParsePayment(u"9999999999999.9")->ToText(), QStringLiteral("9999999999999.9"));
  EXPECT_EQ(TAmount::ParsePayment(u"5")->ToText(), QStringLiteral("5"));

  EXPECT_TRUE(TAmount::FromUnits(100).IsPayment());
  for (qint64 units : {0LL, -100LL, 10LL, 10000000000000LL * TAmount::kScale})
    EXPECT_FALSE(TAmount::FromUnits(units).IsPayment()) << units;
}

TEST(Amount, writesTheShortestForm) {
  EXPECT_EQ(TAmount::FromUnits(12345000).ToText(), QStringLiteral("1234.5"));
  EXPECT_EQ(TAmount::FromYuan(100).ToText(), QStringLiteral("100"));
  EXPECT_EQ(TAmount::FromUnits(1).ToText(), QStringLiteral("0.0001"));
  EXPECT_EQ(TAmount().ToText(), QStringLiteral("0"));
  EXPECT_EQ(TAmount::FromUnits(-5000).ToText(), QStringLiteral("-0.5"));
  EXPECT_EQ(TAmount::FromUnits(std::numeric_limits<qint64>::min()).ToText(),
            QStringLiteral("-922337203685477.5808"));
}

TEST(Amount, showsTwoDecimalsWithSeparators) {
  EXPECT_EQ(TAmount::FromUnits(12345000).ToDisplay(), QStringLiteral("1,234.50"));
  EXPECT_EQ(TAmount::FromUnits(12345678900000).ToDisplay(), QStringLiteral("1,234,567,890.00"));
  EXPECT_EQ(TAmount::FromUnits(50).ToDisplay(), QStringLiteral("0.01"));
  EXPECT_EQ(TAmount::FromUnits(-49).ToDisplay(), QStringLiteral("0.00"));
  EXPECT_EQ(TAmount::FromUnits(-1000000).ToDisplay(), QStringLiteral("-100.00"));
}

TEST(Amount, readsHostileTextWithoutCrashingAndWithAClearResult) {
  struct Case {
    const char* Text;
    std::optional<qint64> Units;
  };
  const Case cases[] = {
      {"1e5", 1000000000},
      {"١٢", std::nullopt},  // digits of another script
      {"１２", std::nullopt},
      {"--1", std::nullopt},
      {"+-1", std::nullopt},
      {"12345678901234567890", std::nullopt},
      {"0.00005", 0},
      {"0.00015", 2},
      {"-0.00005", 0},
      {"", std::nullopt},
      {" ", std::nullopt},
      {"\t\n", std::nullopt},
      {"1.2.3", std::nullopt},
      {"+", std::nullopt},
      {".", std::nullopt},
      {"1 2", std::nullopt},
      {"1e-100000", 0},
      {"1e100000", std::nullopt},
      {"1e99999999999999999999", std::nullopt},
      {"0.000000000000000000000000000001", 0},
      {"00000000000000000000000000000012.5", 125000},
      {"922337203685477.58075", std::nullopt},
      {"-922337203685477.5808", std::numeric_limits<qint64>::min()},
      {"-922337203685477.5809", std::nullopt},
  };
  for (const Case& c : cases) {
    const auto amount = TAmount::Parse(QString::fromUtf8(c.Text));
    ASSERT_EQ(amount.has_value(), c.Units.has_value()) << c.Text;
    if (amount) {
      EXPECT_EQ(amount->Units(), *c.Units) << c.Text;
    }
  }
  const TAmount lowest = TAmount::FromUnits(std::numeric_limits<qint64>::min());
  EXPECT_EQ(TAmount::Parse(lowest.ToText()), lowest);
}

}  // namespace
