#pragma once

#include <QList>
#include <QString>

#include "certpay/records/CertAddInfo.h"
#include "certpay/records/CertPayee.h"
#include "certpay/records/CertPayer.h"
#include "certpay/records/UserInput.h"
#include "widgets/grid/ColumnDef.h"

// The columns and cells of the central-finance lists; column 0 is the row
// number. The registers' columns after it follow their field tables.
QList<TColumnDef> CertPayerColumns();
QString CertPayerCell(const TCertPayer& payer, int col);
QList<TColumnDef> CertPayeeColumns();
// The payee's kind reads "对公账户" on the register screen (onBook), "对公账号"
// elsewhere.
QString CertPayeeCell(const TCertPayee& payee, int col, bool onBook);
QList<TColumnDef> CertAddInfoColumns();
QString CertAddInfoCell(const TCertAddInfo& info, int col);

// The payment-file editor's list.
QList<TColumnDef> UserInputColumns();
QString UserInputCell(const TUserInput& doc, int col);

// The titles of the columns after the row number: the captions of a register
// workbook.
QStringList DataColumnTitles(const QList<TColumnDef>& columns);
