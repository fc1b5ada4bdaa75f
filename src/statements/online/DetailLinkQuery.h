#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <pugixml.hpp>

#include "session/transport/ListRecords.h"

class StatementTable;
struct TUSER;

// The online account-detail query: the account list, the conditions, the
// query of a page and the spreadsheet request, on the interface the session's
// trade type names (1: the newer codes on the V6 path).

// The last query, repeated by the paging buttons and the spreadsheet request.
// NOLINTBEGIN(readability-identifier-naming): the fields as the screen names them
struct SelItem {
  QString AccNo, StartDate, EndDate, LowAmount, HighAmount, DcFlag, AccountStatus, CounterName,
      CounterAccNo, Remark, PostStr, BatchOid, Oid1, ReturnAll;
  int Page = 1;
  int Pages = 1;
  QString AccName, AccBank;
};
// NOLINTEND(readability-identifier-naming)

// "交易方向：" in its order, and the code each choice is sent as.
QStringList DirectionChoices();
QString DirectionCode(int choice, int tradeType);

// N00009 or 610112, and the accounts of its reply ("ACCLIST"): the display
// text is the ACC element without its last character, then the account type.
QByteArray DetailAccountsBody(const TUSER& user);
QList<TACCItem> ReadDetailAccounts(const pugi::xml_node& root);

// A date field checked as the clerk types: nothing to say for seven characters
// or fewer; else the message when it is no whole number or no date.
QString DateFieldProblem(const QString& text, bool beginDate);
// Whether the dates (YYYYMMDD, checked) span at most three months by their
// month and day numbers.
bool WithinThreeMonths(const QString& beginDate, const QString& endDate);

// The checks of "查询" after the account and before the query, in their order:
// the message of the first that fails and the field it concerns.
struct TDetailProblem {
  QString Message;
  enum TField { None, BeginDate, EndDate, LowAmount, HighAmount } Field = None;
};
TDetailProblem CheckDetailConditions(const QString& beginDate, const QString& endDate,
                                     const QString& lowAmount, const QString& highAmount);

// N00017 or 610721 for the query's page.
QByteArray DetailQueryBody(const TUSER& user, const SelItem& query);
// Reads a reply that passed the check into the query (page, pages and the
// continuation values) and the table (emptied, then one row per item). An
// item that lacks an element or carries a currency code that is no whole
// number throws EResponseError; the rows read before it stay.
void ReadDetailPage(const pugi::xml_node& root, int tradeType, SelItem& query,
                    StatementTable& table);

// N00018 or 610724: the whole result as a spreadsheet.
QByteArray DetailExcelBody(const TUSER& user, const SelItem& query);
