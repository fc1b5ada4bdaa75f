#pragma once

#include <QStringView>
#include <functional>
#include <optional>
#include <vector>

#include "core/Amount.h"

// The order of a sorted statement grid: the record indices 0..count-1 arranged
// by a key taken once from each record. Records with equal keys keep their
// record order, ascending or descending.

// Texts in Chinese order (pinyin for the common hanzi, Latin before Chinese,
// case ignored); the empty text comes first.
std::vector<int> OrderByText(int count, const std::function<QStringView(int)>& textOf,
                             bool descending);

// Amounts by value; records without an amount come before every value.
std::vector<int> OrderByAmount(int count,
                               const std::function<std::optional<TAmount>(int)>& amountOf,
                               bool descending);
