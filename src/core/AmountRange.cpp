#include "core/AmountRange.h"

#include "core/Amount.h"

TAmountRangeFault CheckAmountRange(QStringView low, QStringView high) {
  low = low.trimmed();
  high = high.trimmed();
  const std::optional<TAmount> lowValue = TAmount::ParsePayment(low);
  if (!low.isEmpty() && !lowValue) return TAmountRangeFault::Low;
  const std::optional<TAmount> highValue = TAmount::ParsePayment(high);
  if (!high.isEmpty() && !highValue) return TAmountRangeFault::High;
  if (lowValue && highValue && *highValue < *lowValue) return TAmountRangeFault::Order;
  return TAmountRangeFault::None;
}

QString AmountRangeMessage(TAmountRangeFault fault) {
  switch (fault) {
    case TAmountRangeFault::Low:
    case TAmountRangeFault::High:
      return QStringLiteral("交易金额格式不合法！标准格式为100表示100.00。");
    case TAmountRangeFault::Order:
      return QStringLiteral("交易金额下限大于金额上限，请重新输入！");
    case TAmountRangeFault::None:
      break;
  }
  return {};
}
