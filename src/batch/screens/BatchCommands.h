#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include "batch/documents/PayMoneyInfo.h"
#include "batch/submission/FailBat.h"

// The rules of the batch screen's commands that need no window.

// The most documents the screen's own commands put into a batch.
inline constexpr int kMaxBatchDocuments = 800;

// After documents first..last (1-based) were deleted: failures numbered inside
// the range go, later ones move up by the range's length and are written with
// at least three digits.
void RenumberFailures(QList<TFailBat>& fails, int first, int last);

// The batch as a text file: a GBK batch line per document, numbered from 1,
// each ended by CR LF.
QByteArray BatchTextBytes(const TBatch& batch);

// True when a field that goes into the document's batch line holds "|", which
// would shift every later field of the line.
bool HasFieldSeparator(const TPayMoneyInfo& doc);

// The status bar: "共 3 笔" and "总金额 1,500.50 元", the sum as the list shows amounts.
QString BatchCountText(const TBatch& batch);
QString BatchSumText(const TBatch& batch);

// The amount column: "1,500.50", blank for zero.
QString MoneyCellText(const TAmount& money);

// The message refusing a batch that holds an amount no clerk could have typed
// (from a file saved before amounts were checked as typed), empty when every
// amount may be sent.
QString AmountProblem(const TBatch& batch);

// The message refusing a transaction password, empty when it may be sent: it
// must not be blank and must have 6 to 12 characters as typed.
QString PasswordProblem(QStringView password);
