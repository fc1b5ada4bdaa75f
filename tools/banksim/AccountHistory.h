#pragma once

#include <QList>

#include "SimData.h"

// The account's history as its HistorySettings describe it, oldest first: on
// each of the Days days at least Count / Days transactions (the rest spread
// over the days at random), with a running balance that never falls below a
// tenth of the opening balance. The same settings and account number always
// give the same history.
QList<TSimDetail> MakeHistory(const TSimAccount& account);
