#pragma once

#include <QString>
#include <QStringView>

// The two bounds of an amount filter ("交易金额："), each trimmed: a bound that
// is given must be a payment amount, and the upper one may not be below the
// lower one.
enum class TAmountRangeFault { None, Low, High, Order };

TAmountRangeFault CheckAmountRange(QStringView low, QStringView high);
// "交易金额格式不合法！标准格式为100表示100.00。" for a bound that is no amount,
// "交易金额下限大于金额上限，请重新输入！" for the order; empty for None.
QString AmountRangeMessage(TAmountRangeFault fault);
