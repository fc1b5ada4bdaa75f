#pragma once

#include <QList>
#include <QString>

#include "registers/records/PayeeInfo.h"
#include "registers/records/PayerInfo.h"
#include "widgets/grid/ColumnDef.h"

// The columns and cells shared by the account registers and the list of
// accounts that an import did not update. Column 0 is the row number.
QList<TColumnDef> PayerColumns();
QString PayerCell(const TPayerInfo& payer, int col);
QList<TColumnDef> PayeeColumns();
QString PayeeCell(const TPayeeInfo& payee, int col);
