#pragma once

#include <QString>
#include <QStringView>
#include <compare>
#include <optional>

// Money: a signed 64-bit count of ten-thousandths of a yuan. Parsed from decimal
// text exactly, never through binary floating point.
class TAmount {
 public:
  static constexpr qint64 kScale = 10000;

  constexpr TAmount() = default;
  static constexpr TAmount FromUnits(qint64 tenThousandths) { return TAmount(tenThousandths); }
  static constexpr TAmount FromYuan(qint64 yuan) { return TAmount(yuan * kScale); }

  // Decimal text with "." as decimal point, an optional sign and optional
  // exponent ("1234.5", "-0.00005", "1e3"); surrounding blanks are ignored. Digits
  // past the fourth decimal are rounded half to even. Nothing when the text is
  // not a number (only ASCII digits count) or the value does not fit.
  static std::optional<TAmount> Parse(QStringView text);

  // An amount typed or imported for a payment: 1 to 13 digits, optionally "."
  // and one or two decimals. Nothing else passes, so that a slip of the finger
  // ("1e5", "0.001", "1,000", " 5", "+5") cannot become a different sum.
  static std::optional<TAmount> ParsePayment(QStringView text);

  // Whether the amount could be sent as a payment: more than zero, whole cents,
  // at most 13 digits before the point.
  bool IsPayment() const;

  constexpr qint64 Units() const { return units_; }
  constexpr bool IsZero() const { return units_ == 0; }

  // Shortest general form: "1234.5", "100", "0.0001", "-3".
  QString ToText() const;

  // Two decimals, rounded half away from zero, with thousands separators:
  // "1,234.50".
  QString ToDisplay() const;

  constexpr TAmount operator+(TAmount o) const { return TAmount(units_ + o.units_); }
  constexpr TAmount operator-(TAmount o) const { return TAmount(units_ - o.units_); }
  constexpr TAmount& operator+=(TAmount o) {
    units_ += o.units_;
    return *this;
  }
  constexpr auto operator<=>(const TAmount&) const = default;

 private:
  constexpr explicit TAmount(qint64 units) : units_(units) {}
  qint64 units_ = 0;
};
