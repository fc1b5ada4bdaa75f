#pragma once

#include <QString>
#include <QStringView>
#include <optional>

// The bank's codes in statement replies turned into the text the grids and
// receipts show. Every code is trimmed first; a code outside a table gives the
// empty text.

// FLAG: "0" 借方, "1" 贷方.
QString DebitCreditName(QStringView flag);

// OID: "0" 钞户, "1" 汇户.
QString CashRemitName(QStringView oid);

// CUR read as an integer: 1 人民币, 14 美元, ... (codes 0 to 90). Nothing when
// the code is not an integer: the reply carrying it has failed.
std::optional<QString> CurrencyName(QStringView code);

// STATUS of a transfer document in the transfer-flow list.
QString TransferStatusName(QStringView status);

// STATUS of a transfer receipt: as in the list, but the bank does not send
// "C" (银行受理中) there, so it gives the empty text.
QString ReceiptStatusName(QStringView status);
