#pragma once

#include <QByteArray>
#include <QString>
#include <pugixml.hpp>

#include "statements/printing/FormHisDealRepLink.h"
#include "statements/printing/FormHisDetailRepLink.h"

class StatementTable;
struct TUSER;

// The electronic receipts of the online queries and the exchanges that count
// their printings. The counts always go to the older interface.

// The receipt panel of an account-detail row: the counterpart pays for a
// credit, the own account otherwise (the counterpart's bank is not known).
TFormHisDetailRepLink DetailReceiptOf(const StatementTable& table, int recNo);

// 610732 asking the count before a preview (print false) or a printing, which
// also names the amount and the date.
QByteArray DetailCountBody(const TUSER& user, const TFormHisDetailRepLink& receipt, bool print);
// PRINUM of a reply that passed the check; EResponseError when it is missing or
// no whole number.
int PrintCount(const pugi::xml_node& root);
// The count line before the receipt is shown: "第n次补打。".
QString CountLine(int count);
// After a printing: the line "第n+1次补打", the report (610732 SEARCH_TYPE 1) to
// send, and the count raised.
QByteArray AfterDetailPrint(const TUSER& user, TFormHisDetailRepLink& receipt);

// The receipt fetch of a transfer document (NN410P or 671906) for a row of the
// transfer-flow table.
QByteArray DealReceiptBody(const TUSER& user, const StatementTable& table, int recNo);
// Whether the row's document may have a receipt: "交易成功" on the newer
// interface, "银行受理成功" on the older.
bool HasReceipt(const StatementTable& table, int recNo, int tradeType);
// The panel from the fetch's reply; values as the bank sent them.
TFormHisDealRepLink ReadDealReceipt(const pugi::xml_node& root, int tradeType);

// The request before a transfer receipt is shown: NN410P (newer interface,
// with the row's workflow id) or 671906 (its reply's PRINUM gives the count
// line).
QByteArray DealCountBody(const TUSER& user, const TFormHisDealRepLink& receipt,
                         const QString& workflowId);
// After a printing: nothing for an empty count line; else the number after
// "第" (the whole number, so that "第12次补打。" is 12), the line raised while
// below 9, and the report 671904 with FLAG that number.
QByteArray AfterDealPrint(const TUSER& user, TFormHisDealRepLink& receipt);
