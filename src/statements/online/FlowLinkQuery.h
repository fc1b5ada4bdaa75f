#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <pugixml.hpp>

#include "session/transport/ListRecords.h"

class StatementTable;
struct TUSER;

// The online transfer-flow query: the account list, the conditions, the query
// of a page and the spreadsheet request, on the interface the session's trade
// type names (1: the newer codes on the V6 path).

// NOLINTBEGIN(readability-identifier-naming): the fields as the screen names them
struct TFlowSelItem {
  QString DjType, BeginDate, EndDate, StartMoney, EndMoney, CreditNo, DateType, RevName, RevAccNo,
      AccNo;
  int Page = 1;
  int Pages = 1;
};
// NOLINTEND(readability-identifier-naming)

// "单据状态：" of the interface in its order, and the code a choice is sent as.
QStringList FlowStateChoices(int tradeType);
QString FlowStateCode(int choice, int tradeType);
// The code of the date kind ("制单日期：", "提交银行日期：").
QString DateKindCode(int choice, int tradeType);

// NN4100 or 671902, and the accounts of its reply: name, number, currency and
// bank each followed by three blanks, then "授权" (type 0) or "签约" (type 1).
QByteArray FlowAccountsBody(const TUSER& user);
QList<TACCItem> ReadFlowAccounts(const pugi::xml_node& root);

// The checks of "查询": the message of the first that fails and the field, as
// for the account-detail query; empty dates pass and any range does.
struct TFlowProblem {
  QString Message;
  enum TField { None, BeginDate, EndDate, StartMoney, EndMoney } Field = None;
};
TFlowProblem CheckFlowConditions(const QString& beginDate, const QString& endDate,
                                 const QString& startMoney, const QString& endMoney);

// NN4101 or 671901 for the query's page.
QByteArray FlowQueryBody(const TUSER& user, const TFlowSelItem& query);
// Reads a reply that passed the check into the query's page numbers and the
// table (emptied, one row per item); an item that lacks an element throws
// EResponseError, the rows read before it staying.
void ReadFlowPage(const pugi::xml_node& root, int tradeType, TFlowSelItem& query,
                  StatementTable& table);

// NN4102 or 671905: the whole result as a spreadsheet, named by the dates.
QByteArray FlowExcelBody(const TUSER& user, const TFlowSelItem& query);
